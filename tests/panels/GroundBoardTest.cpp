#include "panels/GroundInfo.h"

#include <QStringList>

#include <gtest/gtest.h>

using vellaro::closeGaps;
using vellaro::GroundBoard;
using vellaro::kGroundRows;

namespace {

GroundBoard board(std::initializer_list<const char*> callsigns) {
    GroundBoard b;
    int i = 0;
    for (const char* cs : callsigns) {
        b[i].callsign = QString::fromLatin1(cs);
        b[i].ticks = {i % 2, 1, 0};
        ++i;
    }
    return b;
}

} // namespace

TEST(GroundBoard, FilledRowsMoveUpWithTheirTicks) {
    GroundBoard b = board({"DLH1", "", "", "BER2", ""});
    b[1].ticks = {1, 1, 1}; // ticks without a callsign count as empty
    b[3].ticks = {0, 1, 1};
    closeGaps(b);
    EXPECT_EQ(b[0].callsign, "DLH1");
    EXPECT_EQ(b[1].callsign, "BER2");
    EXPECT_EQ(b[1].ticks, (std::array<int, 3>{0, 1, 1}));
    for (int i = 2; i < kGroundRows; ++i) {
        EXPECT_TRUE(b[i].empty());
        EXPECT_EQ(b[i].ticks, (std::array<int, 3>{0, 0, 0})) << i;
    }
}

TEST(GroundBoard, OnlyMovedCallsignsAreUpperCased) {
    GroundBoard b = board({"dlh1", "", "ber2"});
    closeGaps(b);
    EXPECT_EQ(b[0].callsign, "dlh1");
    EXPECT_EQ(b[1].callsign, "BER2");
}

TEST(GroundBoard, EveryLayoutEndsWithoutGapsInItsOrder) {
    for (int mask = 0; mask < (1 << kGroundRows); ++mask) {
        GroundBoard b;
        QStringList expected;
        for (int i = 0; i < kGroundRows; ++i) {
            if (mask & (1 << i)) {
                b[i].callsign = QStringLiteral("C%1").arg(i);
                expected << b[i].callsign;
            }
        }
        closeGaps(b);
        for (int i = 0; i < kGroundRows; ++i) {
            ASSERT_EQ(b[i].callsign, i < expected.size() ? expected[i] : QString())
                << "layout " << mask << " row " << i;
        }
    }
}
