#include "network/AnswerAdapters.h"
#include "network/ServiceAddresses.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <gtest/gtest.h>

using namespace vellaro;

namespace {

QStringList recordLines(const QString& text) {
    QStringList lines = text.split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.takeLast(), QString()); // every record ends with CR LF
    return lines;
}

QStringList fields(const QString& line) {
    return line.split(QLatin1Char(':'));
}

QJsonObject pilot(const QString& callsign, int userId, const QJsonObject& plan) {
    QJsonObject p{{QStringLiteral("callsign"), callsign}, {QStringLiteral("userId"), userId}};
    if (!plan.isEmpty()) {
        p.insert(QStringLiteral("flightPlan"), plan);
    }
    return p;
}

QString feed(const QJsonArray& atcs, const QJsonArray& pilots) {
    QJsonObject clients{{QStringLiteral("atcs"), atcs}, {QStringLiteral("pilots"), pilots}};
    return QString::fromUtf8(
        QJsonDocument(QJsonObject{{QStringLiteral("clients"), clients}}).toJson());
}

} // namespace

TEST(NoaaRawList, TakesTheStationsLineAsTheOldPageShowedIt) {
    const QString body = QStringLiteral("METAR EDDB 091220Z 24012KT 9999 FEW030 05/01 Q1012\n"
                                        "SPECI EDDT 091235Z 25015G25KT 4000 RA BKN008 06/05 Q1011\n"
                                        "EDDI 091220Z 24010KT CAVOK 06/00 Q1012\n");
    EXPECT_EQ(noaaPageFromRawList(body, QStringLiteral("EDDT")),
              QStringLiteral("EDDT 091235Z 25015G25KT 4000 RA BKN008 06/05 Q1011<BR>"));
    EXPECT_EQ(noaaPageFromRawList(body, QStringLiteral("EDDI")),
              QStringLiteral("EDDI 091220Z 24010KT CAVOK 06/00 Q1012<BR>"));
    EXPECT_EQ(noaaPageFromRawList(body, QStringLiteral("eddb")),
              QStringLiteral("EDDB 091220Z 24012KT 9999 FEW030 05/01 Q1012<BR>"));
    // The old page's cut gives back the bare report.
    EXPECT_EQ(ServiceAddresses::cutNoaaReport(noaaPageFromRawList(body, QStringLiteral("EDDT")),
                                              QStringLiteral("EDDT")),
              QStringLiteral("EDDT 091235Z 25015G25KT 4000 RA BKN008 06/05 Q1011"));
}

TEST(NoaaRawList, AnythingButTheStationsReportGivesNothing) {
    const QString body =
        QStringLiteral("METAR EDDTX 091220Z 24012KT Q1012\r\nEDDB 091220Z Q1012\r\n");
    // A code that only begins like the station is another station.
    EXPECT_EQ(noaaPageFromRawList(body, QStringLiteral("EDDT")), QString());
    EXPECT_EQ(noaaPageFromRawList(QString(), QStringLiteral("EDDT")), QString());
    EXPECT_EQ(noaaPageFromRawList(body, QString()), QString());
    const QString html = QStringLiteral("<html><head><title>502 Bad Gateway</title></head>\n"
                                        "<body>EDDT is not here</body></html>");
    EXPECT_EQ(noaaPageFromRawList(html, QStringLiteral("EDDT")), QString());
}

