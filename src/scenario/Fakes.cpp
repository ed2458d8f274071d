#include "scenario/Fakes.h"

#include "platform/Control.h"

#include <QFile>

#include <algorithm>
#include <utility>

namespace vellaro::fake {

void Http::serve(const QString& part, const QString& body) {
    addRoute({part, body, false});
}

void Http::fail(const QString& part) {
    addRoute({part, {}, true});
}

void Http::addRoute(Route route) {
    // An earlier route for the same part can never win again: drop it, so a long
    // script does not pile up bodies.
    std::erase_if(routes_, [&](const Route& r) { return r.part == route.part; });
    routes_.push_back(std::move(route));
}

QString Http::get(const QString& url) {
    pending_.append(url);
    all_.append(url);
    if (onGet) {
        onGet(url);
    }
    for (auto it = routes_.rbegin(); it != routes_.rend(); ++it) {
        if (url.contains(it->part)) {
            return it->fails ? QString() : it->body;
        }
    }
    return {};
}

QStringList Http::takeRequests() {
    QStringList r = pending_;
    pending_.clear();
    return r;
}

void Input::setCursorPos(int x, int y) {
    cursor_ = {x, y};
    events_.append(QStringLiteral("move %1 %2").arg(x).arg(y));
}

void Input::mouse(MouseAction action) {
    // As `expect inputs` writes them.
    static constexpr std::pair<MouseAction, const char*> names[] = {
        {MouseAction::LeftDown, "left-down"},
        {MouseAction::LeftUp, "left-up"},
        {MouseAction::RightDown, "right-down"},
        {MouseAction::RightUp, "right-up"}};
    for (const auto& [a, name] : names) {
        if (a == action) {
            events_.append(QLatin1String(name));
        }
    }
}

void Input::sendKeys(const QString& keys) {
    events_.append(QStringLiteral("keys ") + keys);
}

QString Input::takeEvents() {
    QString s = events_.join(QStringLiteral("; "));
    events_.clear();
    return s;
}

void Launcher::start(const QString& program, const QStringList& arguments) {
    QStringList all{program};
    all += arguments;
    last_ = all.join(QLatin1Char(' '));
}

void Launcher::openTextFile(const QString& path) {
    start(QStringLiteral("notepad"), {path});
}

ManualClock::ManualClock() : start_(QDate(2000, 1, 1), QTime(0, 0, 0)) {}

void ManualClock::set(const QDateTime& dt) {
    // Due times count from the elapsed time, so only the origin moves: a timer
    // due in 500 ms stays due in 500 ms after the clock is set.
    start_ = dt.addMSecs(-elapsed_);
}

void ManualClock::schedule(Timer& timer, int ms) {
    cancel(timer);
    entries_.push_back({&timer, elapsed_ + std::max(ms, 1), std::max(ms, 1), seq_++});
}

void ManualClock::cancel(Timer& timer) {
    std::erase_if(entries_, [&](const Entry& e) { return e.timer == &timer; });
}

bool ManualClock::isScheduled(const Timer& timer) const {
    return std::any_of(entries_.begin(), entries_.end(),
                       [&](const Entry& e) { return e.timer == &timer; });
}

bool ManualClock::fireNext(qint64 until) {
    auto best = entries_.end();
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->due <= until && (best == entries_.end() || it->due < best->due ||
                                 (it->due == best->due && it->seq < best->seq))) {
            best = it;
        }
    }
    if (best == entries_.end()) {
        return false;
    }
    elapsed_ = std::max(elapsed_, best->due);
    Timer* t = best->timer;
    best->due += best->interval;
    best->seq = seq_++;
    t->fire();
    return true;
}

void ManualClock::processEvents() {
    if (entries_.empty()) {
        return;
    }
    qint64 next = entries_.front().due;
    for (const auto& e : entries_) {
        next = std::min(next, e.due);
    }
    fireNext(next);
}

void ManualClock::advance(qint64 ms) {
    const qint64 target = elapsed_ + std::max<qint64>(ms, 0);
    while (fireNext(target)) {
    }
    elapsed_ = std::max(elapsed_, target);
}

std::optional<QSize> Pictures::pictureSize(const QString& path) const {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray h = f.read(26);
    if (h.size() < 26 || h[0] != 'B' || h[1] != 'M') {
        return std::nullopt;
    }
    auto le32 = [&](int at) {
        return qint32(quint32(quint8(h[at])) | quint32(quint8(h[at + 1])) << 8 |
                      quint32(quint8(h[at + 2])) << 16 | quint32(quint8(h[at + 3])) << 24);
    };
    const qint32 w = le32(18);
    const qint32 ht = le32(22);
    if (w <= 0 || ht == 0) {
        return std::nullopt;
    }
    return QSize(w, ht < 0 ? -ht : ht);
}

AtcClient::AtcClient(TimerService& timers)
    : form_(QStringLiteral("AtcClient"), timers),
      retry_(form_.add<Timer>(QStringLiteral("Retry"))) {
    retry_.setInterval(kRetryMs);
    retry_.onTimer = [this] { attempt(); };
}

AtcClient::~AtcClient() {
    retry_.setTimerEnabled(false);
}

void AtcClient::setListening(bool on) {
    listening_ = on;
    if (!on) {
        setConnected(false);
    }
}

void AtcClient::answer(const QString& request, const QString& line) {
    answers_.insert(request, line);
}

void AtcClient::push(const QString& line) {
    pushed_.append(line);
}

QStringList AtcClient::takeSent() {
    return std::exchange(sent_, {});
}

void AtcClient::start(EndpointSource endpoint) {
    endpoint_ = std::move(endpoint);
    retry_.setTimerEnabled(true);
    attempt();
}

void AtcClient::stop() {
    endpoint_ = nullptr;
    retry_.setTimerEnabled(false);
    setConnected(false);
}

void AtcClient::attempt() {
    if (!connected_ && listening_ && endpoint_ && endpoint_()) {
        setConnected(true);
    }
}

void AtcClient::setConnected(bool up) {
    if (connected_ == up) {
        return;
    }
    connected_ = up;
    // The retry counts while the link is down.
    retry_.setTimerEnabled(!up && endpoint_);
    if (onConnectedChanged) {
        onConnectedChanged(up);
    }
}

std::optional<QString> AtcClient::request(const QString& command, const QStringList& arguments) {
    const auto line = atc::requestLine(command, arguments);
    if (!line || !connected_) {
        return std::nullopt;
    }
    sent_.append(*line);
    QStringList incoming = std::exchange(pushed_, {});
    incoming.append(answers_.value(*line, QStringLiteral("@ERR;") + *line +
                                              QStringLiteral(";Unknown command")));
    for (const QString& in : incoming) {
        if (atc::answers(in, *line)) {
            return in;
        }
    }
    return std::nullopt;
}

Services::Services(const QString& dataDir, const QString& macroFile)
    : platform{clipboard, http,  input,    messages, beeper,    launcher, screen,
               clock,     clock, pictures, dataDir,  macroFile, atcClient} {}

} // namespace vellaro::fake
