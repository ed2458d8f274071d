#include "app/DesktopApp.h"

#include "app/DataFolder.h"
#include "app/FrontEnd.h"
#include "console/Console.h"
#include "platform/qt/LazyAtcClientLink.h"
#include "platform/qt/LazyHttpService.h"
#include "platform/qt/NativeBackend.h"
#include "platform/qt/QtServices.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <thread>

namespace vellaro::qt {

namespace {

void setProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        icon.addFile(QStringLiteral(":/vellaro/icons/vellaro-%1.png").arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(icon);
}

} // namespace

int runDesktop(int argc, char** argv) {
    // Without a display Qt would abort with a message only a developer reads.
    if (const QString problem = native::missingDisplayMessage(); !problem.isEmpty()) {
        std::fputs(problem.toLocal8Bit().constData(), stderr);
        return 1;
    }
    std::jthread fonts = native::warmUpFonts();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellaro"));
    QApplication::setFont(FrontEnd::classicFont());
    // The installed menu entry's name: desktops match the windows to it.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.vellaro.Vellaro"));
    // Closing the main window ends the program through the console's shut-down,
    // not through Qt noticing that no window is left.
    QApplication::setQuitOnLastWindowClosed(false);

    const DataFolderChoice data =
        chooseDataFolder(QCoreApplication::arguments(), qEnvironmentVariable("VELLARO_DATA"),
                         QCoreApplication::applicationDirPath(), userDataFolder());
    if (!data.error.isEmpty()) {
        std::fprintf(stderr, "vellaro: %s\n", qPrintable(data.error));
        return 2;
    }
    if (!QDir().mkpath(data.folder)) {
        std::fprintf(stderr, "vellaro: cannot create the data folder %s\n",
                     qPrintable(QDir::toNativeSeparators(data.folder)));
    }
    // Before the console exists, so a refused second start touches no file.
    const DataFolderLock lock(data.folder);
    if (lock.state() == DataFolderLock::State::Busy) {
        std::fprintf(stderr, "vellaro: Vellaro is already running with the data folder %s\n",
                     qPrintable(QDir::toNativeSeparators(data.folder)));
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Vellaro"),
                        QStringLiteral("Vellaro läuft bereits mit diesem Datenordner."),
                        QMessageBox::Ok);
        box.exec();
        return 3;
    }
    if (lock.state() == DataFolderLock::State::Unavailable) {
        // A read-only folder or a full disk: the writes of a second console would
        // fail there too, so going on is safe enough.
        std::fprintf(stderr, "vellaro: cannot lock the data folder %s, going on without\n",
                     qPrintable(QDir::toNativeSeparators(data.folder)));
    }

    QtClipboard clipboard;
    LazyHttpService http(LazyHttpService::defaultFolders());
    const std::unique_ptr<InputInjector> input = native::createInputInjector();
    QtMessageBox messages;
    QtBeeper beeper;
    QtLauncher launcher;
    QtScreen screen;
    QtClock clock;
    QtTimerService timers;
    QtPictureLoader pictures;
    LazyAtcClientLink atcClient(LazyHttpService::defaultFolders());
    Platform platform{
        clipboard, http,  *input, messages, beeper,      launcher,
        screen,    clock, timers, pictures, data.folder, native::proControllerMacroFile(),
        atcClient,
    };

    // The first window measures its text: the font configuration must be read by now.
    if (fonts.joinable()) {
        fonts.join();
    }
    Console console(platform);
    console.setServiceTable(ServiceAddresses::Table::Live);
    console.onEnded = [] {
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    };
    {
        FrontEnd frontEnd(console);
        native::onTerminationRequest([&console] { console.close(); });
        // A session that ends without closing the window still saves.
        QObject::connect(&app, &QCoreApplication::aboutToQuit, &app, [&console] {
            if (!console.ended()) {
                console.close();
            }
        });
        console.start();
        // Once the window is up: what it does not need to be seen.
        QTimer::singleShot(0, &app, [&input] {
            setProgramIcon();
            native::prepareInputInjector(*input);
        });
        const int status = QApplication::exec();
        if (!console.ended()) {
            console.close();
        }
        if (status != 0) {
            return status;
        }
    }
    return 0;
}

} // namespace vellaro::qt