TEST(JsonFeed, ControllersFirstThenPilotsEachWithTheClassicFieldsInPlace) {
    const QJsonArray atcs{QJsonObject{
        {QStringLiteral("callsign"), QStringLiteral("EDDT_TWR")},
        {QStringLiteral("userId"), 123456},
        {QStringLiteral("atcSession"), QJsonObject{{QStringLiteral("frequency"), 124.525}}}}};
    const QJsonArray pilots{
        pilot(QStringLiteral("DLH123"), 555001,
              QJsonObject{{QStringLiteral("departureId"), QStringLiteral("EDDT")},
                          {QStringLiteral("arrivalId"), QStringLiteral("EDDF")},
                          {QStringLiteral("level"), QStringLiteral("F350")},
                          {QStringLiteral("alternativeId"), QStringLiteral("EDDK")},
                          {QStringLiteral("route"), QStringLiteral("RKT UL132 DOMUX")},
                          {QStringLiteral("remarks"), QStringLiteral("PBN/A1B1 RMK/TCAS")}}),
        pilot(QStringLiteral("BER2"), 42, {})};
    const QStringList lines = recordLines(whazzupTextFromJson(feed(atcs, pilots)));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], QStringLiteral("!GENERAL"));
    EXPECT_EQ(lines[1], QStringLiteral("!CLIENTS"));

    const QStringList atc = fields(lines[2]);
    ASSERT_EQ(atc.size(), 49);
    EXPECT_EQ(atc[0], QStringLiteral("EDDT_TWR"));
    EXPECT_EQ(atc[1], QStringLiteral("123456"));
    EXPECT_EQ(atc[2], QStringLiteral("123456"));
    EXPECT_EQ(atc[3], QStringLiteral("ATC"));
    EXPECT_EQ(atc[4], QStringLiteral("124.525"));

    const QStringList dlh = fields(lines[3]);
    ASSERT_EQ(dlh.size(), 49);
    EXPECT_EQ(dlh[0], QStringLiteral("DLH123"));
    EXPECT_EQ(dlh[3], QStringLiteral("PILOT"));
    EXPECT_EQ(dlh[4], QString());
    EXPECT_EQ(dlh[11], QStringLiteral("EDDT"));
    EXPECT_EQ(dlh[12], QStringLiteral("F350"));
    EXPECT_EQ(dlh[13], QStringLiteral("EDDF"));
    EXPECT_EQ(dlh[28], QStringLiteral("EDDK"));
    // A colon in a value becomes a blank, so the route stays field 31.
    EXPECT_EQ(dlh[29], QStringLiteral("PBN/A1B1 RMK/TCAS"));
    EXPECT_EQ(dlh[30], QStringLiteral("RKT UL132 DOMUX"));

    // No flight plan: fields 12 to 31 stay empty.
    const QStringList ber = fields(lines[4]);
    ASSERT_EQ(ber.size(), 49);
    EXPECT_EQ(ber[1], QStringLiteral("42"));
    for (int f = 11; f < 31; ++f) {
        EXPECT_EQ(ber[f], QString()) << f;
    }
}

TEST(JsonFeed, ValuesCannotShiftFieldsOrSplitRecords) {
    const QJsonArray pilots{pilot(
        QStringLiteral("AFR:1"), 7,
        QJsonObject{{QStringLiteral("arrivalId"), QStringLiteral("LFPG")},
                    {QStringLiteral("remarks"), QStringLiteral("OPR/ÄÖÜ ß 東京 RMK:\r\nline2")},
                    {QStringLiteral("route"), QStringLiteral("DCT:X")}})};
    const QStringList lines = recordLines(whazzupTextFromJson(feed({}, pilots)));
    ASSERT_EQ(lines.size(), 3);
    const QStringList f = fields(lines[2]);
    ASSERT_EQ(f.size(), 49);
    EXPECT_EQ(f[0], QStringLiteral("AFR 1"));
    EXPECT_EQ(f[13], QStringLiteral("LFPG"));
    EXPECT_EQ(f[29], QStringLiteral("OPR/ÄÖÜ ß 東京 RMK   line2"));
    EXPECT_EQ(f[30], QStringLiteral("DCT X"));
}

TEST(JsonFeed, OddShapesNeverCrashAndNeverLookLikeAStatusFile) {
    // Not JSON at all: handed back, so the readers find no records in it.
    const QString html = QStringLiteral("<html><body>Service unavailable</body></html>");
    EXPECT_EQ(whazzupTextFromJson(html), html);
    EXPECT_EQ(whazzupTextFromJson(QString()), QString());
    EXPECT_EQ(whazzupTextFromJson(QStringLiteral("[1,2,3]")), QStringLiteral("[1,2,3]"));
    // A JSON object of another shape: a status file with no clients.
    const QString empty = QStringLiteral("!GENERAL\r\n!CLIENTS\r\n");
    EXPECT_EQ(whazzupTextFromJson(QStringLiteral("{}")), empty);
    EXPECT_EQ(whazzupTextFromJson(QStringLiteral("{\"clients\":{\"pilots\":5,\"atcs\":\"x\"}}")),
              empty);
    // Numbers are written as digits, other wrong types left empty; entries that are no objects are
    // skipped.
    const QString odd = QStringLiteral(
        "{\"clients\":{\"atcs\":[1,{\"callsign\":7,\"atcSession\":[]}],"
        "\"pilots\":[null,{\"callsign\":\"X1\",\"flightPlan\":\"none\",\"userId\":\"abc\"}]}}");
    const QStringList lines = recordLines(whazzupTextFromJson(odd));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(fields(lines[2]).size(), 49);
    EXPECT_EQ(fields(lines[2])[0], QStringLiteral("7"));
    EXPECT_EQ(fields(lines[2])[4], QString());
    EXPECT_EQ(fields(lines[2])[3], QStringLiteral("ATC"));
    EXPECT_EQ(fields(lines[3])[0], QStringLiteral("X1"));
    EXPECT_EQ(fields(lines[3])[1], QStringLiteral("abc"));
}

