#include "weather/Overview.h"

#include "core/Console.h"
#include "core/Text.h"
#include "network/ServiceAddresses.h"

namespace vellaro {

namespace {

const QString kMetarFile = QStringLiteral("metar.txt");
constexpr int kPanelShown = 0;
constexpr int kPanelHidden = 9120;
constexpr int kLevelTop = 630;
constexpr int kLevelTopUnderPanel = 1080;

const QStringList& metarDefaults() {
    static const QStringList lines = {
        QStringLiteral("EDDT"),
        QStringLiteral("EDDI"),
        QStringLiteral("EDDB"),
        QString(),
        QStringLiteral("Hier müssen 3 ICAO-Codes eingetragen werden."),
        QStringLiteral("Es werden auch nur insgesamt 3 angezeigt.")};
    return lines;
}

const QString kCreatedMessage = QStringLiteral(
    "Es wurde die Datei metar.txt erstellt. Wenn Sie nicht in Berlin controllen sollten, dann "
    "können sie jetzt selber mit einem normalen Texteditor diese Datei nach Ihren Wünschen für "
    "Ihren Flughafen editieren! Ansonsten drücken Sie jetzt noch einmal den 3-Button. Diese "
    "Meldung erscheint nur, wenn die Datei metar.txt vorher noch nicht vorhanden war.");

const QString kTimeoutText = QStringLiteral("Timeout!\r\nDer Metar ist z.Z. nicht erreichbar.\r\n"
                                            "Bitte probieren Sie es etwas später noch einmal.");

} // namespace

Overview::Overview(Console& console) : c_(console) {
    Form& f = c_.form1();
    f.button("Command41").onClick = [this] { Command41_Click(); };
    f.text("Text19").onDblClick = [this] { Text19_DblClick(); };
}

QString Overview::overviewLine(const QString& e, int gap, const QString& runwayText) {
    using text::mid;
    const qsizetype q = text::instr(e, QStringLiteral("Q"));
    return QLatin1Char(' ') + mid(e, 1, 5) + QString(gap, QLatin1Char(' ')) + mid(e, 8, 2) +
           QLatin1Char(':') + mid(e, 10, 2) + QStringLiteral(" Wind ") + mid(e, 14, 3) +
           QStringLiteral(" @ ") + mid(e, 17, 2) + QStringLiteral("  QNH ") + mid(e, q + 1, 4) +
           QStringLiteral("   ") + runwayText;
}

void Overview::Command41_Click() {
    Form& f = c_.form1();
    WeatherState& w = c_.weather;
    ConsoleState& s = c_.state;
    TextBox& panel = f.text("Text19");

    // 1.-2. A missing file is written and announced; the run goes on with the defaults.
    QStringList codes;
    const auto r = c_.files().readLines(kMetarFile);
    if (r.ok()) {
        codes = r.lines;
    } else if (r.missing()) {
        if (c_.files().replaceFile(kMetarFile, metarDefaults())) {
            c_.showMessage(kCreatedMessage);
        }
        codes = metarDefaults();
    }
    while (codes.size() < 3) {
        codes.append(QString());
    }
    const QString a1 = codes[0];
    const QString a2 = codes[1];
    const QString a3 = codes[2];

    // 3.
    bool allFound = false;
    if (!c_.platform().http.busy()) {
        // 4.-5.
        panel.setText(QStringLiteral("Bitte warten, Daten werden geholt...   "));
        panel.setTop(kPanelShown);
        const bool ivao = f.check("Check3").value() == 1;
        using S = ServiceAddresses::Service;
        QString all;
        for (const QString& code : {a1, a2, a3}) {
            panel.setText(panel.text() + QStringLiteral("X "));
            QString rk = c_.platform().http.get(
                c_.services().url(ivao ? S::IvaoNetworkMetar : S::NoaaMetar, code));
            if (c_.ended()) {
                return; // closed while we waited
            }
            if (!ivao) {
                rk = ServiceAddresses::cutNoaaReport(rk, code);
            }
            // 6.
            all += rk;
        }
        // 7.-8.
        panel.setText(QString());
        qsizetype p = text::instr(all, a1);
        if (p != 0) {
            w.metarExtract = text::mid(all, p, 100);
        }
        // 9. All three lines follow the first airport's wind; 180 still counts as east.
        if (text::numericValue(text::mid(w.metarExtract, 14, 3)) <= 180) {
            s.overviewRunway1 = QStringLiteral("LA=08L TO=08R");
            s.overviewRunway2 = QStringLiteral("RWY 09R");
            s.overviewRunway3 = QStringLiteral("RWY 07R");
        } else {
            s.overviewRunway1 = QStringLiteral("LA=26R TO=26L");
            s.overviewRunway2 = QStringLiteral("RWY 27L");
            s.overviewRunway3 = QStringLiteral("RWY 25L");
        }
        if (a1 != QLatin1String("EDDT")) {
            s.overviewRunway1.clear();
        }
        if (a2 != QLatin1String("EDDI")) {
            s.overviewRunway2.clear();
        }
        if (a3 != QLatin1String("EDDB")) {
            s.overviewRunway3.clear();
        }
        // 10.
        panel.setTop(kPanelShown);
        panel.setText(panel.text() + overviewLine(w.metarExtract, 1, s.overviewRunway1) +
                      QStringLiteral("\r\n"));
        // 11.
        p = text::instr(all, a2);
        if (p != 0) {
            w.metarExtract = text::mid(all, p, 100);
        }
        panel.setTop(kPanelShown);
        panel.setText(panel.text() + overviewLine(w.metarExtract, 2, s.overviewRunway2) +
                      QStringLiteral("\r\n"));
        // 12.
        p = text::instr(all, a3);
        if (p != 0) {
            w.metarExtract = text::mid(all, p, 100);
        }
        panel.setText(panel.text() + overviewLine(w.metarExtract, 1, s.overviewRunway3));
        allFound = p != 0 && text::instr(all, a1) != 0 && text::instr(all, a2) != 0;
    }
    // 14. The extract still at Tegel means the other two were not found; a run that
    // found all three (Tegel listed last) keeps its lines.
    if (!allFound && text::left(w.metarExtract, 4) == QLatin1String("EDDT")) {
        panel.setText(kTimeoutText);
    }
    // 15.
    f.label("Label2").setTop(kLevelTopUnderPanel);
}

void Overview::Text19_DblClick() {
    Form& f = c_.form1();
    f.label("Label2").setTop(kLevelTop);
    f.text("Text19").setTop(kPanelHidden);
}

} // namespace vellaro
