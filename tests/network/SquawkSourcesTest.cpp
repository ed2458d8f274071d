// Where the codes in use come from: the ATC client's lines and the JSON status feed
// (the services.txt lines that place both are tested with the other services.txt lines).
#include "network/FeedSquawks.h"
#include "platform/AtcClientLink.h"

#include <gtest/gtest.h>

using namespace vellaro;

TEST(AtcLines, AnAnswerEchoesItsWholeRequest) {
    const QString fp = QStringLiteral("#FP;DLH4AB");
    EXPECT_TRUE(atc::answers(QStringLiteral("#FP;DLH4AB;EDDT;EDDM"), fp));
    EXPECT_TRUE(atc::answers(QStringLiteral("#FP;DLH4AB"), fp));
    EXPECT_TRUE(atc::answers(QStringLiteral("@ERR;#FP;DLH4AB;Incomplete data in command"), fp));
    // Another callsign that begins alike, another command that begins alike.
    EXPECT_FALSE(atc::answers(QStringLiteral("#FP;DLH4ABC;EDDT;EDDM"), fp));
    EXPECT_FALSE(atc::answers(QStringLiteral("#TRSQK;BER1;5052"), QStringLiteral("#TR")));
    EXPECT_FALSE(atc::answers(QStringLiteral("@ERR;#FP;BER1;Unknown command"), fp));
    EXPECT_FALSE(atc::answers(QStringLiteral("ERR;#FP;DLH4AB;x"), fp));
}

TEST(AtcLines, TheErrorMessageIsWhatFollowsTheRequest) {
    const QString lb = QStringLiteral("#LBSQK;BER1;5052");
    EXPECT_EQ(atc::errorMessage(QStringLiteral("@ERR;#LBSQK;BER1;5052;Traffic not assumed."), lb),
              QStringLiteral("Traffic not assumed."));
    EXPECT_EQ(atc::errorMessage(QStringLiteral("#LBSQK;BER1;5052"), lb), std::nullopt);
    // A command without arguments may carry their empty field.
    EXPECT_EQ(atc::errorMessage(QStringLiteral("@ERR;#SELTFC;;Unknown command"),
                                QStringLiteral("#SELTFC")),
              QStringLiteral("Unknown command"));
}

TEST(FeedSquawks, TheFeedsDecimalDigitsAreTheOctalCode) {
    EXPECT_EQ(feedTransponderCode(7442), QStringLiteral("7442"));
    EXPECT_EQ(feedTransponderCode(200), QStringLiteral("0200"));
    EXPECT_EQ(feedTransponderCode(0), QStringLiteral("0000"));
    EXPECT_EQ(feedTransponderCode(7777), QStringLiteral("7777"));
    for (double none : {7778.0, 8000.0, 5080.0, 1239.0, -1.0, 52.5, 1e300}) {
        EXPECT_EQ(feedTransponderCode(none), QString()) << none;
    }
}

TEST(FeedSquawks, DistancesAreGreatCircleNauticalMiles) {
    // One minute of latitude is one nautical mile on this earth.
    EXPECT_NEAR(distanceNm(52.0, 13.5, 53.0, 13.5), 60.04, 0.01);
    // Berlin to a point near Munich, about 250 NM.
    EXPECT_NEAR(distanceNm(52.36, 13.50, 48.35, 11.78), 250, 10);
    EXPECT_NEAR(distanceNm(0, 179.5, 0, -179.5), 60.04, 0.01);
}

TEST(FeedSquawks, OnlyPilotsWithinRangeCount) {
    // Pilots as the feed has them (trimmed): near Berlin, far away, on the edge, and
    // records missing what is needed.
    const QString feed = QStringLiteral(R"({"clients":{"pilots":[
        {"callsign":"LOG296","lastTrack":{"latitude":54.45966,"longitude":12.968728,"transponder":7000}},
        {"callsign":"DLH03Y","lastTrack":{"latitude":44.917625,"longitude":-4.478507,"transponder":7442}},
        {"callsign":"cai2023","lastTrack":{"latitude":48.349297,"longitude":11.779747,"transponder":200}},
        {"callsign":"NOTRACK"},
        {"callsign":"NOCODE","lastTrack":{"latitude":52.4,"longitude":13.5,"transponder":7780}},
        {"callsign":"TEXT","lastTrack":{"latitude":"52.4","longitude":13.5,"transponder":1000}}
    ],"atcs":[{"callsign":"EDDT_TWR"}]}})");
    const auto near = squawksNear(feed, 52.36, 13.50, 300);
    ASSERT_TRUE(near);
    ASSERT_EQ(near->size(), 2u);
    EXPECT_EQ(near->at(0).callsign, QStringLiteral("LOG296"));
    EXPECT_EQ(near->at(0).code, QStringLiteral("7000"));
    EXPECT_EQ(near->at(1).callsign, QStringLiteral("CAI2023"));
    EXPECT_EQ(near->at(1).code, QStringLiteral("0200"));
    EXPECT_EQ(squawksNear(feed, 52.36, 13.50, 200)->size(), 1u);
    EXPECT_EQ(squawksNear(feed, 44.9, -4.5, 10)->at(0).callsign, QStringLiteral("DLH03Y"));
    // No feed at all: nothing to replace the last one's codes with.
    EXPECT_FALSE(squawksNear(QStringLiteral("!GENERAL\r\n"), 52.36, 13.50, 300));
    EXPECT_FALSE(squawksNear(QStringLiteral("[1,2]"), 52.36, 13.50, 300));
    EXPECT_TRUE(squawksNear(QStringLiteral(R"({"clients":{}})"), 52.36, 13.50, 300)->empty());
}
