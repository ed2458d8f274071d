#include "platform/qt/DesktopApp.h"

#include "console/Console.h"
#include "platform/qt/FrontEnd.h"
#include "platform/qt/NativeBackend.h"
#include "platform/qt/QtHttpService.h"
#include "platform/qt/QtServices.h"

#include <QApplication>

#include <cstdio>

namespace vellaro::qt {

int runDesktop(int argc, char** argv) {
    // Without a display Qt would abort with a message only a developer reads.
    if (const QString problem = native::missingDisplayMessage(); !problem.isEmpty()) {
        std::fputs(problem.toLocal8Bit().constData(), stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellaro"));
    // Closing the main window ends the program through the console's shut-down,
    // not through Qt noticing that no window is left.
    QApplication::setQuitOnLastWindowClosed(false);

    QtClipboard clipboard;
    QtHttpService http;
    const std::unique_ptr<InputInjector> input = native::createInputInjector();
    QtMessageBox messages;
    QtBeeper beeper;
    QtLauncher launcher;
    QtScreen screen;
    QtClock clock;
    QtTimerService timers;
    QtPictureLoader pictures;
    Platform platform{clipboard,
                      http,
                      *input,
                      messages,
                      beeper,
                      launcher,
                      screen,
                      clock,
                      timers,
                      pictures,
                      QCoreApplication::applicationDirPath(),
                      native::proControllerMacroFile()};

    Console console(platform);
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
