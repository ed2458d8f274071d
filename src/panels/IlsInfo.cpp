#include "panels/IlsInfo.h"

#include "core/ConsoleState.h"
#include "core/DefaultFiles.h"
#include "core/MainWindow.h"

namespace vellaro {

namespace {

const DefaultFile& ilsFile() {
    static const DefaultFile file{
        QStringLiteral("ils.txt"),
        {QStringLiteral("Berlin Tegel:"),
         QString::fromUtf8("ILS 08L / 109.10 / ITLE / 081° / 3023m"),
         QString::fromUtf8("ILS 08R / 108.50 / ITGE / 081° / 2428m"),
         QString::fromUtf8("ILS 26L / 109.30 / ITGW / 261° / 2428m"),
         QString::fromUtf8("ILS 26R / 110.10 / ITLW / 261° / 3023m"), QString(),
         QStringLiteral("Berlin Tempelhof:"),
         QString::fromUtf8("ILS 09R / 109.70 / IDBR / 086° / 1840m"),
         QString::fromUtf8("ILS 27L / 109.50 / IDLB / 266° / 1840m"), QString(),
         QString::fromUtf8("Berlin Schönefeld:"),
         QString::fromUtf8("ILS 07R / 110.70 / ISSE / 067° / 3000m"),
         QString::fromUtf8("ILS 25L / 109.90 / ISSW / 247° / 3000m"),
         QString::fromUtf8("ILS 25R / 110.30 / ISLR / 247° / 2700m")},
        QString::fromUtf8(
            "Es wurde die Datei ils.txt erstellt. Wenn Sie nicht in Berlin controllen sollten, "
            "dann können sie jetzt selber mit einem normalen Texteditor diese Datei nach Ihren "
            "Wünschen für Ihren Flughafen editieren! Ansonsten drücken Sie jetzt noch zweimal den "
            "ILS-Button. Diese Meldung erscheint nur, wenn die Datei ils.txt vorher noch nicht "
            "vorhanden war.")};
    return file;
}

} // namespace

IlsInfo::IlsInfo(MainWindow& w, ConsoleState& state, const DataFiles& files)
    : w_(w), state_(state), files_(files) {
    w.Command6.onClick = [this] { Command6_Click(); };
}

void IlsInfo::Command6_Click() {
    if (state_.ilsPanelClosed == 1) {
        w_.Text21.setLeft(0);
        w_.Text21.setTop(kInfoPanelShownTop);
        state_.ilsPanelClosed = 0;
        loadils();
    } else {
        w_.Text21.setTop(kInfoPanelHiddenTop);
        state_.ilsPanelClosed = 1;
    }
}

void IlsInfo::loadils() {
    w_.Text21.setText(QString());
    const auto r =
        readOrCreate(files_, ilsFile(), [this](const QString& m) { w_.Text21.setText(m); });
    if (r.read()) {
        QString shown;
        for (const QString& line : r.lines) {
            shown += line + QLatin1String("\r\n");
        }
        w_.Text21.setText(shown);
    }
}

} // namespace vellaro
