#include "flightlog/TodaysFlights.h"

#include "core/Conventions.h"
#include "core/DataFiles.h"
#include "core/MainWindow.h"
#include "core/Text.h"
#include "flightlog/LogScan.h"
#include "flightlog/TodaysFlightsWindow.h"
#include "platform/ProgramLauncher.h"
#include "platform/ScreenInfo.h"

#include <QDir>

namespace vellaro {

namespace {

const QString kLogFile = QStringLiteral("log.txt");
// The five strip fields and the blank after them; date, time and runway stay out.
constexpr qsizetype kShownColumns = 80;

QString aircraftCount(int n) {
    return QString::number(n) + QStringLiteral(" Flugzeuge");
}

} // namespace

TodaysFlights::TodaysFlights(MainWindow& w, TodaysFlightsWindow& today, const DataFiles& files,
                             const Clock& clock, const ScreenInfo& screen,
                             ProgramLauncher& launcher)
    : w_(w), today_(today), files_(files), clock_(clock), screen_(screen), launcher_(launcher) {
    w.Command5.onClick = [this] { Command5_Click(); };
    w.Command7.onClick = [this] { Command7_Click(); };
    w.Label27.onClick = [this] { Label27_Click(); };
    w.Label18.onDblClick = [this] { Label18_DblClick(); };
    today.form.onLoad = [this] { Form_Load(); };
    today.Timer1.onTimer = [this] { Timer1_Timer(); };
    today.Command1.onClick = [this] { Command1_Click(); };
}

void TodaysFlights::Command5_Click() {
    const int top = w_.form.height() + w_.form.top() + 10 + 700;
    today_.form.load();
    today_.form.setTop(top);
    today_.form.setVisible(true);
    today_.Timer1.setTimerEnabled(true);
}

void TodaysFlights::Form_Load() {
    Form& f = today_.form;
    f.setLeft(centredLeft(screen_.size().width(), f.width()));
    f.setTop(6000);
    today_.Timer1.setTimerEnabled(true);
}

void TodaysFlights::Timer1_Timer() {
    testit();
    today_.Timer1.setTimerEnabled(false);
}

void TodaysFlights::Command1_Click() {
    today_.form.setVisible(false);
}

void TodaysFlights::testit() {
    int count = 0;
    today_.Label2.setCaption(aircraftCount(count));
    const QString today = text::trim(dateText(clock_));
    today_.Text1.setText(QString());
    // Gathered first and shown once: the list never shows half a file.
    QString shown;
    scanLines(files_.path(kLogFile), today, [&](QByteArrayView line) {
        shown += fromWindows1252(line.first(std::min(line.size(), kShownColumns)).toByteArray());
        shown += QLatin1String("\r\n");
        ++count;
    });
    today_.Text1.setText(shown);
    today_.Label2.setCaption(aircraftCount(count));
    if (!shown.isEmpty()) {
        today_.Text1.setSelStart(int(shown.size()) - 1);
    }
}

void TodaysFlights::Command7_Click() {
    // The path is one argument and no shell sees it, so blanks in the folder are safe.
    launcher_.openTextFile(QDir::toNativeSeparators(files_.path(kLogFile)));
}

} // namespace vellaro
