#include "platform/Form.h"
#include "platform/qt/KeyNotation.h"
#include "platform/qt/QtServices.h"

#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace vellaro;

TEST(QtTimers, TicksComeAtTheirIntervalAndStopWhenCancelled) {
    qt::QtTimerService service;
    Form f(QStringLiteral("Form9"), service);
    Timer& t = f.add<Timer>(QStringLiteral("Timer1"));
    int ticks = 0;
    t.onTimer = [&] { ++ticks; };
    t.setInterval(20);
    t.setTimerEnabled(true);
    EXPECT_TRUE(service.isScheduled(t));
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 2, 2000);
    t.setTimerEnabled(false);
    EXPECT_FALSE(service.isScheduled(t));
    const int seen = ticks;
    QTest::qWait(80);
    EXPECT_EQ(ticks, seen);
}

TEST(QtTimers, ATickHandlerThatWaitsIsNotEnteredAgain) {
    qt::QtTimerService service;
    Form f(QStringLiteral("Form9"), service);
    Timer& slow = f.add<Timer>(QStringLiteral("Timer1"));
    Timer& pause = f.add<Timer>(QStringLiteral("Timer7"));
    int depth = 0;
    int deepest = 0;
    int slowTicks = 0;
    bool over = false;
    pause.onTimer = [&] {
        over = true;
        pause.setTimerEnabled(false);
    };
    pause.setInterval(60);
    slow.onTimer = [&] {
        ++slowTicks;
        deepest = std::max(deepest, ++depth);
        // A pause inside a tick, as the input simulation makes one.
        over = false;
        pause.setTimerEnabled(true);
        while (!over) {
            service.processEvents();
        }
        --depth;
        slow.setTimerEnabled(false);
    };
    slow.setInterval(5);
    slow.setTimerEnabled(true);
    QTRY_VERIFY_WITH_TIMEOUT(!slow.isEnabled(), 3000);
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(slowTicks, 1);
}

TEST(QtTimers, ProcessEventsWaitsInsteadOfSpinning) {
    qt::QtTimerService service;
    QElapsedTimer clock;
    clock.start();
    int rounds = 0;
    while (clock.elapsed() < 100) {
        service.processEvents();
        ++rounds;
    }
    // A spinning loop would go round many thousand times in 100 ms.
    EXPECT_LT(rounds, 100);
}

TEST(QtPictures, NaturalSizeOfAPictureFileOrNothing) {
    QTemporaryDir dir;
    const QString bmp = dir.filePath(QStringLiteral("sidwest.bmp"));
    QImage img(30, 20, QImage::Format_RGB32);
    img.fill(Qt::white);
    ASSERT_TRUE(img.save(bmp, "BMP"));
    qt::QtPictureLoader loader;
    EXPECT_EQ(loader.pictureSize(bmp), QSize(30, 20));
    EXPECT_EQ(loader.pictureSize(dir.filePath(QStringLiteral("missing.bmp"))), std::nullopt);
    QFile junk(dir.filePath(QStringLiteral("junk.bmp")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("BM this is no picture");
    junk.close();
    EXPECT_EQ(loader.pictureSize(junk.fileName()), std::nullopt);
    EXPECT_EQ(loader.pictureSize(dir.path()), std::nullopt);
}

TEST(QtServicesMisc, ClipboardClockAndScreen) {
    qt::QtClipboard clip;
    clip.setText(QStringLiteral("Released"));
    EXPECT_EQ(clip.text(), QStringLiteral("Released"));
    clip.clear();
    EXPECT_EQ(clip.text(), QString());
    qt::QtClock clock;
    EXPECT_EQ(clock.date(), QDate::currentDate());
    EXPECT_LE(std::abs(clock.time().secsTo(QTime::currentTime())), 1);
    qt::QtScreen screen;
    EXPECT_GT(screen.size().width(), 0);
}

TEST(KeyNotation, BracesNameKeysAndEverythingElseIsTyped) {
    using K = qt::KeyStroke;
    auto named = [](const char* n) { return K{QString::fromLatin1(n), QChar()}; };
    auto ch = [](char c) { return K{QString(), QChar::fromLatin1(c)}; };
    EXPECT_EQ(qt::parseKeyNotation(QStringLiteral("{F11}")), (QList<K>{named("F11")}));
    EXPECT_EQ(qt::parseKeyNotation(QStringLiteral("Rel{enter}")),
              (QList<K>{ch('R'), ch('e'), ch('l'), named("ENTER")}));
    EXPECT_EQ(qt::parseKeyNotation(QStringLiteral("{F12 3}")),
              (QList<K>{named("F12"), named("F12"), named("F12")}));
    EXPECT_EQ(qt::parseKeyNotation(QStringLiteral("{{}{}}{+}")),
              (QList<K>{ch('{'), ch('}'), ch('+')}));
    // Plus, tilde and unclosed braces are plain characters.
    EXPECT_EQ(qt::parseKeyNotation(QStringLiteral("a+~{x")),
              (QList<K>{ch('a'), ch('+'), ch('~'), ch('{'), ch('x')}));
    EXPECT_TRUE(qt::parseKeyNotation(QString()).isEmpty());
}
