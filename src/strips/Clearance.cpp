#include "strips/Clearance.h"

#include "core/Conventions.h"
#include "core/MainWindow.h"
#include "core/Text.h"

namespace vellaro {

QString clearanceText(const QString& remarks, const QString& route, const QString& initialClimb,
                      const QString& squawk) {
    return QStringLiteral("You're cleared to DEST ") + remarks + QStringLiteral(" via ") + route +
           QStringLiteral(" DEP, flight planned route, initial climb ") + initialClimb +
           QStringLiteral("ft, Squawk ") + squawk;
}

QString releaseText(const QString& callsignBox, const QString& route, const QString& initialClimb) {
    // The box may hold the spoken airline name first; the callsign is at its end.
    const QString callsign = text::trim(text::right(callsignBox, 7));
    return QStringLiteral("APP! Request release ") + callsign + QStringLiteral(" via ") + route +
           QStringLiteral(" DEP") + QStringLiteral(", IC=") + initialClimb + QStringLiteral("ft.");
}

Clearance::Clearance(MainWindow& window, Clipboard& clipboard)
    : w_(window), clipboard_(clipboard) {}

void Clearance::fgc(int n) {
    putOnClipboard(clipboard_, clearanceText(w_.Text11[n].text(), w_.Text9[n].text(),
                                             w_.Text12.text(), w_.Text10[n].text()));
    toggleRowColour(n);
}

void Clearance::releaseRequest(int n) {
    putOnClipboard(clipboard_,
                   releaseText(w_.Text7[n].text(), w_.Text9[n].text(), w_.Text12.text()));
}

void Clearance::toggleRowColour(int n) {
    const Colour colour = w_.Text7[n].foreColor() == kRed ? kBlack : kRed;
    for (TextBox* box : w_.row(n)) {
        box->setForeColor(colour);
    }
}

} // namespace vellaro
