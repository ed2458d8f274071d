#include "LocalHttpServer.h"

#include "console/Console.h"
#include "platform/qt/QtHttpService.h"
#include "scenario/Fakes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace vellaro;
using vellaro::qt::QtHttpService;
using vellaro::testing::LocalHttpServer;

namespace {

const QByteArray kTegel = "EDDT 121250Z 27010KT 9999 FEW030 18/12 Q1013 NOSIG";

void answer(const QByteArray& path, const LocalHttpServer::Connection& c) {
    using R = LocalHttpServer;
    if (path.startsWith("/metar") || path == "/ok") {
        c.send(R::response("200 OK", "<html><pre>" + kTegel + "\r\n</pre></html>", "text/html"));
    } else if (path == "/404") {
        c.send(R::response("404 Not Found", "EDDT 121250Z not here"));
    } else if (path == "/500") {
        c.send(R::response("500 Internal Server Error", "EDDT oops"));
    } else if (path == "/silent") {
        c.holdOpen();
    } else if (path == "/slow") {
        c.send("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nConnection: close\r\n\r\n");
        while (c.send("x")) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    } else if (path == "/big" || path == "/big-unannounced") {
        QByteArray head = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n";
        if (path == "/big") {
            head += "Content-Length: " + QByteArray::number(60 << 20) + "\r\n";
        }
        c.send(head + "Connection: close\r\n\r\n");
        const QByteArray chunk(qsizetype(64) * 1024, 'x');
        for (int i = 0; i < 60 * 16 && c.send(chunk); ++i) {
        }
    } else if (path == "/garbage") {
        c.send(QByteArray("\x01\x02 this is not HTTP at all \xff\xfe\r\n\r\n", 33));
    } else if (path == "/latin1") {
        c.send(R::response("200 OK", "Sch\xf6nefeld", "text/plain; charset=ISO-8859-1"));
    } else if (path == "/utf8") {
        c.send(R::response("200 OK", "Sch\xc3\xb6nefeld", "text/html; charset=\"utf-8\""));
    } else if (path == "/plain") {
        c.send(R::response("200 OK", "Preis 5 \x80", "text/plain"));
    } else if (path.startsWith("/redirect/")) {
        const int n = path.mid(10).toInt();
        const QByteArray to = n > 0 ? "/redirect/" + QByteArray::number(n - 1) : "/ok";
        c.send("HTTP/1.1 302 Found\r\nLocation: " + to +
               "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
    } else {
        c.send(R::response("404 Not Found", ""));
    }
}

class QtHttp : public ::testing::Test {
  protected:
    LocalHttpServer server{answer};
    QString url(const QByteArray& path) const { return QString::fromLatin1(server.url(path)); }
};

} // namespace

TEST_F(QtHttp, NormalAnswerIsTheWholeBody) {
    QtHttpService http(2000);
    EXPECT_FALSE(http.busy());
    EXPECT_EQ(http.get(url("/ok")), QStringLiteral("<html><pre>") + QString::fromLatin1(kTegel) +
                                        QStringLiteral("\r\n</pre></html>"));
    EXPECT_FALSE(http.busy());
    // Asked again: a fresh download, nothing cached.
    EXPECT_FALSE(http.get(url("/ok")).isEmpty());
    EXPECT_EQ(server.paths(), (QStringList{QStringLiteral("/ok"), QStringLiteral("/ok")}));
}

TEST_F(QtHttp, ErrorStatusesRefusalAndGarbageGiveEmptyText) {
    QtHttpService http(2000);
    EXPECT_EQ(http.get(url("/404")), QString());
    EXPECT_EQ(http.get(url("/500")), QString());
    EXPECT_EQ(http.get(url("/garbage")), QString());
    EXPECT_EQ(http.get(QStringLiteral("http://127.0.0.1:%1/ok").arg(LocalHttpServer::closedPort())),
              QString());
    EXPECT_EQ(http.get(QStringLiteral("not a url at all")), QString());
    EXPECT_EQ(http.get(QStringLiteral("file:///etc/hostname")), QString());
    EXPECT_FALSE(http.busy());
}

TEST_F(QtHttp, BodyIsDecodedByItsCharsetElseAsWindows1252) {
    QtHttpService http(2000);
    EXPECT_EQ(http.get(url("/latin1")), QStringLiteral("Schönefeld"));
    EXPECT_EQ(http.get(url("/utf8")), QStringLiteral("Schönefeld"));
    EXPECT_EQ(http.get(url("/plain")), QStringLiteral("Preis 5 €"));
}

TEST_F(QtHttp, FollowsAFewRedirectsButNotEndlessly) {
    QtHttpService http(5000);
    EXPECT_TRUE(http.get(url("/redirect/2")).contains(QString::fromLatin1(kTegel)));
    EXPECT_EQ(http.get(url("/redirect/30")), QString());
}

TEST_F(QtHttp, SilentServerTimesOutWhileTimersKeepFiring) {
    QtHttpService http(1000);
    int ticks = 0;
    int busyTicks = 0;
    QTimer timer;
    timer.setInterval(50);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++ticks;
        busyTicks += http.busy() ? 1 : 0;
    });
    timer.start();
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(http.get(url("/silent")), QString());
    const qint64 took = clock.elapsed();
    EXPECT_GE(took, 900);
    EXPECT_LT(took, 4000);
    EXPECT_GE(ticks, 10);
    EXPECT_EQ(busyTicks, ticks);
    EXPECT_FALSE(http.busy());
}

