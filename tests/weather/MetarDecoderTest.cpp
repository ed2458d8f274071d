#include "WeatherFixture.h"

#include "weather/MetarDecoder.h"

using namespace vellaro;
using vellaro::testing::WeatherTest;

namespace {

const QString kExample = QStringLiteral("EDDT 121250Z 27010KT 9999 FEW030 18/12 Q1013 NOSIG");

} // namespace

using MetarDecoding = WeatherTest;

TEST_F(MetarDecoding, ExampleFillsTheWeatherBlockAndRewritesTheClipboard) {
    f().timer(QStringLiteral("Timer2")).setTimerEnabled(true);
    f().shape(QStringLiteral("Shape1")).setBackColor(kGreen);
    decode(kExample);

    EXPECT_EQ(textOf("Text6"), "12:50");
    EXPECT_EQ(textOf("Text1"), "270");
    EXPECT_EQ(textOf("Text2"), "10");
    EXPECT_EQ(textOf("Text3"), "1013");
    EXPECT_EQ(caption("Label2"), "TL70");
    EXPECT_EQ(caption("Label21"), " 29.91");
    EXPECT_EQ(clipboard(), "1250Z 27010KT 9999 FEW030 18/12 Q1013 NOSIG");
    EXPECT_EQ(c.weather.metarTail, "1250Z 27010KT 9999 FEW030 18/12 Q1013 NOSIG");
    // A decoding by hand stops the automatic retrieval.
    EXPECT_FALSE(f().timer(QStringLiteral("Timer2")).isEnabled());
    EXPECT_EQ(f().shape(QStringLiteral("Shape1")).backColor(), kRed);
}

TEST_F(MetarDecoding, WindIsTakenByPositionOnly) {
    decode(QStringLiteral("EDDT 121250Z 27010G20KT 9999 Q1013"));
    EXPECT_EQ(textOf("Text1"), "270");
    EXPECT_EQ(textOf("Text2"), "10");

    decode(QStringLiteral("EDDT 121320Z VRB03KT CAVOK Q1020"));
    EXPECT_EQ(textOf("Text6"), "13:20");
    EXPECT_EQ(textOf("Text1"), "VRB");
    EXPECT_EQ(textOf("Text2"), "03");
    EXPECT_EQ(textOf("Text3"), "1020");
    EXPECT_EQ(caption("Label2"), "TL60");

    decode(QStringLiteral("EDDT 121350Z 270105KT 9999 Q1013"));
    EXPECT_EQ(textOf("Text2"), "10");
}

TEST_F(MetarDecoding, WithoutAQGroupThePreviousQnhStays) {
    decode(QStringLiteral("EDDT 121250Z 27010KT 9999 Q1020"));
    ASSERT_EQ(caption("Label2"), "TL60");
    label("Label2").setCaption(QString());

    decode(QStringLiteral("KJFK 121251Z 31012KT 10SM FEW250 A2992"));
    EXPECT_EQ(textOf("Text6"), "12:51");
    EXPECT_EQ(textOf("Text1"), "310");
    EXPECT_EQ(textOf("Text3"), "1020");
    // The level is derived anew from the QNH that stayed.
    EXPECT_EQ(caption("Label2"), "TL60");
    EXPECT_EQ(clipboard(), "1251Z 31012KT 10SM FEW250 A2992");
}

TEST_F(MetarDecoding, LeadingZeroOfTheQnhIsDropped) {
    decode(QStringLiteral("EDDT 121250Z 27010KT 9999 Q0998"));
    EXPECT_EQ(textOf("Text3"), "998");
    EXPECT_EQ(caption("Label2"), "TL70");
    EXPECT_EQ(caption("Label21"), " 29.47");

    decode(QStringLiteral("EDDT 121320Z 27010KT 9999 Q0978"));
    EXPECT_EQ(textOf("Text3"), "978");
    EXPECT_EQ(caption("Label2"), "TL80");
}

TEST_F(MetarDecoding, AQInTheStationCodeIsNoQnh) {
    decode(QStringLiteral("EDQT 121250Z 27010KT 9999 Q1013"));
    EXPECT_EQ(textOf("Text3"), "1013");
    EXPECT_EQ(caption("Label2"), "TL70");
    EXPECT_EQ(caption("Label21"), " 29.91");
}

TEST_F(MetarDecoding, ALevelBeyondTheTableLeavesThePreviousOne) {
    decode(kExample);
    decode(QStringLiteral("EDDT 121320Z 27010KT 9999 Q1053"));
    EXPECT_EQ(textOf("Text3"), "1053");
    EXPECT_EQ(caption("Label2"), "TL70");
}

