#include "weather/Overview.h"

#include "core/ConsoleState.h"
#include "core/DefaultFiles.h"
#include "core/Download.h"
#include "core/MainWindow.h"
#include "core/Text.h"
#include "core/WeatherState.h"
#include "network/ServiceAddresses.h"
#include "platform/MessageBoxService.h"
#include "weather/MetarReport.h"

namespace vellaro {

namespace {

constexpr int kPanelShown = 0;
constexpr int kPanelHidden = 9120;
constexpr int kLevelTop = 630;
constexpr int kLevelTopUnderPanel = 1080;

const DefaultFile& metarFile() {
    static const DefaultFile file{
        QStringLiteral("metar.txt"),
        {QStringLiteral("EDDT"), QStringLiteral("EDDI"), QStringLiteral("EDDB"), QString(),
         QStringLiteral("Hier müssen 3 ICAO-Codes eingetragen werden."),
         QStringLiteral("Es werden auch nur insgesamt 3 angezeigt.")},
        QStringLiteral(
            "Es wurde die Datei metar.txt erstellt. Wenn Sie nicht in Berlin controllen sollten, "
            "dann "
            "können sie jetzt selber mit einem normalen Texteditor diese Datei nach Ihren Wünschen "
            "für "
            "Ihren Flughafen editieren! Ansonsten drücken Sie jetzt noch einmal den 3-Button. "
            "Diese "
            "Meldung erscheint nur, wenn die Datei metar.txt vorher noch nicht vorhanden war.")};
    return file;
}

const QString kTimeoutText = QStringLiteral("Timeout!\r\nDer Metar ist z.Z. nicht erreichbar.\r\n"
                                            "Bitte probieren Sie es etwas später noch einmal.");

} // namespace

Overview::Overview(MainWindow& window, ConsoleState& state, WeatherState& weather,
                   const DataFiles& files, MessageBoxService& messages, const Download& download,
                   const ServiceAddresses& services)
    : w_(window), state_(state), weather_(weather), files_(files), messages_(messages),
      download_(download), services_(services) {
    w_.Command41.onClick = [this] { Command41_Click(); };
    w_.Text19.onDblClick = [this] { Text19_DblClick(); };
}

QString Overview::overviewLine(const QString& e, int gap, const QString& runwayText) {
    using text::mid;
    // Without a QNH group the station code stands in its place, as it always has.
    const qsizetype q = metar::qnhGroupPosition(e);
    return QLatin1Char(' ') + mid(e, 1, 5) + QString(gap, QLatin1Char(' ')) + mid(e, 8, 2) +
           QLatin1Char(':') + mid(e, 10, 2) + QStringLiteral(" Wind ") + mid(e, 14, 3) +
           QStringLiteral(" @ ") + mid(e, 17, 2) + QStringLiteral("  QNH ") + mid(e, q + 1, 4) +
           QStringLiteral("   ") + runwayText;
}

void Overview::Command41_Click() {
    WeatherState& w = weather_;
    ConsoleState& s = state_;
    TextBox& panel = w_.Text19;

    // A missing file is written and announced; the run goes on with the defaults.
    const DefaultFileRead r =
        readOrCreate(files_, metarFile(), [this](const QString& m) { messages_.show(m); });
    QStringList codes = r.read() ? r.lines : r.wasMissing() ? metarFile().lines : QStringList();
    while (codes.size() < 3) {
        codes.append(QString());
    }
    const QString a1 = codes[0];
    const QString a2 = codes[1];
    const QString a3 = codes[2];

    bool allFound = false;
    if (!download_.busy()) {
        panel.setText(QStringLiteral("Bitte warten, Daten werden geholt...   "));
        panel.setTop(kPanelShown);
        const bool ivao = w_.Check3.value() == 1;
        using S = ServiceAddresses::Service;
        QString all;
        for (const QString& code : {a1, a2, a3}) {
            panel.setText(panel.text() + QStringLiteral("X "));
            const auto answer =
                services_.fetch(download_, ivao ? S::IvaoNetworkMetar : S::NoaaMetar, code);
            if (!answer) {
                return;
            }
            QString rk = *answer;
            if (!ivao) {
                rk = ServiceAddresses::cutNoaaReport(rk, code);
            }
            all += rk;
        }
        // Each line takes the report from where its airport's code first stands.
        panel.setText(QString());
        qsizetype p = text::instr(all, a1);
        if (p != 0) {
            w.metarExtract = metar::normalise(text::mid(all, p, 100));
        }
        // All three lines follow the first airport's wind; 180 still counts as east.
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
        QStringList proxied;
        for (const QString& code : {a1, a2, a3}) {
            const QString by = reportedBy(services_, code);
            if (!by.isEmpty()) {
                proxied.append(by);
            }
        }
        panel.setToolTip(proxied.join(QLatin1Char('\n')));
        panel.setTop(kPanelShown);
        panel.setText(panel.text() + overviewLine(w.metarExtract, 1, s.overviewRunway1) +
                      QStringLiteral("\r\n"));
        p = text::instr(all, a2);
        if (p != 0) {
            w.metarExtract = metar::normalise(text::mid(all, p, 100));
        }
        panel.setTop(kPanelShown);
        panel.setText(panel.text() + overviewLine(w.metarExtract, 2, s.overviewRunway2) +
                      QStringLiteral("\r\n"));
        p = text::instr(all, a3);
        if (p != 0) {
            w.metarExtract = metar::normalise(text::mid(all, p, 100));
        }
        panel.setText(panel.text() + overviewLine(w.metarExtract, 1, s.overviewRunway3));
        allFound = p != 0 && text::instr(all, a1) != 0 && text::instr(all, a2) != 0;
    }
    // The extract still at Tegel means the other two were not found; a run that
    // found all three (Tegel listed last) keeps its lines.
    if (!allFound && text::left(w.metarExtract, 4) == QLatin1String("EDDT")) {
        panel.setText(kTimeoutText);
    }
    // The transition level moves below the panel.
    w_.Label2.setTop(kLevelTopUnderPanel);
}

void Overview::Text19_DblClick() {
    w_.Label2.setTop(kLevelTop);
    w_.Text19.setTop(kPanelHidden);
}

} // namespace vellaro