TEST_F(QtHttp, TricklingServerIsCutOffAtTheTimeout) {
    QtHttpService http(1000);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(http.get(url("/slow")), QString());
    EXPECT_LT(clock.elapsed(), 4000);
}

TEST_F(QtHttp, HugeBodiesAreRefusedQuickly) {
    QtHttpService http(20000);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(http.get(url("/big")), QString());
    EXPECT_EQ(http.get(url("/big-unannounced")), QString());
    EXPECT_LT(clock.elapsed(), 15000);
    // A body under the cap still comes through.
    QtHttpService small(2000, 10);
    EXPECT_EQ(small.get(url("/404")), QString());
    EXPECT_EQ(small.get(url("/latin1")), QStringLiteral("Schönefeld"));
    EXPECT_EQ(small.get(url("/ok")), QString());
}

TEST_F(QtHttp, SecondGetWhileOneWaitsWorks) {
    QtHttpService http(1500);
    QString inner;
    bool busyInside = false;
    QTimer::singleShot(100, [&] {
        busyInside = http.busy();
        inner = http.get(url("/ok"));
    });
    EXPECT_EQ(http.get(url("/silent")), QString());
    EXPECT_TRUE(busyInside);
    EXPECT_TRUE(inner.contains(QString::fromLatin1(kTegel)));
    EXPECT_FALSE(http.busy());
}

TEST_F(QtHttp, WholeRetrievalOfTheConsole) {
    QTemporaryDir dir;
    fake::Services s(dir.path());
    QFile services(dir.filePath(QStringLiteral("services.txt")));
    ASSERT_TRUE(services.open(QIODevice::WriteOnly));
    services.write("ivao-metar=" + server.url("/metar?id={icao}") + "\r\n");
    services.close();
    QFile rwy(dir.filePath(QStringLiteral("rwy.txt")));
    ASSERT_TRUE(rwy.open(QIODevice::WriteOnly));
    rwy.write("EDDT 08L 08R\r\nEDDT 26R 26L\r\n");
    rwy.close();

    QtHttpService http(5000);
    Platform platform{s.clipboard, http,    s.input,    s.messages, s.beeper,  s.launcher, s.screen,
                      s.clock,     s.clock, s.pictures, dir.path(), QString(), s.atcClient};
    Console c(platform);
    c.start();
    s.clock.advance(500); // the first retrieval, over the wire
    Form& f = c.form1();
    EXPECT_EQ(server.paths(), QStringList{QStringLiteral("/metar?id=EDDT")});
    EXPECT_EQ(f.text(QStringLiteral("Text1")).text(), QStringLiteral("270"));
    EXPECT_EQ(f.text(QStringLiteral("Text2")).text(), QStringLiteral("10"));
    EXPECT_EQ(f.text(QStringLiteral("Text3")).text(), QStringLiteral("1013"));
    EXPECT_EQ(f.text(QStringLiteral("Text4")).text(), QStringLiteral("26R"));
    EXPECT_EQ(f.text(QStringLiteral("Text5")).text(), QStringLiteral("26L"));
    EXPECT_EQ(f.text(QStringLiteral("Text6")).text(), QStringLiteral("12:50"));
    EXPECT_EQ(f.text(QStringLiteral("Text18")).text(), QStringLiteral("A"));
    EXPECT_EQ(f.label(QStringLiteral("Label16")).caption(),
              QString::fromLatin1(kTegel) + QStringLiteral("\r\n</pre></html>"));
    EXPECT_EQ(s.beeper.count(), 1);
    EXPECT_FALSE(http.busy());

    // The station box with a blank and an ampersand goes out encoded, as one value.
    f.text(QStringLiteral("Text6")).setText(QStringLiteral("E&D "));
    f.button(QStringLiteral("Command40")).userClick();
    EXPECT_EQ(server.paths().last(), QStringLiteral("/metar?id=E%26D%20"));
    EXPECT_EQ(f.text(QStringLiteral("Text6")).text(), QStringLiteral("Load"));
}

