#include "platform/qt/QtServices.h"

#include "platform/Control.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileInfo>
#include <QImageReader>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <QUrl>

namespace vellaro::qt {

QString QtClipboard::text() const {
    return QGuiApplication::clipboard()->text();
}

void QtClipboard::clear() {
    QGuiApplication::clipboard()->clear();
}

void QtClipboard::setText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

void QtMessageBox::show(const QString& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Vellaro"), text, QMessageBox::Ok);
    // The console stays on top of everything; its messages must not hide behind it.
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    box.exec();
}

void QtBeeper::beep() {
    QApplication::beep();
}

void QtLauncher::start(const QString& program, const QStringList& arguments) {
    if (QProcess::startDetached(program, arguments)) {
        return;
    }
    // The editor named for Windows may not exist here: open the file with whatever
    // the desktop uses for it instead.
    if (arguments.size() == 1 && QFileInfo::exists(arguments.first())) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(arguments.first()));
    }
}

void QtLauncher::openTextFile(const QString& path) {
    // The desktop's own handler for the file, as a local URL: no shell, no quoting.
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QSize QtScreen::size() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->size() : QSize(1024, 768);
}

QDate QtClock::date() const {
    return QDate::currentDate();
}

QTime QtClock::time() const {
    return QTime::currentTime();
}

std::optional<QSize> QtPictureLoader::pictureSize(const QString& path) const {
    if (!QFileInfo(path).isFile()) {
        return std::nullopt;
    }
    QImageReader reader(path);
    QSize size = reader.size();
    if (!size.isValid()) {
        // Some formats only know their size once read.
        QImage image;
        if (!reader.read(&image)) {
            return std::nullopt;
        }
        size = image.size();
    }
    if (size.isEmpty()) {
        return std::nullopt;
    }
    return size;
}

QtTimerService::QtTimerService() = default;

QtTimerService::~QtTimerService() = default;

void QtTimerService::schedule(Timer& timer, int ms) {
    auto& slot = timers_[&timer];
    if (!slot) {
        slot = std::make_unique<QTimer>();
        QObject::connect(slot.get(), &QTimer::timeout, slot.get(), [this, &timer] { fire(timer); });
    }
    slot->start(std::max(ms, 1));
}

void QtTimerService::cancel(Timer& timer) {
    // Stopped, not destroyed: cancel may come from inside the timer's own tick.
    if (auto it = timers_.find(&timer); it != timers_.end()) {
        it->second->stop();
    }
}

bool QtTimerService::isScheduled(const Timer& timer) const {
    auto it = timers_.find(&timer);
    return it != timers_.end() && it->second->isActive();
}

void QtTimerService::fire(Timer& timer) {
    if (running_.contains(&timer)) {
        return;
    }
    running_.insert(&timer);
    timer.fire();
    running_.remove(&timer);
}

void QtTimerService::processEvents() {
    // Wait for the next event instead of spinning, but never longer than a moment,
    // so a pause loop costs no processor time and still comes back.
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(10);
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

} // namespace vellaro::qt
