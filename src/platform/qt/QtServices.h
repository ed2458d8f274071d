#pragma once

#include "platform/Beeper.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/MessageBoxService.h"
#include "platform/PictureLoader.h"
#include "platform/ProgramLauncher.h"
#include "platform/ScreenInfo.h"
#include "platform/TimerService.h"

#include <QSet>

#include <memory>
#include <unordered_map>

class QTimer;

namespace vellaro::qt {

class QtClipboard : public Clipboard {
  public:
    QString text() const override;
    void clear() override;
    void setText(const QString& text) override;
};

// One OK button, titled "Vellaro", kept above the topmost console.
class QtMessageBox : public MessageBoxService {
  public:
    void show(const QString& text) override;
};

class QtBeeper : public Beeper {
  public:
    void beep() override;
};

class QtLauncher : public ProgramLauncher {
  public:
    void start(const QString& program, const QStringList& arguments) override;
    void openTextFile(const QString& path) override;
};

class QtScreen : public ScreenInfo {
  public:
    QSize size() const override;
};

class QtClock : public Clock {
  public:
    QDate date() const override;
    QTime time() const override;
};

class QtPictureLoader : public PictureLoader {
  public:
    std::optional<QSize> pictureSize(const QString& path) const override;
};

// One QTimer per console timer. A tick does not run again while its own handler
// still runs (for instance inside a pause that lets events through).
class QtTimerService : public TimerService {
  public:
    QtTimerService();
    ~QtTimerService() override;
    void schedule(Timer& timer, int ms) override;
    void cancel(Timer& timer) override;
    void processEvents() override;

    bool isScheduled(const Timer& timer) const;

  private:
    void fire(Timer& timer);
    std::unordered_map<const Timer*, std::unique_ptr<QTimer>> timers_;
    QSet<const Timer*> running_;
};

} // namespace vellaro::qt
