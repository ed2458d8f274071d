#include "weather/Runways.h"

#include "core/MainWindow.h"
#include "core/Text.h"
#include "platform/MessageBoxService.h"

namespace vellaro {

using text::mid;

Runways::Runways(MainWindow& window, const DataFiles& files, MessageBoxService& messages)
    : w_(window), files_(files), messages_(messages) {}

const DefaultFile& Runways::defaultFile() {
    static const DefaultFile file{
        QStringLiteral("rwy.txt"),
        {
            QStringLiteral("EDDT 08L 08R"),
            QStringLiteral("EDDT 26R 26L"),
            QStringLiteral("EDDI 09R 09R"),
            QStringLiteral("EDDI 27L 27L"),
            QStringLiteral("EDDB 07R 07R"),
            QStringLiteral("EDDB 25L 25L"),
            QStringLiteral("ETNL 10  10 "),
            QStringLiteral("ETNL 28  28 "),
            QString(),
            QStringLiteral("Eingabe-Reihenfolge: ICAO-CODE Landing-RWY TakeOff-RWY"),
            QString(),
            QStringLiteral("...jeweils für beide Richtungen eintragen!!!"),
            QStringLiteral("Je nach Windrichtung wird automatisch die richtige RWY in das richtige "
                           "Feld eingetragen!"),
            QStringLiteral("RWY's die kein R oder L besitzen, bekommen stattdessen ein Leerzeichen "
                           "(siehe ETNL)!"),
        },
        QStringLiteral("Es wurde die Datei rwy.txt erstellt. Wenn Sie nicht in Berlin controllen "
                       "sollten, dann können sie jetzt selber mit einem normalen Texteditor diese "
                       "Datei nach Ihren Wünschen für Ihren Flughafen editieren! Diese Meldung "
                       "erscheint nur, wenn die Datei rwy.txt vorher noch nicht vorhanden war.")};
    return file;
}

void Runways::loadrwy() {
    const DefaultFileRead r =
        readOrCreate(files_, defaultFile(), [this](const QString& m) { messages_.show(m); });
    if (!r.read()) {
        return;
    }
    const QString station = w_.Label8.caption();
    for (const QString& line : r.lines) {
        if (text::left(line, 4) != station) {
            continue;
        }
        const double w = text::numericValue(w_.Text1.text());
        const double n = text::numericValue(mid(line, 6, 2));
        if ((w < 180 && n <= 17) || (w >= 180 && n >= 18)) {
            w_.Text4.setText(mid(line, 6, 3));
            w_.Text5.setText(mid(line, 10, 3));
        }
    }
}

} // namespace vellaro
