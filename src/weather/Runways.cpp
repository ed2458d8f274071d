#include "weather/Runways.h"

#include "core/Console.h"
#include "core/Text.h"

namespace vellaro {

using text::mid;

Runways::Runways(Console& console) : c_(console) {}

QStringList Runways::defaultLines() {
    return {
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
    };
}

void Runways::loadrwy() {
    const auto lines = c_.readOrCreate(
        QStringLiteral("rwy.txt"), defaultLines(),
        QStringLiteral("Es wurde die Datei rwy.txt erstellt. Wenn Sie nicht in Berlin controllen "
                       "sollten, dann können sie jetzt selber mit einem normalen Texteditor diese "
                       "Datei nach Ihren Wünschen für Ihren Flughafen editieren! Diese Meldung "
                       "erscheint nur, wenn die Datei rwy.txt vorher noch nicht vorhanden war."));
    if (!lines) {
        return;
    }
    Form& f = c_.form1();
    const QString station = f.label(QStringLiteral("Label8")).caption();
    TextBox& landing = f.text(QStringLiteral("Text4"));
    TextBox& takeoff = f.text(QStringLiteral("Text5"));
    for (const QString& line : *lines) {
        if (text::left(line, 4) != station) {
            continue;
        }
        const double w = text::numericValue(f.text(QStringLiteral("Text1")).text());
        const double n = text::numericValue(mid(line, 6, 2));
        if ((w < 180 && n <= 17) || (w >= 180 && n >= 18)) {
            landing.setText(mid(line, 6, 3));
            takeoff.setText(mid(line, 10, 3));
        }
    }
}

} // namespace vellaro
