#include "WeatherFixture.h"

#include "weather/MetarReport.h"

using namespace vellaro;
using vellaro::testing::WeatherTest;

namespace {

// Real reports as published (Aviation Weather Center cache snapshots in public
// repositories, a public METAR test set), what the readers receive, and what the
// "ATIS" button makes of them. A QNH of "1000" is the one the box held before.
struct Row {
    const char* form;
    const char* published;
    const char* normalised;
    const char* wind;
    const char* speed;
    const char* qnh;
};

const Row kRows[] = {
    {"AUTO", "EDDB 231120Z AUTO 16009KT CAVOK 18/13 Q1016 NOSIG",
     "EDDB 231120Z 16009KT CAVOK 18/13 Q1016 NOSIG", "160", "09", "1016"},
    {"AUTO", "EDDS 220220Z AUTO VRB03KT CAVOK 13/11 Q1014 TEMPO RA",
     "EDDS 220220Z VRB03KT CAVOK 13/11 Q1014 TEMPO RA", "VRB", "03", "1014"},
    {"AUTO", "EDNY 220220Z AUTO 13005KT 100V170 9999 // FEW008/// BKN033/// OVC074/// 12/12 Q1016",
     "EDNY 220220Z 13005KT 100V170 9999 // FEW008/// BKN033/// OVC074/// 12/12 Q1016", "130", "05",
     "1016"},
    {"lead word",
     "SPECI RJFK 132146Z VRB01KT 9999 VCVA BCFG FEW005 BKN150 22/22 Q1016 RMK 1ST005 7AC150 A3001 "
     "4000N-NE ASH FALL VOLCANIC ASH CLOUD S-SW FG N-NE=",
     "RJFK 132146Z VRB01KT 9999 VCVA BCFG FEW005 BKN150 22/22 Q1016 RMK 1ST005 7AC150 A3001 "
     "4000N-NE ASH FALL VOLCANIC ASH CLOUD S-SW FG N-NE",
     "VRB", "01", "1016"},
    {"lead word",
     "METAR PABT 121453Z 01003KT 10SM CLR M35/ A3008 RMK AO2 SLP219 I1000 I3000 T1350 53004 PNO=",
     "PABT 121453Z 01003KT 10SM CLR M35/ A3008 RMK AO2 SLP219 I1000 I3000 T1350 53004 PNO", "010",
     "03", "1000"},
    {"COR", "METAR COR EGLL 111920Z AUTO 22010KT 9999 BKN011 OVC016 20/17 Q1019 TEMPO BKN008=",
     "EGLL 111920Z 22010KT 9999 BKN011 OVC016 20/17 Q1019 TEMPO BKN008", "220", "10", "1019"},
    {"COR",
     "METAR CYHI 171900Z CCA 34019KT 10SM -SN DRSN VCSH VCFG FEW011 BKN030 BKN040 BKN060 BKN150 "
     "M05/M09 A2994 RMK SC1ST4SC1SC1AC1 SC TR AC TR CIG RAG VIS SW 15 SLP144=",
     "CYHI 171900Z 34019KT 10SM -SN DRSN VCSH VCFG FEW011 BKN030 BKN040 BKN060 BKN150 M05/M09 "
     "A2994 RMK SC1ST4SC1SC1AC1 SC TR AC TR CIG RAG VIS SW 15 SLP144",
     "340", "19", "1000"},
    {"COR", "METAR COR MWCR 131800Z 02010G26KT 320V060 1000 TSRA BKN016CB 27/26 Q1013=",
     "MWCR 131800Z 02010G26KT 320V060 1000 TSRA BKN016CB 27/26 Q1013", "020", "10", "1013"},
    {"COR",
     "METAR KNLC 072156Z COR 36009KT 10SM FEW200 17/02 A3014 RMK AO2 SLP208 RH/39 T01670022 $=",
     "KNLC 072156Z 36009KT 10SM FEW200 17/02 A3014 RMK AO2 SLP208 RH/39 T01670022 $", "360", "09",
     "1000"},
    {"MPS", "ZBSJ 230000Z 30003MPS CAVOK 12/04 Q1026 NOSIG",
     "ZBSJ 230000Z 30006KT CAVOK 12/04 Q1026 NOSIG", "300", "06", "1026"},
    {"MPS",
     "USNN 231030Z 29004G10MPS 9999 BKN020CB 00/M04 Q1004 R21/0///65 TEMPO 3000 -SHSN RMK QFE748",
     "USNN 231030Z 29008G19KT 9999 BKN020CB 00/M04 Q1004 R21/0///65 TEMPO 3000 -SHSN RMK QFE748",
     "290", "08", "1004"},
    {"MPS", "METAR UKLL 152130Z 29002MPS 7000 OVC015 14/13 Q1022 R31/CLRD// NOSIG=",
     "UKLL 152130Z 29004KT 7000 OVC015 14/13 Q1022 R31/CLRD// NOSIG", "290", "04", "1022"},
    {"Q in the code", "EDQM 231120Z 15007KT 110V190 CAVOK 16/11 Q1017",
     "EDQM 231120Z 15007KT 110V190 CAVOK 16/11 Q1017", "150", "07", "1017"},
    {"Q in the code", "KTQV 230035Z AUTO 05008KT 10SM CLR 17/09 A3018 RMK A01",
     "KTQV 230035Z 05008KT 10SM CLR 17/09 A3018 RMK A01", "050", "08", "1000"},
    {"end sign",
     "METAR PGUA 271256Z 03016G25KT 4SM -SHRA SCT001 OVC007 23/22 A2993 RMK AO2A PK WND 05033/41 "
     "CIG 001V007 CIG 003 RWY24L SLP126 P//// T02300220 PWINO TSNO $=",
     "PGUA 271256Z 03016G25KT 4SM -SHRA SCT001 OVC007 23/22 A2993 RMK AO2A PK WND 05033/41 CIG "
     "001V007 CIG 003 RWY24L SLP126 P//// T02300220 PWINO TSNO $",
     "030", "16", "1000"},
    // Made from the EDNY report above: a sensor without pressure sends "Q////".
    {"Q////", "EDNY 220220Z AUTO 13005KT 9999 // NCD 12/12 Q//// ",
     "EDNY 220220Z 13005KT 9999 // NCD 12/12 Q////", "130", "05", "1000"},
    // No observation: the "Err" outcome, the QNH box says so too.
    {"NIL", "METAR EDDB 230020Z AUTO NIL=", "EDDB 230020Z NIL", "Err", "", "Err"},
};

} // namespace