TEST_F(QtHttp, NetworkLookupsOverTheWire) {
    // The first address answers with an error page, the fallback with the status file.
    const QByteArray status = "!GENERAL\r\n!CLIENTS\r\n"
                              "EDDT_TWR:1:Jan Tester:ATC:124.525:\r\n"
                              "CFG440:2:Pilot:PILOT::::::::EDDT:F350:LEPA:" +
                              QByteArray(15, ':') + "RMK/TCAS:MAREK UN871:\r\n";
    LocalHttpServer net([&status](const QByteArray& path, const LocalHttpServer::Connection& c) {
        using R = LocalHttpServer;
        if (path == "/whazzup.cgi") {
            c.send(R::response("200 OK", status));
        } else if (path == "/upd.txt") {
            c.send(R::response("200 OK", "V7.9\r\n"));
        } else {
            c.send(R::response("404 Not Found", "<html>gone</html>", "text/html"));
        }
    });
    QTemporaryDir dir;
    fake::Services s(dir.path());
    QFile services(dir.filePath(QStringLiteral("services.txt")));
    ASSERT_TRUE(services.open(QIODevice::WriteOnly));
    services.write("whazzup=" + net.url("/whazzup.txt") + "\r\nwhazzup-fallback=" +
                   net.url("/whazzup.cgi") + "\r\nupdate=" + net.url("/upd.txt") + "\r\n");
    services.close();
    QFile control(dir.filePath(QStringLiteral("control.txt")));
    ASSERT_TRUE(control.open(QIODevice::WriteOnly));
    control.write("EDDT_TWR\r\n");
    control.close();

    QtHttpService http(5000);
    Platform platform{s.clipboard, http,    s.input,    s.messages, s.beeper,  s.launcher, s.screen,
                      s.clock,     s.clock, s.pictures, dir.path(), QString(), s.atcClient};
    Console c(platform);
    c.start();
    Form& f = c.form1();
    f.button(QStringLiteral("Command3")).userClick();
    EXPECT_EQ(f.text(QStringLiteral("Text21")).text(),
              QStringLiteral("EDDT_TWR - Jan Tester - 124.525\r\n"));
    EXPECT_EQ(net.paths(), QStringList({"/whazzup.txt", "/whazzup.cgi"}));

    f.check(QStringLiteral("Check2")).userClick();
    TextBox& callsign = f.text(QStringLiteral("Text7"), 2);
    f.setFocus(callsign);
    callsign.userSetText(QStringLiteral("Condor CFG440"), 13);
    f.setFocus(f.text(QStringLiteral("Text8"), 2));
    EXPECT_EQ(f.text(QStringLiteral("Text8"), 2).text(), QStringLiteral("LEPA"));
    EXPECT_EQ(f.focused(), &f.text(QStringLiteral("Text9"), 2));
    EXPECT_EQ(f.text(QStringLiteral("Text16")).text(), QStringLiteral("MAREK UN871:\r\nRMK/TCAS:"));
    EXPECT_EQ(f.text(QStringLiteral("Text17")).text(), QStringLiteral("EDDT"));

    f.button(QStringLiteral("Command4")).userClick();
    EXPECT_EQ(f.text(QStringLiteral("Text22")).text(),
              QStringLiteral("Ja, das Update V7.9 liegt vor !!!"));
    EXPECT_FALSE(http.busy());
}
