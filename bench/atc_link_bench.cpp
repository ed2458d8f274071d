// The link to the ATC client in the real window, against a stand-in on 127.0.0.1:
//  1. F9 in a callsign box until the row shows the target's callsign and destination,
//     beside the same row filled by typing those keys into the window.
//  2. How late keys reach the window while a request waits for an answer that never
//     comes, beside the same keys with the link idle.
// Not a test: run it by hand, `build/<preset>/bench/atc_link_bench` (with a display, or
// QT_QPA_PLATFORM=offscreen).
#include "../tests/support/AtcStandIn.h"

#include "app/FrontEnd.h"
#include "console/Console.h"
#include "platform/qt/ControlView.h"
#include "platform/qt/QtAtcClientLink.h"
#include "scenario/Fakes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <vector>

using namespace vellaro;

namespace {

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

double maximum(const std::vector<double>& v) {
    return v.empty() ? 0 : *std::max_element(v.begin(), v.end());
}

void pressKey(QWidget* w, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
}

void waitMs(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

// Posts a key to the widget every 10 ms and records how late each one arrives.
class KeyProbe : public QObject {
  public:
    explicit KeyProbe(QWidget* target) : target_(target) {
        target_->installEventFilter(this);
        timer_.setTimerType(Qt::PreciseTimer);
        connect(&timer_, &QTimer::timeout, this, [this] {
            posted_.push_back(clock_.nsecsElapsed());
            QApplication::postEvent(target_, new QKeyEvent(QEvent::KeyPress, Qt::Key_X,
                                                           Qt::NoModifier, QStringLiteral("x")));
        });
        clock_.start();
    }
    void run(int ms) {
        delays.clear();
        posted_.clear();
        timer_.start(10);
        waitMs(ms);
        timer_.stop();
        waitMs(20);
    }
    std::vector<double> delays;

  protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (o == target_ && e->type() == QEvent::KeyPress && delays.size() < posted_.size()) {
            delays.push_back(double(clock_.nsecsElapsed() - posted_[delays.size()]) / 1e6);
        }
        return false;
    }

  private:
    QWidget* target_;
    QTimer timer_;
    QElapsedTimer clock_;
    std::vector<qint64> posted_;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::atomic<bool> hang{false};
    testing::AtcStandIn server([&](const std::string& r) -> testing::AtcStandIn::Reply {
        if (r == "#SELTFC") {
            if (hang) {
                return {};
            }
            return {{"#SELTFC;DLH4AB;"}};
        }
        if (r == "#FP;DLH4AB") {
            return {{"#FP;DLH4AB;EDDT;EDDM;FL240;1200;A320;M;I;S;SDFGRWY;240;450;0230;0100;"
                     "SOGMI T204 ERSIL;"}};
        }
        return {{"@ERR;" + r + ";Unknown command"}};
    });

    QTemporaryDir dir;
    QFile services(dir.filePath(QStringLiteral("services.txt")));
    services.open(QIODevice::WriteOnly);
    services.write("atc-client=127.0.0.1:" + QByteArray::number(server.port()) + "\r\n");
    services.close();
    QFile airlines(dir.filePath(QStringLiteral("airlines.txt")));
    airlines.open(QIODevice::WriteOnly);
    airlines.write("DLH Lufthansa DLH\r\n");
    airlines.close();

    fake::Services s(dir.path());
    qt::QtAtcClientLink link;
    Platform platform{s.clipboard, s.http,  s.input,    s.messages, s.beeper,  s.launcher, s.screen,
                      s.clock,     s.clock, s.pictures, dir.path(), QString(), link};
    Console console(platform);
    qt::FrontEnd frontEnd(console);
    console.start();
    console.form1().setHeight(4965); // every row in view
    QElapsedTimer up;
    up.start();
    while (!console.atcClient().up() && up.elapsed() < 5000) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    if (!console.atcClient().up()) {
        std::fprintf(stderr, "the link did not come up\n");
        return 1;
    }
    waitMs(100);

    MainWindow& w = console.mainWindow();
    auto widget = [&](const Control& c) { return frontEnd.viewOf(c)->widget(); };
    auto* callsign = qobject_cast<QLineEdit*>(widget(w.Text7[1]));
    auto* destination = qobject_cast<QLineEdit*>(widget(w.Text8[1]));
    const QString wantCallsign = QStringLiteral("Lufthansa DLH4AB");
    const QString wantDestination = QStringLiteral("EDDM");

    constexpr int kRuns = 50;
    std::vector<double> f9;
    std::vector<double> typed;
    int wrong = 0;
    for (int i = 0; i < kRuns; ++i) {
        w.Text7[1].setText(QString());
        w.Text8[1].setText(QString());
        console.form1().setFocus(w.Text7[1]);
        waitMs(5);
        QElapsedTimer t;
        t.start();
        pressKey(callsign, Qt::Key_F9);
        f9.push_back(double(t.nsecsElapsed()) / 1e6);
        wrong += callsign->text() != wantCallsign || destination->text() != wantDestination;

        // The same row by hand: the callsign's keys, then the destination's.
        w.Text7[1].setText(QString());
        w.Text8[1].setText(QString());
        console.form1().setFocus(w.Text7[1]);
        waitMs(5);
        t.restart();
        for (const QChar c : QStringLiteral("DLH4AB")) {
            pressKey(callsign, c.unicode(), c);
        }
        console.form1().setFocus(w.Text8[1]);
        for (const QChar c : wantDestination) {
            pressKey(destination, c.unicode(), c);
        }
        typed.push_back(double(t.nsecsElapsed()) / 1e6);
        wrong += callsign->text() != wantCallsign || destination->text() != wantDestination;
    }

    // Keys into the remarks box of row 3, first with the link idle, then while F9
    // waits for an answer that never comes.
    KeyProbe probe(widget(w.Text11[3]));
    probe.run(450);
    const std::vector<double> idle = probe.delays;
    hang = true;
    console.form1().setFocus(w.Text7[1]);
    QTimer::singleShot(0, [&] { pressKey(callsign, Qt::Key_F9); });
    probe.run(450);
    const std::vector<double> waiting = probe.delays;

    std::printf("F9 to the filled row, real link to a stand-in on 127.0.0.1 (median of %d):\n",
                kRuns);
    std::printf("  F9 (#SELTFC, #FP, row typed)      %7.2f ms  (max %.2f)\n", median(f9),
                maximum(f9));
    std::printf("  the same row typed by keys        %7.2f ms  (max %.2f)\n", median(typed),
                maximum(typed));
    std::printf("  ratio F9 / typed                  %7.2f\n", median(f9) / median(typed));
    std::printf("  rows not filled as expected: %d\n", wrong);
    std::printf("Key latency, a key every 10 ms into the window:\n");
    std::printf("  link idle                         %7.2f ms  (max %.2f, %zu keys)\n",
                median(idle), maximum(idle), idle.size());
    std::printf("  a request waiting for its answer  %7.2f ms  (max %.2f, %zu keys)\n",
                median(waiting), maximum(waiting), waiting.size());
    std::printf("  ratio waiting / idle (median)     %7.2f\n", median(waiting) / median(idle));
    waitMs(600);
    console.close();
    return wrong == 0 ? 0 : 1;
}
