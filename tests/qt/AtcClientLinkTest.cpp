// The link to the ATC client over a real socket, against a stand-in on 127.0.0.1.
#include "../support/AtcStandIn.h"

#include "console/Console.h"
#include "platform/qt/QtAtcClientLink.h"
#include "scenario/Fakes.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace vellaro;
using vellaro::testing::AtcStandIn;

namespace {

AtcStandIn::Reply lines(std::vector<std::string> l) {
    return {std::move(l), false};
}

// A short retry, so a test sees the link come back without waiting ten seconds.
constexpr int kRetryMs = 200;

class AtcLink : public ::testing::Test {
  protected:
    void connectTo(const AtcStandIn& server) {
        const auto port = quint16(server.port());
        link.onConnectedChanged = [this](bool up) { changes.push_back(up); };
        link.start([port] { return AtcClientLink::Endpoint{QStringLiteral("127.0.0.1"), port}; });
        ASSERT_TRUE(QTest::qWaitFor([&] { return link.connected(); }, 5000));
    }

    qt::QtAtcClientLink link{AtcClientLink::kAnswerTimeoutMs, kRetryMs};
    std::vector<bool> changes;
};

} // namespace

TEST_F(AtcLink, SkipsTheClientsOwnNoticesUntilTheAnswerComes) {
    AtcStandIn server([](const std::string& r) {
        if (r == "#SELTFC") {
            // An intercom notice and an answer to some other command come first.
            return lines({"#INTERCOM;EDDT_TWR;EDBB_APP", "#TR;BER123", "@ERR;#FP;X;Unknown command",
                          "#SELTFC;DLH4AB;"});
        }
        return lines({"@ERR;" + r + ";Unknown command"});
    });
    connectTo(server);
    EXPECT_EQ(link.request(QStringLiteral("#SELTFC")), QStringLiteral("#SELTFC;DLH4AB;"));
    // An error answer is an answer too: the console reads its message.
    EXPECT_EQ(link.request(QStringLiteral("#FP"), {QStringLiteral("XYZ")}),
              QStringLiteral("@ERR;#FP;XYZ;Unknown command"));
    EXPECT_EQ(server.requests(), (std::vector<std::string>{"#SELTFC", "#FP;XYZ"}));
    QTest::qWait(50);
    EXPECT_EQ(changes, std::vector<bool>{true});
}

TEST_F(AtcLink, RefusesAnArgumentThatWouldBreakTheLineBeforeSendingIt) {
    AtcStandIn server([](const std::string& r) { return lines({r + ";1"}); });
    connectTo(server);
    EXPECT_FALSE(link.request(QStringLiteral("#FP"), {QStringLiteral("DLH;4AB")}));
    EXPECT_FALSE(link.request(QStringLiteral("#FP"), {QStringLiteral("DLH\r\n#CONN")}));
    EXPECT_FALSE(link.request(QStringLiteral("#FP"), {QString::fromUtf8("DLHÄ")}));
    EXPECT_FALSE(link.request(QStringLiteral("#LBSQK"), {QStringLiteral("DLH4AB"), QString()}));
    EXPECT_EQ(link.request(QStringLiteral("#TRSQK"), {QStringLiteral("DLH4AB")}),
              QStringLiteral("#TRSQK;DLH4AB;1"));
    EXPECT_EQ(server.requests(), std::vector<std::string>{"#TRSQK;DLH4AB"});
    EXPECT_TRUE(link.connected());
}

TEST_F(AtcLink, AnAnswerThatNeverComesKeepsTheWindowLiveAndRemakesTheConnection) {
    AtcStandIn server([](const std::string& r) {
        return r == "#TR" ? AtcStandIn::Reply{} : lines({r + ";EDDT_TWR"});
    });
    connectTo(server);
    // Stands for the window: its events must keep coming while the request waits.
    int ticks = 0;
    QTimer other;
    QObject::connect(&other, &QTimer::timeout, [&] { ++ticks; });
    other.start(10);
    // A second request while one waits is refused, not queued behind it.
    std::optional<QString> nested = QStringLiteral("untouched");
    QTimer::singleShot(100, [&] { nested = link.request(QStringLiteral("#CONN")); });
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(link.request(QStringLiteral("#TR")));
    const qint64 waited = clock.elapsed();
    EXPECT_GE(waited, AtcClientLink::kAnswerTimeoutMs - 20);
    EXPECT_LT(waited, AtcClientLink::kAnswerTimeoutMs + 300);
    EXPECT_GT(ticks, 20) << "the wait blocked other events";
    EXPECT_EQ(nested, std::nullopt);
    // Dropped, then connected again at once, not after the retry interval.
    EXPECT_FALSE(link.connected());
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.connections() == 2 && link.connected(); },
                                kRetryMs / 2 + 200));
    EXPECT_EQ(link.request(QStringLiteral("#CONN")), QStringLiteral("#CONN;EDDT_TWR"));
}

