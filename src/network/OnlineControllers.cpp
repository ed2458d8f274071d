#include "network/OnlineControllers.h"

#include "core/ConsoleState.h"
#include "core/DefaultFiles.h"
#include "core/Download.h"
#include "core/MainWindow.h"
#include "network/Whazzup.h"
#include "network/WhazzupRecord.h"

namespace vellaro {

namespace {

constexpr int kPanelHidden = 6480;

const DefaultFile& controlFile() {
    static const DefaultFile file{
        QStringLiteral("control.txt"),
        {QStringLiteral("EDDT_GND"), QStringLiteral("EDDT_TWR"), QStringLiteral("EDDI_GND"),
         QStringLiteral("EDDI_TWR"), QStringLiteral("EDDB_GND"), QStringLiteral("EDDB_TWR"),
         QStringLiteral("EDBB_APP"), QStringLiteral("EDBB_DEP"), QStringLiteral("EDBB_1_APP"),
         QStringLiteral("EDBB_CTR"), QStringLiteral("EDBB_1_CTR"), QStringLiteral("EDDP_APP"),
         QStringLiteral("EDBB_OBS")},
        QStringLiteral(
            "Es wurde die Datei control.txt erstellt. Wenn Sie nicht in Berlin controllen "
            "sollten, dann können sie jetzt selber mit einem normalen Texteditor diese Datei "
            "nach Ihren Wünschen für Ihren Flughafen editieren! Ansonsten drücken Sie jetzt noch "
            "zweimal den Controller-Button. Diese Meldung erscheint nur, wenn die Datei "
            "controller.txt vorher noch nicht vorhanden war.")};
    return file;
}

} // namespace

OnlineControllers::OnlineControllers(MainWindow& w, ConsoleState& state, const DataFiles& files,
                                     const Download& download, Whazzup& whazzup)
    : w_(w), state_(state), files_(files), download_(download), whazzup_(whazzup) {
    w_.Command3.onClick = [this] { Command3_Click(); };
    w_.Timer4.onTimer = [this] { Timer4_Timer(); };
    w_.Text21.onDblClick = [this] { Text21_DblClick(); };
}

void OnlineControllers::Command3_Click() {
    if (download_.busy()) {
        return;
    }
    TextBox& panel = w_.Text21;
    panel.setLeft(0);
    panel.setTop(0);
    panel.setText(QStringLiteral("hole Daten ..."));
    if (state_.controllerPanelClosed != 1) {
        w_.Timer4.setTimerEnabled(false);
        closePanel();
        return;
    }
    if (!whazzup_.getwhazz()) {
        return;
    }
    panel.setText(QString());
    const DefaultFileRead r =
        readOrCreate(files_, controlFile(), [&panel](const QString& m) { panel.setText(m); });
    for (const QString& station : r.lines) {
        getcontroller(station);
    }
    if (panel.text().isEmpty()) {
        panel.setText(QStringLiteral("Es sind z.Z. keine Controller aktiv"));
        w_.Timer4.setTimerEnabled(true);
    }
    state_.controllerPanelClosed = 0;
    state_.ilsPanelClosed = 0;
}

void OnlineControllers::getcontroller(const QString& station) {
    const QString line = whazzup::controllerLine(state_.webText, station);
    if (!line.isEmpty()) {
        w_.Text21.setText(w_.Text21.text() + line);
    }
}

void OnlineControllers::Timer4_Timer() {
    w_.Timer4.setTimerEnabled(false);
    closePanel();
}

void OnlineControllers::Text21_DblClick() {
    closePanel();
}

void OnlineControllers::closePanel() {
    w_.Text21.setTop(kPanelHidden);
    state_.controllerPanelClosed = 1;
    state_.ilsPanelClosed = 1;
}

} // namespace vellaro
