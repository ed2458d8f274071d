#include "panels/HelpAndTimer.h"

#include "core/ConsoleState.h"
#include "core/MainWindow.h"

namespace vellaro {

namespace {

// The help box's text, one entry per line; each line ends in CR LF.
const char* const kHelpLines[] = {
    "In diesem Fenster kann mit den Pfeiltasten weiter gescrollt werden.",
    "",
    "SQUAWK:",
    "Wird in das Squawk-Feld ein \"a\" eingetippt, so erfolgt eine automatische ",
    "Squawk Vergabe. Der Squawk-Anfangswert kann über das ",
    "Feld \"Next Squawk\" voreingestellt werden.",
    "S-Button= Selbst-eingestellten-Squawk laden",
    "L-Button= Letzten Squawk laden",
    "In der Datei C:\\squawk.txt ist der erste Wert der S-Wert und der zweite der ",
    "L-Wert und kann hier geändert werden.",
    "",
    "CALLSIGN:",
    "Zum Teil wird das Callsign im Klartext übersetzt. Beispiel:",
    "Aus cfg440 wird \"Condor cfg440\"",
    "",
    "ATIS:",
    "Wenn sich ein kompletter METAR-ATIS in der Zwischenablage befindet,",
    "dann muß man nur noch den ATIS-Button drücken. Wind, Windstärke, QNH ",
    "und die Landebahnen werden dann in die jeweiligen Felder automatisch ",
    "eingesetzt. Sollte sich kein ATIS in der Zwischenablage befinden, so erscheint ",
    "eine \"ERR\" Meldung!",
    "",
    "AutoAtis:",
    "Gebe als Beispiel EDDT in das Feld unter dem Button AutoAtis ein und drücke ",
    "AutoAtis. Jetzt wird aus dem Internet der aktuelle Atis geholt und alle 10 ",
    "Minuten automatisch neu erstellt.",
    "In dem Feld unter dem Button\" AutoAtis\",  befindet sich dann die Uhrzeit vom ",
    "Atis, und rechts daneben steht die aktuelle Atis Information ",
    "(als Beispiel \"A\"=Informtion Alpha)",
    "Rote Markierung = AutoAtis deaktiviert",
    "Grüne Markierung= AutoAtis ist aktiv",
    "",
    "Checkbox:",
    "Wenn sich in der Checkbox ein Haken befindet, dann bleibt die Vellaro ",
    "immer im Vordergrund!",
    "",
    "Fa-Button:",
    "Farbänderung zwischen ROT und SCHWARZ",
    "",
    "1.-Button:",
    "Nimmt diesen Flugstreifen an die erste Position und tauscht mit der oberen.",
    "",
    "Lö-Button:",
    "Löscht den Flugstreifen. Vorher wird die ganze Zeile mit Datum/Uhrzeit und ",
    "Startbahn in eine LOG-Datei geschrieben. (log.txt)",
    "",
    "A-Button:",
    "Löscht alle Flugstreifen!",
};

constexpr int kHelpShownTop = 0;
constexpr int kHelpAwayTop = 5880;
constexpr int kHelpWindowHeight = 5595;
constexpr int kOverviewAwayTop = 9120;

} // namespace

QString helpText() {
    QString text;
    for (const char* line : kHelpLines) {
        text += QString::fromUtf8(line) + QLatin1String("\r\n");
    }
    return text;
}

HelpAndTimer::HelpAndTimer(MainWindow& w, ConsoleState& state) : w_(w), state_(state) {
    w.Text15.setText(helpText());
    w.Command35.onClick = [this] { Command35_Click(); };
    w.form.onMouseDown = [this] { Form_MouseDown(); };
    w.Command39.onClick = [this] { Command39_Click(); };
    w.Timer1.onTimer = [this] { Timer1_Timer(); };
}

void HelpAndTimer::Command35_Click() {
    if (w_.Text15.top() != kHelpShownTop) {
        w_.Text15.setTop(kHelpShownTop);
        w_.Label1.setCaption(QStringLiteral("DEP"));
        w_.form.setHeight(kHelpWindowHeight);
    } else {
        w_.Text15.setTop(kHelpAwayTop);
    }
    w_.Text19.setTop(kOverviewAwayTop);
}

void HelpAndTimer::Form_MouseDown() {
    w_.Text15.setTop(kHelpAwayTop);
}

void HelpAndTimer::Command39_Click() {
    w_.Timer1.setTimerEnabled(true);
    // A press on a whole minute leaves the count running.
    if (state_.timerSeconds > 0) {
        state_.timerMinutes = 0;
        state_.timerSeconds = 0;
        w_.Timer1.setTimerEnabled(false);
        w_.Command39.setCaption(QStringLiteral("Timer"));
    }
    w_.form.setFocus(w_.Command8);
}

void HelpAndTimer::Timer1_Timer() {
    ++state_.timerSeconds;
    if (state_.timerSeconds >= 60) {
        ++state_.timerMinutes;
        state_.timerSeconds = 0;
    }
    if (state_.timerMinutes >= 59) {
        state_.timerMinutes = 0;
        state_.timerSeconds = 0;
    }
    // Blanks where a sign would stand: " 1: 7".
    w_.Command39.setCaption(
        QStringLiteral(" %1: %2").arg(state_.timerMinutes).arg(state_.timerSeconds));
}

} // namespace vellaro