TEST_F(AtcLink, AClientThatClosesTakesTheLinkDownUntilItListensAgain) {
    AtcStandIn server([](const std::string& r) {
        return r == "#SELTFC" ? AtcStandIn::Reply{{}, true} : lines({r + ";EDDT_TWR"});
    });
    connectTo(server);
    EXPECT_FALSE(link.request(QStringLiteral("#SELTFC")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return changes.size() >= 2; }, 1000));
    EXPECT_FALSE(changes[1]);
    // The retry brings it back.
    ASSERT_TRUE(QTest::qWaitFor([&] { return link.connected(); }, kRetryMs * 5));
    EXPECT_EQ(link.request(QStringLiteral("#CONN")), QStringLiteral("#CONN;EDDT_TWR"));
    server.dropAll();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !link.connected(); }, 1000));
}

TEST_F(AtcLink, NoClientNoLinkAndNothingWaits) {
    // Bound and closed again: nobody listens there.
    quint16 port = 0;
    {
        AtcStandIn gone([](const std::string&) { return AtcStandIn::Reply{}; });
        port = quint16(gone.port());
    }
    int attempts = 0;
    link.start([&] {
        ++attempts;
        return AtcClientLink::Endpoint{QStringLiteral("127.0.0.1"), port};
    });
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(link.request(QStringLiteral("#CONN")));
    EXPECT_LT(clock.elapsed(), 50);
    QTest::qWait(kRetryMs * 3);
    EXPECT_FALSE(link.connected());
    EXPECT_GE(attempts, 3);
}

TEST_F(AtcLink, SwitchedOffItNeverConnects) {
    AtcStandIn server([](const std::string& r) { return lines({r}); });
    std::optional<AtcClientLink::Endpoint> where;
    link.start([&] { return where; });
    QTest::qWait(kRetryMs * 2);
    EXPECT_EQ(server.connections(), 0);
    // Switched on: the next attempt connects.
    where = AtcClientLink::Endpoint{QStringLiteral("127.0.0.1"), quint16(server.port())};
    ASSERT_TRUE(QTest::qWaitFor([&] { return link.connected(); }, kRetryMs * 5));
    // Switched off again: the next request drops the link instead of using it.
    where.reset();
    EXPECT_FALSE(link.request(QStringLiteral("#CONN")));
    EXPECT_FALSE(link.connected());
    EXPECT_TRUE(server.requests().empty());
}

// The console over the real link: F9 in a callsign box fills the row.
TEST(AtcLinkConsole, F9FillsTheRowFromTheSelectedTarget) {
    AtcStandIn server([](const std::string& r) {
        if (r == "#SELTFC") {
            return lines({"#SELTFC;DLH4AB;"});
        }
        if (r == "#FP;DLH4AB") {
            return lines({"#FP;DLH4AB;EDDT;EDDM;FL240;1200;A320;M;I;S;SDFGRWY;240;450;0230;0100;"
                          "SOGMI T204 ERSIL;"});
        }
        return lines({"@ERR;" + r + ";Unknown command"});
    });
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("services.txt")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("atc-client=127.0.0.1:" + QByteArray::number(server.port()) + "\r\n");
    f.close();
    QFile airlines(dir.filePath(QStringLiteral("airlines.txt")));
    ASSERT_TRUE(airlines.open(QIODevice::WriteOnly));
    airlines.write("DLH Lufthansa DLH\r\n");
    airlines.close();

    fake::Services s(dir.path());
    qt::QtAtcClientLink link;
    Platform platform{s.clipboard, s.http,  s.input,    s.messages, s.beeper,  s.launcher, s.screen,
                      s.clock,     s.clock, s.pictures, dir.path(), QString(), link};
    Console c(platform);
    c.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return c.atcClient().up(); }, 5000));
    QTest::qWait(50); // the connect's own requests
    TextBox& callsign = c.mainWindow().Text7[2];
    c.form1().setFocus(callsign);
    callsign.userKeyDown(120);
    EXPECT_EQ(callsign.text(), QStringLiteral("Lufthansa DLH4AB"));
    EXPECT_EQ(c.mainWindow().Text8[2].text(), QStringLiteral("EDDM"));
    c.close();
}
