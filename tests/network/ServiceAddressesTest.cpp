#include "network/ServiceAddresses.h"
#include "console/Console.h"
#include "scenario/Fakes.h"

#include <QTemporaryDir>
#include <QUrl>
#include <QUrlQuery>

#include <gtest/gtest.h>

using namespace vellaro;
using S = ServiceAddresses::Service;

namespace {

class ServiceAddressesTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    fake::Services s{dir.path()};
    Console c{s.platform};

    void writeServices(const QByteArray& bytes) {
        QFile f(dir.filePath(QStringLiteral("services.txt")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QString url(S service, const QString& value = {}) { return c.services().url(service, value); }
};

} // namespace

TEST_F(ServiceAddressesTest, BuiltInAddressesUseTheServicesPathsAndKeys) {
    const QUrl ivao(url(S::IvaoMetar, QStringLiteral("EDDT")));
    EXPECT_EQ(ivao.path(), QStringLiteral("/metar.php"));
    EXPECT_EQ(QUrlQuery(ivao).queryItemValue(QStringLiteral("id")), QStringLiteral("EDDT"));

    const QUrl noaa(url(S::NoaaMetar, QStringLiteral("EDDI")));
    EXPECT_EQ(noaa.path(), QStringLiteral("/cgi-bin/mgetmetar.pl"));
    EXPECT_EQ(QUrlQuery(noaa).queryItemValue(QStringLiteral("cccc")), QStringLiteral("EDDI"));

    const QUrl net(url(S::IvaoNetworkMetar, QStringLiteral("EDDB")));
    EXPECT_EQ(net.path(), QStringLiteral("/network/metar.asp"));
    EXPECT_EQ(QUrlQuery(net).queryItemValue(QStringLiteral("id")), QStringLiteral("EDDB"));

    const QUrl wz(url(S::Whazzup));
    const QUrl fallback(url(S::WhazzupFallback));
    EXPECT_EQ(wz.path(), QStringLiteral("/whazzup.txt"));
    EXPECT_EQ(fallback.path(), QStringLiteral("/whazzup.cgi"));
    EXPECT_EQ(wz.host(), fallback.host()); // the fallback lives on the same host
    EXPECT_TRUE(url(S::Update).endsWith(QStringLiteral("/upd.txt")));
    EXPECT_TRUE(url(S::PublicAddress).endsWith(QStringLiteral("/ip.php3")));
    for (S sv : {S::IvaoMetar, S::NoaaMetar, S::IvaoNetworkMetar, S::Whazzup, S::WhazzupFallback,
                 S::Update, S::PublicAddress}) {
        EXPECT_EQ(QUrl(url(sv, QStringLiteral("EDDT"))).scheme(), QStringLiteral("http"));
        EXPECT_EQ(QUrl(url(sv, QStringLiteral("EDDT"))).port(-1), -1); // port 80
    }
}

TEST_F(ServiceAddressesTest, QueryValueCannotInjectAParameter) {
    const QUrl u(url(S::IvaoMetar, QStringLiteral("ED&x=1 ?#")));
    const QUrlQuery q(u);
    EXPECT_EQ(q.queryItems().size(), 1);
    EXPECT_TRUE(u.fragment().isEmpty());
    EXPECT_TRUE(url(S::IvaoMetar, QStringLiteral("ED&x=1 ?#"))
                    .endsWith(QStringLiteral("id=ED%26x%3D1%20%3F%23")));
    EXPECT_TRUE(url(S::NoaaMetar, QStringLiteral("Ö")).endsWith(QStringLiteral("cccc=%C3%96")));
}

TEST_F(ServiceAddressesTest, ServicesFileReplacesNamedTemplates) {
    writeServices("ivao-metar=http://127.0.0.1:8080/m?station={icao}&x=1\r\n"
                  "  NOAA-Metar = http://noaa.test/{icao}.txt  \r\n"
                  "public-address=http://ip.test/\r\n");
    EXPECT_EQ(url(S::IvaoMetar, QStringLiteral("EDDT")),
              QStringLiteral("http://127.0.0.1:8080/m?station=EDDT&x=1"));
    EXPECT_EQ(url(S::NoaaMetar, QStringLiteral("E D")),
              QStringLiteral("http://noaa.test/E%20D.txt"));
    EXPECT_EQ(url(S::PublicAddress), QStringLiteral("http://ip.test/"));
    // Services the file does not name keep their built-in address.
    EXPECT_EQ(url(S::Whazzup), ServiceAddresses::builtinTemplate(S::Whazzup));
}

TEST_F(ServiceAddressesTest, MalformedAndUnknownLinesAreIgnored) {
    writeServices("# my servers\r"
                  "whazzup\r"
                  "=http://nameless.test/\r"
                  "whazup=http://typo.test/\r"
                  "update=\r"
                  "update=ftp://files.test/upd.txt\r"
                  "update=C:\\upd.txt\r"
                  "whazzup-fallback=http://first.test/w.cgi\r"
                  "whazzup-fallback=http://second.test/w.cgi\r"
                  "\r");
    EXPECT_EQ(url(S::Whazzup), ServiceAddresses::builtinTemplate(S::Whazzup));
    EXPECT_EQ(url(S::Update), ServiceAddresses::builtinTemplate(S::Update));
    EXPECT_EQ(url(S::WhazzupFallback), QStringLiteral("http://second.test/w.cgi"));
}

TEST_F(ServiceAddressesTest, FileIsReadOnEveryUseAndNeverCreated) {
    EXPECT_EQ(url(S::IvaoMetar, QStringLiteral("EDDT")),
              QStringLiteral("http://wx.ivao.aero/metar.php?id=EDDT"));
    EXPECT_FALSE(c.files().exists(QStringLiteral("services.txt")));
    writeServices("ivao-metar=http://local.test/{icao}\n");
    EXPECT_EQ(url(S::IvaoMetar, QStringLiteral("EDDT")), QStringLiteral("http://local.test/EDDT"));
    EXPECT_TRUE(s.messages.shown().isEmpty());
}

TEST_F(ServiceAddressesTest, LiveTableReachesTodaysServicesWithTheirAnswerForms) {
    using F = ServiceAddresses::AnswerForm;
    const auto live = [](S sv) {
        return ServiceAddresses::builtin(ServiceAddresses::Table::Live, sv);
    };
    // IVAO's weather service is gone: all three weather services read the real world's.
    for (S weather : {S::IvaoMetar, S::NoaaMetar, S::IvaoNetworkMetar}) {
        EXPECT_EQ(
            live(weather).urlTemplate,
            QStringLiteral("https://aviationweather.gov/api/data/metar?ids={icao}&format=raw"));
        EXPECT_EQ(live(weather).form, F::RawMetars);
    }
    EXPECT_EQ(live(S::Whazzup).urlTemplate,
              QStringLiteral("https://api.ivao.aero/v2/tracker/whazzup"));
    EXPECT_EQ(live(S::Whazzup).form, F::JsonFeed);
    EXPECT_EQ(live(S::PublicAddress).urlTemplate, QStringLiteral("https://api.ipify.org"));
    // No update server of ours exists today.
    EXPECT_EQ(live(S::Update).urlTemplate, QString());
    // The classic table reads every answer as it comes.
    for (S sv : {S::IvaoMetar, S::NoaaMetar, S::Whazzup, S::PublicAddress}) {
        EXPECT_EQ(ServiceAddresses::builtin(ServiceAddresses::Table::Classic, sv).form, F::Text);
    }
}

TEST_F(ServiceAddressesTest, ServicesFileMayNameTheFormOfAMirror) {
    using F = ServiceAddresses::AnswerForm;
    writeServices("whazzup=http://mirror.test/feed.json json\r\n"
                  "noaa-metar=http://mirror.test/raw?ids={icao} RAW\r\n"
                  "ivao-metar=http://mirror.test/m?id={icao} yaml\r\n");
    EXPECT_EQ(c.services().address(S::Whazzup).form, F::JsonFeed);
    EXPECT_EQ(c.services().address(S::NoaaMetar).form, F::RawMetars);
    // An unknown form keeps the built-in one, the address is still taken.
    EXPECT_EQ(c.services().address(S::IvaoMetar).form, F::Text);
    EXPECT_EQ(url(S::IvaoMetar, QStringLiteral("EDDT")),
              QStringLiteral("http://mirror.test/m?id=EDDT"));

    // On the live table a plain address keeps the live form.
    c.setServiceTable(ServiceAddresses::Table::Live);
    writeServices("whazzup=http://mirror.test/feed.json\r\n");
    EXPECT_EQ(c.services().address(S::Whazzup).form, F::JsonFeed);
    writeServices("whazzup=http://mirror.test/whazzup.txt text\r\n");
    EXPECT_EQ(c.services().address(S::Whazzup).form, F::Text);
}

TEST_F(ServiceAddressesTest, TheClientIsOnItsOwnPortUnlessServicesTxtSaysOtherwise) {
    EXPECT_EQ(c.services().atcClientEndpoint(),
              (AtcClientLink::Endpoint{QStringLiteral("127.0.0.1"), 1130}));
    writeServices("atc-client=192.168.1.20:4001\r\n");
    EXPECT_EQ(c.services().atcClientEndpoint(),
              (AtcClientLink::Endpoint{QStringLiteral("192.168.1.20"), 4001}));
    writeServices("atc-client = [::1]:1131\r\n");
    EXPECT_EQ(c.services().atcClientEndpoint(),
              (AtcClientLink::Endpoint{QStringLiteral("::1"), 1131}));
    writeServices("atc-client=127.0.0.1:4001\r\natc-client=off\r\n");
    EXPECT_EQ(c.services().atcClientEndpoint(), std::nullopt);
    // Lines that name no place are passed over.
    writeServices("atc-client=off\r\natc-client=127.0.0.1\r\natc-client=:80\r\n"
                  "atc-client=host:70000\r\natc-client=host:x\r\n");
    EXPECT_EQ(c.services().atcClientEndpoint(), std::nullopt);
}

TEST_F(ServiceAddressesTest, TheFeedsAreaComesFromServicesTxtAtEveryRead) {
    auto area = c.services().squawkArea();
    EXPECT_EQ(area.latitude, 52.36);
    EXPECT_EQ(area.longitude, 13.50);
    EXPECT_EQ(area.rangeNm, 300);
    writeServices("squawk-centre=48.35 11.78\r\nsquawk-range=120.5\r\n");
    area = c.services().squawkArea();
    EXPECT_EQ(area.latitude, 48.35);
    EXPECT_EQ(area.longitude, 11.78);
    EXPECT_EQ(area.rangeNm, 120.5);
    writeServices(
        "squawk-centre=91 0\r\nsquawk-centre=52\r\nsquawk-range=-5\r\nsquawk-range=0\r\n");
    area = c.services().squawkArea();
    EXPECT_EQ(area.latitude, 52.36);
    EXPECT_EQ(area.rangeNm, 0);
}
