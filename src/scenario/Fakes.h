#pragma once

#include "platform/Form.h"
#include "platform/Platform.h"

#include <QDateTime>
#include <QHash>
#include <QPoint>
#include <QStringList>

#include <memory>
#include <vector>

// Recording stand-ins for every platform service, for scenario runs and tests.
namespace vellaro::fake {

class Clipboard : public vellaro::Clipboard {
  public:
    QString text() const override { return text_; }
    void clear() override { text_.clear(); }
    void setText(const QString& t) override { text_ = t; }

  private:
    QString text_;
};

class Http : public HttpService {
  public:
    // A GET whose URL contains part answers body; the latest matching route wins.
    void serve(const QString& part, const QString& body);
    // A GET whose URL contains part fails (empty text).
    void fail(const QString& part);
    void setBusy(bool b) { busy_ = b; }

    QString get(const QString& url) override;
    bool busy() const override { return busy_; }

    // Every URL asked for since the last takeRequests().
    QStringList takeRequests();
    const QStringList& allRequests() const { return all_; }
    // Runs inside every get(), before it answers (tests use it to act mid-transfer).
    std::function<void(const QString& url)> onGet;

  private:
    struct Route {
        QString part;
        QString body;
        bool fails;
    };
    void addRoute(Route route);

    std::vector<Route> routes_;
    QStringList pending_;
    QStringList all_;
    bool busy_ = false;
};

class Input : public InputInjector {
  public:
    QPoint cursorPos() const override { return cursor_; }
    void setCursorPos(int x, int y) override;
    void mouse(MouseAction action) override;
    void sendKeys(const QString& keys) override;

    // Puts the pointer somewhere without recording an event (the user moved it).
    void placeCursor(int x, int y) { cursor_ = {x, y}; }
    // The events since the last takeEvents(), "; "-separated.
    QString takeEvents();

  private:
    QPoint cursor_;
    QStringList events_;
};

class Messages : public MessageBoxService {
  public:
    void show(const QString& text) override { shown_.append(text); }
    const QStringList& shown() const { return shown_; }

  private:
    QStringList shown_;
};

class Beeper : public vellaro::Beeper {
  public:
    void beep() override { ++count_; }
    int count() const { return count_; }

  private:
    int count_ = 0;
};

class Launcher : public ProgramLauncher {
  public:
    void start(const QString& program, const QStringList& arguments) override;
    // Recorded in the classic form, the editor's name and the path.
    void openTextFile(const QString& path) override;
    const QString& last() const { return last_; }

  private:
    QString last_;
};

class Screen : public ScreenInfo {
  public:
    QSize size() const override { return size_; }
    void setSize(QSize s) { size_ = s; }

  private:
    QSize size_{1024, 768};
};

// A manual clock: time stands still until advance() moves it, firing every due
// timer in time order (ties in the order they were scheduled).
class ManualClock : public Clock, public TimerService {
  public:
    ManualClock();
    QDate date() const override { return now().date(); }
    QTime time() const override { return now().time(); }
    QDateTime now() const { return start_.addMSecs(elapsed_); }
    void set(const QDateTime& dt);
    qint64 elapsed() const { return elapsed_; }

    void schedule(Timer& timer, int ms) override;
    void cancel(Timer& timer) override;
    // Moves time on to the next due timer and fires it (a pause waits this way).
    void processEvents() override;

    void advance(qint64 ms);
    bool isScheduled(const Timer& timer) const;

  private:
    struct Entry {
        Timer* timer;
        qint64 due;
        int interval;
        quint64 seq;
    };
    bool fireNext(qint64 until);

    QDateTime start_;
    qint64 elapsed_ = 0;
    std::vector<Entry> entries_;
    quint64 seq_ = 0;
};

// The ATC client's local interface as a script plays it: whether it accepts
// connections, what it answers, and every request line it was sent. A request and its
// answer take no time; the link's retry runs on the manual clock.
class AtcClient : public AtcClientLink {
  public:
    explicit AtcClient(TimerService& timers);
    ~AtcClient() override;

    // Off drops a connection at once; on waits for the link's next attempt.
    void setListening(bool on);
    // From now on the request line is answered by this line (the latest wins).
    void answer(const QString& request, const QString& line);
    // Sent, unasked, just before the next answer.
    void push(const QString& line);
    // The request lines sent since the last takeSent().
    QStringList takeSent();

    void start(EndpointSource endpoint) override;
    void stop() override;
    bool connected() const override { return connected_; }
    std::optional<QString> request(const QString& command,
                                   const QStringList& arguments = {}) override;

  private:
    void attempt();
    void setConnected(bool up);

    Form form_;
    Timer& retry_;
    EndpointSource endpoint_;
    bool listening_ = false;
    bool connected_ = false;
    QHash<QString, QString> answers_;
    QStringList pushed_;
    QStringList sent_;
};

// Reads the size of BMP files from their header.
class Pictures : public PictureLoader {
  public:
    std::optional<QSize> pictureSize(const QString& path) const override;
};

// All stand-ins together, with a Platform referring to them.
struct Services {
    explicit Services(const QString& dataDir, const QString& macroFile = {});
    Clipboard clipboard;
    Http http;
    Input input;
    Messages messages;
    Beeper beeper;
    Launcher launcher;
    Screen screen;
    ManualClock clock;
    Pictures pictures;
    AtcClient atcClient{clock};
    Platform platform;
};

} // namespace vellaro::fake