TEST(JsonFeed, NumbersBeyondAnyIdAreWrittenAsNumbersNotCast) {
    // Ids far beyond 64 bits, fractions and the largest exact integer.
    const QString body =
        QStringLiteral("{\"clients\":{\"pilots\":[{\"callsign\":1e300,\"userId\":-2.5e74},"
                       "{\"callsign\":9007199254740992,\"userId\":12.5}]}}");
    const QStringList lines = recordLines(whazzupTextFromJson(body));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(fields(lines[2])[0], QStringLiteral("1e+300"));
    EXPECT_EQ(fields(lines[2])[1], QStringLiteral("-2.5e+74"));
    EXPECT_EQ(fields(lines[3])[0], QStringLiteral("9007199254740992"));
    EXPECT_EQ(fields(lines[3])[1], QStringLiteral("12.5"));
}

TEST(JsonFeed, HundredsOfClientsKeepTheirOrder) {
    QJsonArray atcs;
    QJsonArray pilots;
    for (int i = 0; i < 300; ++i) {
        pilots.append(pilot(QStringLiteral("P%1").arg(i), 100000 + i,
                            QJsonObject{{QStringLiteral("arrivalId"), QStringLiteral("EDDT")}}));
        if (i % 10 == 0) {
            atcs.append(QJsonObject{{QStringLiteral("callsign"), QStringLiteral("A%1").arg(i)}});
        }
    }
    const QStringList lines = recordLines(whazzupTextFromJson(feed(atcs, pilots)));
    ASSERT_EQ(lines.size(), 2 + 30 + 300);
    EXPECT_EQ(fields(lines[2])[0], QStringLiteral("A0"));
    EXPECT_EQ(fields(lines[31])[0], QStringLiteral("A290"));
    EXPECT_EQ(fields(lines[32])[0], QStringLiteral("P0"));
    EXPECT_EQ(fields(lines[331])[0], QStringLiteral("P299"));
    EXPECT_EQ(fields(lines[331])[1], QStringLiteral("100299"));
}

TEST(AnswerForms, EachFormGoesThroughItsAdapterIntoItsServicesClassicForm) {
    using F = ServiceAddresses::AnswerForm;
    using S = ServiceAddresses::Service;
    const QString raw = QStringLiteral("METAR COR EGLL 111920Z AUTO 22010KT 9999 BKN011 OVC016 "
                                       "20/17 Q1019 TEMPO BKN008=\n");
    EXPECT_EQ(ServiceAddresses::adapt(S::IvaoMetar, F::Text, QStringLiteral("a:b"),
                                      QStringLiteral("EDDT")),
              QStringLiteral("a:b"));
    // The NOAA readers cut at "<BR>"; IVAO's weather service sent the report alone.
    EXPECT_EQ(ServiceAddresses::adapt(S::NoaaMetar, F::RawMetars, raw, QStringLiteral("EGLL")),
              QStringLiteral("EGLL 111920Z AUTO 22010KT 9999 BKN011 OVC016 20/17 Q1019 TEMPO "
                             "BKN008=<BR>"));
    for (S ivao : {S::IvaoMetar, S::IvaoNetworkMetar}) {
        EXPECT_EQ(ServiceAddresses::adapt(ivao, F::RawMetars,
                                          QStringLiteral("SPECI COR EDDB 061650Z 24006KT\n"),
                                          QStringLiteral("EDDB")),
                  QStringLiteral("EDDB 061650Z 24006KT"));
    }
    EXPECT_TRUE(ServiceAddresses::adapt(S::Whazzup, F::JsonFeed, QStringLiteral("{}"), QString())
                    .startsWith(QStringLiteral("!GENERAL")));
}

TEST(AnswerForms, ANeighboursReportIsHandedOnUnderTheRequestedCode) {
    const auto rename = [](const char* answer) {
        return ServiceAddresses::renameStation(QString::fromLatin1(answer), QStringLiteral("EDDB"),
                                               QStringLiteral("EDDT"));
    };
    EXPECT_EQ(rename("EDDB 231120Z AUTO 16009KT CAVOK 18/13 Q1016 NOSIG"),
              QStringLiteral("EDDT 231120Z AUTO 16009KT CAVOK 18/13 Q1016 NOSIG"));
    EXPECT_EQ(rename("<pre>EDDB 231120Z Q1016<BR>\nEDDB 230920Z Q1017"),
              QStringLiteral("<pre>EDDT 231120Z Q1016<BR>\nEDDT 230920Z Q1017"));
    // Only where a report starts with the code.
    EXPECT_EQ(rename("XEDDB 1 EDDBX 2 EDDB"), QStringLiteral("XEDDB 1 EDDBX 2 EDDB"));
}
