#include "strips/Telephony.h"

#include "core/ConsoleState.h"
#include "core/DefaultFiles.h"
#include "core/MainWindow.h"
#include "core/Text.h"
#include "platform/MessageBoxService.h"

#include <QScopedValueRollback>

namespace vellaro {

namespace {

// Key in columns 1 to 3, one separator, the box text from column 5 on.
constexpr int kKeyLength = 3;
constexpr int kReplacementColumn = 5;

} // namespace

Telephony::Telephony(MainWindow& window, const ConsoleState& state, const DataFiles& files,
                     MessageBoxService& messages)
    : w_(window), state_(state), files_(files), messages_(messages) {}

const DefaultFile& Telephony::defaultFile() {
    static const DefaultFile file{
        QStringLiteral("airlines.txt"),
        {
            QStringLiteral("amc Air_Malta AMC"),   QStringLiteral("aza Alitalia AZA"),
            QStringLiteral("baw Speedbird BAW"),   QStringLiteral("ber Air Berlin BER"),
            QStringLiteral("cal Cardinal CAL"),    QStringLiteral("cfg Condor CFG"),
            QStringLiteral("dlh Lufthansa DLH"),   QStringLiteral("efp Eurofly EFP"),
            QStringLiteral("ein Shamrock EIN"),    QStringLiteral("eua Europa  EUA"),
            QStringLiteral("ewg Eurowings EWG"),   QStringLiteral("flw Flywings FLW"),
            QStringLiteral("gal Germ Airl. GAL"),  QStringLiteral("gew Blueflight GEW"),
            QStringLiteral("gwg Ger.Airwing GWG"), QStringLiteral("gxp Global_Expr GXP"),
            QStringLiteral("lha Leipzig Air LHA"), QStringLiteral("mah Malev MAH"),
            QStringLiteral("nbl Noble NBL"),       QStringLiteral("say Swiss SAY"),
            QStringLiteral("swr Swissair SWR"),    QStringLiteral("tff Friendship TFF"),
            QStringLiteral("tha Thai THA"),        QStringLiteral("thy Türkisch THY"),
            QStringLiteral("woh HOLIDAY WOH"),
        },
        QStringLiteral(
            "Es wurde die Datei airlines.txt erstellt. Sie können jetzt selber mit einem normalen "
            "Texteditor diese Datei nach Ihren Wünschen editieren! Diese Meldung erscheint nur, "
            "wenn die Datei airlines.txt vorher noch nicht vorhanden war. Drücken Sie jetzt OK "
            "und geben sie nochmals Ihr Callsign ein!")};
    return file;
}

void Telephony::airlines() {
    if (expanding_) {
        return;
    }
    const QScopedValueRollback<bool> guard(expanding_, true);
    TextBox& box = w_.Text7[state_.lookupRow];
    // A new file is not read in the same call: the box empties and the user types again.
    const DefaultFileRead r = readOrCreate(files_, defaultFile(), [&](const QString& message) {
        box.setText(QString());
        messages_.show(message);
    });
    if (!r.read()) {
        return;
    }
    // Every line is tried against the box as it stands then, not only the first match.
    for (const QString& line : r.lines) {
        if (text::left(line, kKeyLength) == text::left(box.text(), kKeyLength)) {
            box.setText(text::trim(text::mid(line, kReplacementColumn)));
        }
    }
}

} // namespace vellaro
