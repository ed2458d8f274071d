#include "strips/Clearance.h"

#include "core/Console.h"
#include "core/Text.h"
#include "strips/StripRows.h"

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

Clearance::Clearance(Console& console) : c_(console) {
    Form& f = c_.form1();
    for (int n = 0; n < kStripRows; ++n) {
        f.text(QStringLiteral("Text7"), n).onGotFocus = [this, n] { releaseRequest(n); };
    }
}

void Clearance::fgc(int n) {
    const Form& f = c_.form1();
    c_.putOnClipboard(clearanceText(
        f.text(QStringLiteral("Text11"), n).text(), f.text(QStringLiteral("Text9"), n).text(),
        f.text(QStringLiteral("Text12")).text(), f.text(QStringLiteral("Text10"), n).text()));
    c_.stripRows().toggleRowColour(n);
}

void Clearance::releaseRequest(int n) {
    const Form& f = c_.form1();
    c_.putOnClipboard(releaseText(f.text(QStringLiteral("Text7"), n).text(),
                                  f.text(QStringLiteral("Text9"), n).text(),
                                  f.text(QStringLiteral("Text12")).text()));
}

} // namespace vellaro