TEST_F(MetarDecoding, EmptyClipboardIsTheErrOutcome) {
    decode(kExample);
    box("Text4").setText(QStringLiteral("26R"));
    box("Text5").setText(QStringLiteral("26L"));

    decode(QString());
    EXPECT_EQ(textOf("Text1"), "Err");
    EXPECT_EQ(textOf("Text2"), "");
    EXPECT_EQ(textOf("Text3"), "Err");
    EXPECT_EQ(textOf("Text4"), "");
    EXPECT_EQ(textOf("Text5"), "");
    EXPECT_EQ(textOf("Text6"), "12:50");
    EXPECT_EQ(caption("Label2"), "TL70");
    EXPECT_EQ(caption("Label21"), " .005");
    EXPECT_EQ(clipboard(), "");
    EXPECT_EQ(c.weather.metarTail, "");
    // The Mini-Info copy keeps the last good observation.
    EXPECT_EQ(mini().text(QStringLiteral("Text1")).text(), "270");
    EXPECT_EQ(mini().text(QStringLiteral("Text3")).text(), "1013");
}

TEST_F(MetarDecoding, ShortOrMalformedTextsAreErrToo) {
    decode(QStringLiteral("EDDT 1212"));
    EXPECT_EQ(textOf("Text1"), "Err");
    EXPECT_EQ(textOf("Text3"), "Err");
    EXPECT_EQ(textOf("Text6"), "EDDT");
    EXPECT_EQ(clipboard(), "12");
    EXPECT_EQ(caption("Label2"), "");
    // No decoding reached the Mini-Info window, so it was never created.
    EXPECT_FALSE(mini().loaded());

    decode(QStringLiteral("EDDT"));
    EXPECT_EQ(clipboard(), "");

    // Eleven characters: position 12 does not exist.
    decode(QStringLiteral("EDDT 121250"));
    EXPECT_EQ(textOf("Text1"), "Err");
}

TEST_F(MetarDecoding, DecodingMirrorsIntoTheHiddenMiniInfoWindow) {
    label("Label5").setCaption(QStringLiteral("ATC 1"));
    label("Label7").setCaption(QStringLiteral("ATC 2"));
    label("Label8").setCaption(QStringLiteral("EDDT"));
    box("Text4").setText(QStringLiteral("26R"));
    box("Text5").setText(QStringLiteral("26L"));
    box("Text18").setText(QStringLiteral("C"));
    decode(kExample);

    EXPECT_TRUE(mini().loaded());
    EXPECT_FALSE(mini().property(QStringLiteral("Visible")).toBool());
    EXPECT_TRUE(mini().topMost());
    const QStringList boxes = {"270", "10", "1013", "26R", "26L", "12:50", "C"};
    for (int i = 0; i < boxes.size(); ++i) {
        EXPECT_EQ(mini().text(QStringLiteral("Text%1").arg(i + 1)).text(), boxes[i]) << i + 1;
    }
    EXPECT_EQ(mini().label(QStringLiteral("Label1")).caption(), "TL70");
    EXPECT_EQ(mini().label(QStringLiteral("Label2")).caption(), "ATC 1");
    EXPECT_EQ(mini().label(QStringLiteral("Label3")).caption(), "ATC 2");
    EXPECT_EQ(mini().label(QStringLiteral("Label4")).caption(), "EDDT");
}

TEST(TransitionLevel, BoundsOfTheTable) {
    const struct {
        double qnh;
        const char* level;
    } cases[] = {
        {0, "TL80"},    {-5, "TL80"},   {978, "TL80"},  {978.5, ""},    {979, "TL70"},
        {1013, "TL70"}, {1013.5, ""},   {1014, "TL60"}, {1046, "TL60"}, {1046.9, "TL60"},
        {1047, "TL50"}, {1052, "TL50"}, {1052.5, ""},   {1053, ""},
    };
    for (const auto& tc : cases) {
        EXPECT_EQ(MetarDecoder::transitionLevelFor(tc.qnh), QString::fromLatin1(tc.level))
            << tc.qnh;
    }
}

TEST(AltimeterInches, FirstSixCharactersRoundedHalfUp) {
    EXPECT_EQ(MetarDecoder::inchesFor(QStringLiteral("1013")), " 29.91");
    EXPECT_EQ(MetarDecoder::inchesFor(QStringLiteral("998")), " 29.47");
    EXPECT_EQ(MetarDecoder::inchesFor(QStringLiteral("1030")), " 30.41");
    EXPECT_EQ(MetarDecoder::inchesFor(QString()), " .005");
    EXPECT_EQ(MetarDecoder::inchesFor(QStringLiteral("Err")), " .005");
}