using MetarReports = WeatherTest;

TEST_F(MetarReports, RealReportsOfEveryFormDecodeAlike) {
    for (const Row& r : kRows) {
        SCOPED_TRACE(std::string(r.form) + ": " + r.published);
        const QString published = QString::fromLatin1(r.published);
        const QString normalised = QString::fromLatin1(r.normalised);
        EXPECT_EQ(metar::normalise(published), normalised);
        // Normalising what is already normal changes nothing.
        EXPECT_EQ(metar::normalise(normalised), normalised);

        box("Text3").setText(QStringLiteral("1000"));
        decode(published);
        EXPECT_EQ(textOf("Text1"), QString::fromLatin1(r.wind));
        EXPECT_EQ(textOf("Text2"), QString::fromLatin1(r.speed));
        EXPECT_EQ(textOf("Text3"), QString::fromLatin1(r.qnh));
        EXPECT_EQ(clipboard(), normalised.mid(7));
    }
}

TEST(MetarReport, WindInMetresPerSecondRoundsHalfUp) {
    // 1 m/s = 1.943844 kt; 9 m/s is 17.49 kt, 18 m/s is 34.99 kt, 52 m/s three digits.
    const auto wind = [](const char* group) {
        return metar::normalise(QStringLiteral("UUEE 010000Z ") + QString::fromLatin1(group))
            .mid(13);
    };
    EXPECT_EQ(wind("22004MPS"), QStringLiteral("22008KT"));
    EXPECT_EQ(wind("08002MPS"), QStringLiteral("08004KT"));
    EXPECT_EQ(wind("27009G18MPS 9999"), QStringLiteral("27017G35KT 9999"));
    EXPECT_EQ(wind("VRB01MPS"), QStringLiteral("VRB02KT"));
    EXPECT_EQ(wind("31052MPS"), QStringLiteral("310101KT"));
    // Only the wind group, and only in its place.
    EXPECT_EQ(wind("CAVOK 22004MPS"), QStringLiteral("CAVOK 22004MPS"));
}

TEST(MetarReport, TextThatIsNoReportOnlyLosesItsEnd) {
    EXPECT_EQ(metar::normalise(QString()), QString());
    EXPECT_EQ(metar::normalise(QStringLiteral("METAR")), QStringLiteral("METAR"));
    EXPECT_EQ(metar::normalise(QStringLiteral("hello  AUTO world =\r\n")),
              QStringLiteral("hello  AUTO world"));
    // Lines after the report stay attached; blanks inside stay as they came.
    EXPECT_EQ(
        metar::normalise(QStringLiteral("EDDB 231120Z AUTO 16009KT  Q1016=\r\nEDDT 1\r\n\r\n")),
        QStringLiteral("EDDB 231120Z 16009KT  Q1016\r\nEDDT 1"));
    EXPECT_FALSE(metar::isNil(QStringLiteral("EDDB 230020Z 24006KT NIL")));
}
