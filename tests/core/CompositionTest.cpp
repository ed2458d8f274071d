#include "console/Console.h"
#include "core/MainWindowLayout.h"
#include "scenario/Fakes.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vellaro;

namespace {

struct NoTimers : TimerService {
    void schedule(Timer&, int) override {}
    void cancel(Timer&) override {}
    void processEvents() override {}
};

} // namespace

// A control the code expects but the window lacks is reported while the console
// is built, naming the window and the control.
TEST(WindowBinding, MissingControlFailsWhenTheViewIsBuilt) {
    NoTimers timers;
    Form full(QStringLiteral("Form1"), timers);
    buildMainWindow(full);
    EXPECT_NO_THROW(MainWindow{full});

    Form partial(QStringLiteral("Form1"), timers);
    partial.add<TextBox>(QStringLiteral("Text1"));
    partial.add<Label>(QStringLiteral("Text2")); // right name, wrong kind
    try {
        MainWindow w(partial);
        FAIL() << "a window without Text2 as a box was accepted";
    } catch (const MissingControl& e) {
        EXPECT_STREQ(e.what(), "Form1 has no control Text2 of the expected kind");
    }
}

TEST(WindowBinding, ControlArraysNeedEveryMember) {
    NoTimers timers;
    Form f(QStringLiteral("Form4"), timers);
    for (int i = 0; i < 9; ++i) {
        f.add<TextBox>(QStringLiteral("Text1"), i);
    }
    ControlBinder bind(f);
    EXPECT_THROW((bind.array<TextBox, 10>("Text1")), MissingControl);
    EXPECT_NO_THROW((bind.array<TextBox, 9>("Text1")));
}

// Closing the console while a download waits ends the caller: the answer that
// arrives afterwards reaches nobody.
TEST(ConsoleDownload, AnswerAfterTheConsoleClosedIsDropped) {
    QTemporaryDir dir;
    fake::Services s(dir.path());
    s.http.serve(QStringLiteral("metar"), QStringLiteral("EDDT 091220Z 27010KT Q1013"));
    Console c(s.platform);
    c.start();
    s.clipboard.setText(QStringLiteral("untouched"));
    s.http.onGet = [&c](const QString&) { c.close(); };
    c.mainWindow().Command40.userClick();
    EXPECT_TRUE(c.ended());
    // The retrieval stopped at the wait: no decoding, no clipboard text, no box filled.
    EXPECT_EQ(s.clipboard.text(), QStringLiteral("untouched"));
    EXPECT_EQ(c.mainWindow().Text1.text(), QString());
    EXPECT_EQ(c.mainWindow().Text6.text(), QStringLiteral("Load"));
}

TEST(ConsoleDownload, OpenConsoleGetsTheAnswerEvenWhenEmpty) {
    fake::Http http;
    bool closed = false;
    Download d(http, [&closed] { return closed; });
    EXPECT_EQ(d.get(QStringLiteral("http://127.0.0.1/none")), QString());
    http.serve(QStringLiteral("x"), QStringLiteral("body"));
    EXPECT_EQ(d.get(QStringLiteral("http://127.0.0.1/x")), QStringLiteral("body"));
    closed = true;
    EXPECT_FALSE(d.get(QStringLiteral("http://127.0.0.1/x")).has_value());
}
