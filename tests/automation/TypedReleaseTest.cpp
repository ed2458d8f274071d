#include "console/Console.h"
#include "scenario/Fakes.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vellaro;

// The controller closes the console while the typed release pauses (here the first
// METAR retrieval, which runs inside the pause, closes it). The pause must end
// instead of waiting for a tick that never comes, and nothing more may be sent.
TEST(TypedRelease, ClosingTheConsoleDuringAPauseStopsTheRelease) {
    QTemporaryDir dir;
    fake::Services s(dir.path());
    Console c(s.platform);
    c.start();
    s.http.onGet = [&c](const QString&) { c.close(); };
    s.input.placeCursor(700, 10);
    s.clock.advance(495);

    c.mainWindow().Command47.userClick();

    EXPECT_TRUE(c.ended());
    EXPECT_EQ(s.input.takeEvents(), QStringLiteral("move 0 0"));
    EXPECT_FALSE(c.mainWindow().Timer7.isEnabled());
}
