#include "panels/FrequencyLists.h"

#include "core/ConsoleState.h"
#include "core/DataFiles.h"
#include "core/DefaultFiles.h"
#include "core/MainWindow.h"
#include "platform/MessageBoxService.h"

namespace vellaro {

namespace {

// Both messages ask for the "ATC" button, also the one of freq2.txt.
QString createdMessage(const QString& name) {
    return QString::fromUtf8(
               "Es wurde die Datei %1 erstellt. Wenn Sie nicht in Berlin controllen sollten, dann "
               "können sie jetzt selber mit einem normalen Texteditor diese Datei nach Ihren "
               "Wünschen für Ihren Flughafen editieren! Ansonsten drücken Sie jetzt noch zweimal "
               "den ATC-Button. Diese Meldung erscheint nur, wenn die Datei %1 vorher noch nicht "
               "vorhanden war.")
        .arg(name);
}

const DefaultFile& freq1() {
    static const DefaultFile file{QStringLiteral("freq1.txt"),
                                  {QStringLiteral("APP 119.625"), QStringLiteral("CTR 123.225"),
                                   QStringLiteral("DEP 120.625"), QStringLiteral("DIR 136.100"),
                                   QStringLiteral("Kopn 128.75"), QStringLiteral("Brem 125.65"),
                                   QStringLiteral("Fran 120.80"), QStringLiteral("Wars 134.12"),
                                   QStringLiteral("Lei-A 124.17")},
                                  createdMessage(QStringLiteral("freq1.txt"))};
    return file;
}

const DefaultFile& freq2() {
    static const DefaultFile file{
        QStringLiteral("freq2.txt"),
        {QStringLiteral("TXL TWR 124.525"), QStringLiteral("TXL GND 121.925"),
         QStringLiteral("SXF TWR 120.025"), QStringLiteral("SXF GND 121.600")},
        createdMessage(QStringLiteral("freq2.txt"))};
    return file;
}

} // namespace

FrequencyLists::FrequencyLists(MainWindow& w, ConsoleState& state, const DataFiles& files,
                               MessageBoxService& messages)
    : w_(w), state_(state), files_(files), messages_(messages) {
    w.Command1.onClick = [this] { Command1_Click(); };
    w.Command2.onClick = [this] { Command2_Click(); };
}

void FrequencyLists::Command1_Click() {
    step(freq1(), w_.Label5, state_.atcLineIndex);
}

void FrequencyLists::Command2_Click() {
    step(freq2(), w_.Label7, state_.conLineIndex);
}

void FrequencyLists::step(const DefaultFile& file, Label& label, int& shown) {
    // Read anew on every press, so lines added meanwhile show up.
    const auto r = files_.readLines(file.name);
    if (r.ok() && shown < r.lines.size()) {
        label.setCaption(r.lines.at(shown));
        ++shown;
        return;
    }
    // Past the last line, or no list at all: blank, and the list starts over.
    label.setCaption(QString());
    shown = 0;
    if (r.missing()) {
        readOrCreate(files_, file, [this](const QString& m) { messages_.show(m); });
    }
}

} // namespace vellaro
