#include "strips/RouteBox.h"

#include "core/ChartWindow.h"
#include "core/ConsoleState.h"
#include "core/DefaultFiles.h"
#include "core/MainWindow.h"
#include "core/Text.h"
#include "platform/MessageBoxService.h"
#include "strips/SidCharts.h"
#include "strips/StripRows.h"

namespace vellaro {

using text::left;
using text::mid;
using text::trim;

namespace {

constexpr int kMaxShortcutDepth = 8;

} // namespace

RouteBox::RouteBox(MainWindow& window, ConsoleState& state, StripRows& rows, SidCharts& charts,
                   const DataFiles& files, MessageBoxService& messages)
    : w_(window), state_(state), rows_(rows), charts_(charts), files_(files), messages_(messages) {
    for (int n = 0; n < kStripRows; ++n) {
        TextBox& box = w_.Text9[n];
        box.onChange = [this, n] { Text9_Change(n); };
        box.onDblClick = [this, n] { Text9_DblClick(n); };
        box.onGotFocus = [this, n] { Text9_GotFocus(n); };
    }
}

const DefaultFile& RouteBox::defaultFile() {
    static const DefaultFile file{
        QStringLiteral("shortcut.txt"),
        {
            QStringLiteral("b1l BRANE1L"), QStringLiteral("b1n BRANE1N"),
            QStringLiteral("b1t BRANE1T"), QStringLiteral("b2x BELID2X"),
            QStringLiteral("b3s BELID3S"), QStringLiteral("b3v BRANE3V"),
            QStringLiteral("b5l BKD5L"),   QStringLiteral("b5q BKD5Q"),
            QStringLiteral("b5s BKD5S"),   QStringLiteral("b6x BKD6X"),
            QStringLiteral("b7r BKD7R"),   QStringLiteral("b7t BKD7T"),
            QStringLiteral("f3q FWE3Q"),   QStringLiteral("f3x FWE3X"),
            QStringLiteral("g1q GENTI1Q"), QStringLiteral("g1t GERGA1T"),
            QStringLiteral("g2l GERGA2L"), QStringLiteral("g3r GENTI3R"),
            QStringLiteral("g5q GILAS5Q"), QStringLiteral("g6r GILAS6R"),
            QStringLiteral("g7q GILAS7Q"), QStringLiteral("k3r KLF3R"),
            QStringLiteral("k3s KLF3S"),   QStringLiteral("l3t LANUM3T"),
            QStringLiteral("n2l NASAT2L"), QStringLiteral("r1t RAKIT1T"),
            QStringLiteral("r2l RAKIT2L"), QStringLiteral("r2r RAKIT2R"),
            QStringLiteral("r2s RAKIT2S"), QStringLiteral("r3q RAKIT3Q"),
            QStringLiteral("r3x RAKIT3X"), QStringLiteral("s6r SUI6R"),
            QStringLiteral("s7q SUI7Q"),   QStringLiteral("t2r TUVAK2R"),
            QStringLiteral("t2s TUVAK2S"), QStringLiteral("t3q TUVAK3Q"),
            QStringLiteral("t3x TUVAK3X"),
        },
        QStringLiteral(
            "Es wurde die Datei shortcut.txt erstellt. Wenn Sie nicht in Berlin controllen "
            "sollten, dann können sie jetzt selber mit einem normalen Texteditor diese Datei "
            "nach Ihren Wünschen für Ihren Flughafen editieren! Diese Meldung erscheint nur, "
            "wenn die Datei shortcut.txt vorher noch nicht vorhanden war. Drücken Sie jetzt OK "
            "und fahren sie fort!")};
    return file;
}

void RouteBox::Text9_Change(int n) {
    via(n);
    charts_.airportMarkers(w_.Text11[n].text());
}

void RouteBox::Text9_DblClick(int n) {
    w_.Text9[n].setText(QString());
}

void RouteBox::Text9_GotFocus(int n) {
    if (state_.autoSid == 1) {
        w_.Text9[n].setText(QStringLiteral("sid"));
    }
}

void RouteBox::via(int n) {
    found_ = false;
    TextBox& first = w_.Text9[0];
    if (left(first.text(), 1) == QLatin1String("#")) {
        first.setText(QString());
        rows_.Command17_Click(0);
        charts_.hide();
    }
    if (left(first.text(), 1) == QLatin1String("+")) {
        first.setText(QString());
        charts_.sectorChart();
    }
    TextBox& route = w_.Text9[n];
    if (route.text().size() == 3) {
        state_.lookupRow = n;
        shortcut();
    }
    if (route.text() == QLatin1String("SID") || route.text() == QLatin1String("sid")) {
        route.setText(QString());
        charts_.sidChartDisplay();
        w_.form.setFocus(route);
    }
    if (found_) {
        charts_.hide();
        w_.form.setFocus(w_.Text10[n]);
    }
}

void RouteBox::shortcut() {
    if (shortcutDepth_ >= kMaxShortcutDepth) {
        return;
    }
    const DefaultFileRead r =
        readOrCreate(files_, defaultFile(), [this](const QString& m) { messages_.show(m); });
    if (!r.read()) {
        return;
    }
    ++shortcutDepth_;
    TextBox& route = w_.Text9[state_.lookupRow];
    for (const QString& line : r.lines) {
        const QString key = left(route.text(), 3);
        if (mid(line, 3, 3) == key) {
            // Climb, separator, key, separator, SID name.
            route.setText(trim(mid(line, 7)));
            w_.Label23.setCaption(left(line, 1));
            w_.Text12.setText(left(line, 1) + QStringLiteral("000"));
            found_ = true;
        } else if (left(line, 3) == key && mid(line, 4, 1) == QLatin1String(" ") &&
                   !trim(mid(line, 5)).isEmpty()) {
            // The layout of the lines the console writes itself: key, blank, SID name,
            // and no initial climb.
            route.setText(trim(mid(line, 5)));
            found_ = true;
        }
    }
    --shortcutDepth_;
}

} // namespace vellaro
