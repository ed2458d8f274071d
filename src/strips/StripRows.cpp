#include "strips/StripRows.h"

#include "core/Console.h"
#include "flightlog/FlightLog.h"
#include "strips/Clearance.h"

namespace vellaro {

namespace {

// Buttons beside the rows, by row: colour toggle, move to first, delete.
const std::array<const char*, kStripRows> kColourButtons = {
    "Command29", "Command27", "Command28", "Command30", "Command31", "Command32", "Command33"};
const std::array<const char*, kStripRows> kFirstButtons = {
    nullptr, "Command21", "Command22", "Command23", "Command24", "Command25", "Command26"};
const std::array<const char*, kStripRows> kDeleteButtons = {
    "Command17", "Command11", "Command12", "Command13", "Command14", "Command15", "Command16"};

} // namespace

StripRows::StripRows(Console& console) : c_(console) {
    Form& f = c_.form1();
    for (int n = 0; n < kStripRows; ++n) {
        f.button(QString::fromLatin1(kColourButtons[n])).onClick = [this, n] {
            c_.clearance().fgc(n);
        };
        if (kFirstButtons[n] != nullptr) {
            f.button(QString::fromLatin1(kFirstButtons[n])).onClick = [this, n] { auf1(n); };
        }
        f.button(QString::fromLatin1(kDeleteButtons[n])).onClick = [this, n] { deleteWithLog(n); };
        box(0, n).onDblClick = [this, n] { quickClear(n); };
        box(4, n).onDblClick = [this, n] { markLanding(n); };
    }
    f.button(QStringLiteral("Command19")).onClick = [this] { deleteAll(); };
}

TextBox& StripRows::box(int column, int row) const {
    return c_.form1().text(QString::fromLatin1(kRowBoxes[column]), row);
}

void StripRows::setRowColour(int n, qint64 colour) {
    for (int col = 0; col < 5; ++col) {
        box(col, n).setForeColor(colour);
    }
}

void StripRows::hideFlightPlan() {
    for (const char* name : {"Text16", "Text17"}) {
        TextBox& plan = c_.form1().text(QString::fromLatin1(name));
        plan.setText(QString());
        plan.setVisible(false);
    }
}

void StripRows::deleteWithLog(int n) {
    c_.flightLog().log(n);
    if (n == 0) {
        c_.form1().label(QStringLiteral("Label23")).setCaption(QString());
    }
    for (int col = 0; col < 5; ++col) {
        box(col, n).setText(QString());
    }
    c_.form1().setFocus(box(0, n));
    c_.clearance().fgc(n);
}

void StripRows::auf1(int n) {
    if (n <= 0 || n >= kStripRows) {
        return;
    }
    std::array<QString, 5> firstTexts;
    for (int col = 0; col < 5; ++col) {
        firstTexts[col] = box(col, 0).text();
    }
    const Colour firstColour = box(0, 0).foreColor();
    for (int col = 0; col < 5; ++col) {
        box(col, 0).setText(box(col, n).text());
    }
    for (int col = 0; col < 5; ++col) {
        box(col, 0).setForeColor(box(col, n).foreColor());
    }
    for (int col = 0; col < 5; ++col) {
        box(col, n).setText(firstTexts[col]);
    }
    setRowColour(n, firstColour);
}

void StripRows::toggleRowColour(int n) {
    setRowColour(n, box(0, n).foreColor() == kRed ? kBlack : kRed);
}

void StripRows::deleteAll() {
    for (int n = 0; n < kStripRows; ++n) {
        for (int col = 0; col < 5; ++col) {
            box(col, n).setText(QString());
        }
        setRowColour(n, kBlack);
        hideFlightPlan();
    }
}

void StripRows::quickClear(int n) {
    c_.form5().setVisible(false);
    if (box(0, n).text().isEmpty()) {
        c_.form1().label(QStringLiteral("Label23")).setCaption(QString());
        for (int col = 1; col < 5; ++col) {
            box(col, n).setText(QString());
        }
        hideFlightPlan();
    }
    box(0, n).setText(QString());
}

void StripRows::markLanding(int n) {
    box(4, n).setText(QStringLiteral("Landung RWY ") +
                      c_.form1().text(QStringLiteral("Text4")).text());
    setRowColour(n, kLandingGreen);
}

} // namespace vellaro
