#include "console/Console.h"
#include "scenario/Fakes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace vellaro;

namespace {

// The lookups as the callsign box's commands reach them.
class Lookups : public ::testing::Test {
  protected:
    Lookups() : s(dir.filePath(QStringLiteral("data")), dir.filePath(QStringLiteral("pc/sc.txt"))) {
        QDir(dir.path()).mkpath(QStringLiteral("data"));
        QDir(dir.path()).mkpath(QStringLiteral("pc"));
        // Present, so the telephony lookup does not stop the interpreter with its notice.
        write(dir.filePath(QStringLiteral("data/airlines.txt")), "cfg Condor CFG\r\n");
        c = std::make_unique<Console>(s.platform);
        c->start();
    }
    void write(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    TextBox& box(const char* name, int row = -1) const {
        return c->form1().text(QString::fromLatin1(name), row);
    }
    // The command pasted into a callsign box in one go; the box's interpreter runs it.
    void typed(int row, const char* t) {
        const QString text = QString::fromLatin1(t);
        box("Text7", row).setText(QString());
        box("Text7", row).userSetText(text, int(text.size()));
    }

    QTemporaryDir dir;
    fake::Services s;
    std::unique_ptr<Console> c;
};

} // namespace

TEST_F(Lookups, TextMacroFromTheClientsFileIntoBoxAndClipboard) {
    write(dir.filePath(QStringLiteral("pc/sc.txt")),
          "\r\nA .hx 123456789Wrong one\r\nB .hi 123456789Hello there\r\nC .hi "
          "0123456789Second\r\n");
    typed(2, ".hi.");
    EXPECT_EQ(box("Text23").text(), QStringLiteral("Hello there"));
    EXPECT_TRUE(box("Text23").visible());
    EXPECT_EQ(c->form1().label(QStringLiteral("Label23")).caption(), QStringLiteral("B"));
    EXPECT_EQ(s.clipboard.text(), QStringLiteral("Hello there"));
    EXPECT_EQ(box("Text7", 2).text(), QString());

    // No line with the key: the box keeps the text, all else stays, still handled.
    typed(3, ".zz.");
    EXPECT_EQ(box("Text7", 3).text(), QStringLiteral(".zz."));
    EXPECT_EQ(box("Text23").text(), QStringLiteral("Hello there"));
    EXPECT_EQ(s.clipboard.text(), QStringLiteral("Hello there"));

    // ".." and a click both put the box away.
    typed(3, "..");
    EXPECT_FALSE(box("Text23").visible());
    EXPECT_EQ(box("Text7", 3).text(), QString());
    typed(2, ".hi.");
    box("Text23").userClick();
    EXPECT_FALSE(box("Text23").visible());
}

TEST_F(Lookups, TextMacroFileNamedInServicesTxtOrMissing) {
    typed(1, ".hi.");
    EXPECT_EQ(box("Text7", 1).text(), QStringLiteral(".hi."));
    const QString other = dir.filePath(QStringLiteral("other.txt"));
    write(other, "X .hi 123456789From elsewhere\r\n");
    write(dir.filePath(QStringLiteral("data/services.txt")), ("pc-macros=" + other).toUtf8());
    typed(1, ".hi.");
    EXPECT_EQ(box("Text23").text(), QStringLiteral("From elsewhere"));
}

TEST_F(Lookups, PublicAddressIntoTheRowAndTheSentenceOntoTheClipboard) {
    s.http.serve(QStringLiteral("ip.php3"), QStringLiteral("192.0.2.17"));
    box("Text11", 3).setText(QStringLiteral("old"));
    typed(3, "ip?");
    EXPECT_EQ(box("Text7", 3).text(), QString());
    EXPECT_EQ(box("Text11", 3).text(), QStringLiteral("192.0.2.17"));
    EXPECT_EQ(s.clipboard.text(), QStringLiteral("Meine IP-Adresse lautet = 192.0.2.17"));
    // The address fetch does not wait for a transfer under way.
    s.http.setBusy(true);
    s.http.takeRequests();
    typed(4, "ip?");
    EXPECT_EQ(s.http.takeRequests().size(), 1);
    EXPECT_EQ(box("Text11", 4).text(), QStringLiteral("192.0.2.17"));
    s.http.setBusy(false);
    // No answer: no sentence, and the remarks stay.
    s.http.fail(QStringLiteral("ip.php3"));
    s.clipboard.setText(QStringLiteral("mark"));
    box("Text11", 5).setText(QStringLiteral("keep"));
    typed(5, "ip?");
    EXPECT_EQ(box("Text11", 5).text(), QStringLiteral("keep"));
    EXPECT_EQ(s.clipboard.text(), QStringLiteral("mark"));
    EXPECT_EQ(box("Text7", 5).text(), QString());
}

TEST_F(Lookups, AerodromeListStoresTheCodeInUpperCase) {
    s.http.serve(QStringLiteral("whazzup.txt"),
                 QStringLiteral("!GENERAL\r\nABC12:1:N:PILOT:::::::::EDDT:F100:LEPA:\r\n"
                                "DLH1:1:N:PILOT:::::::::LEPA:F100:EDDT:\r\n"));
    typed(6, "depeddt");
    EXPECT_EQ(box("Text7", 6).text(), QString());
    EXPECT_TRUE(box("Text20").visible());
    EXPECT_EQ(box("Text20").left(), 2415);
    EXPECT_EQ(box("Text20").top(), 1680);
    EXPECT_EQ(box("Text20").text(), QStringLiteral("ABC12: EDDT\r\nDLH1:1 EDDT\r\n"));
    box("Text20").userClick();
    EXPECT_FALSE(box("Text20").visible());
    typed(0, "depLSZH");
    EXPECT_EQ(box("Text20").text(), QStringLiteral("nix da"));
    // While a transfer runs the old list stays, shown or not.
    s.http.setBusy(true);
    typed(0, "depEDDT");
    EXPECT_EQ(box("Text20").text(), QStringLiteral("nix da"));
}

TEST_F(Lookups, ThreeAirportWeatherSpreadOverRowZero) {
    s.http.serve(QStringLiteral("EDDT"),
                 QStringLiteral("EDDT 091220Z 27012KT CAVOK 05/01 Q1013<BR>"));
    s.http.serve(QStringLiteral("EDDI"),
                 QStringLiteral("EDDI 091220Z 26010KT CAVOK 05/01 Q1014<BR>"));
    s.http.serve(QStringLiteral("EDDB"),
                 QStringLiteral("EDDB 091220Z 25008KT CAVOK 05/01 Q1015<BR>"));
    typed(4, "www");
    EXPECT_EQ(box("Text7", 4).text(), QString());
    EXPECT_EQ(box("Text11", 0).text(), QStringLiteral("270 @ 12  /  260 @ 10  /  250 @ 08"));
    EXPECT_EQ(box("Text8", 0).text(), QStringLiteral("1013"));
    EXPECT_EQ(box("Text9", 0).text(), QStringLiteral("1014"));
    EXPECT_EQ(box("Text10", 0).text(), QStringLiteral("1015"));
}
