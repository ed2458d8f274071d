#include "strips/StripRows.h"

#include "core/ChartWindow.h"
#include "core/MainWindow.h"
#include "flightlog/FlightLog.h"
#include "strips/Clearance.h"

namespace vellaro {

StripRows::StripRows(MainWindow& window, ChartWindow& charts, FlightLog& flightLog,
                     Clearance& clearance)
    : w_(window), charts_(charts), flightLog_(flightLog), clearance_(clearance) {
    for (int n = 0; n < kStripRows; ++n) {
        w_.rowColourButton[n]->onClick = [this, n] { clearance_.fgc(n); };
        if (Button* first = w_.rowFirstButton[n]) {
            first->onClick = [this, n] { auf1(n); };
        }
        w_.rowDeleteButton[n]->onClick = [this, n] { Command17_Click(n); };
        w_.Text11[n].onDblClick = [this, n] { Text11_DblClick(n); };
    }
    w_.Command19.onClick = [this] { Command19_Click(); };
}

void StripRows::setRowColour(int n, Colour colour) {
    for (TextBox* box : w_.row(n)) {
        box->setForeColor(colour);
    }
}

void StripRows::Command17_Click(int n) {
    flightLog_.log(n);
    if (n == 0) {
        w_.Label23.setCaption(QString());
    }
    for (TextBox* box : w_.row(n)) {
        box->setText(QString());
    }
    w_.form.setFocus(w_.Text7[n]);
    clearance_.fgc(n);
}

void StripRows::auf1(int n) {
    if (n <= 0 || n >= kStripRows) {
        return;
    }
    const auto first = w_.row(0);
    const auto other = w_.row(n);
    std::array<QString, 5> firstTexts;
    for (std::size_t col = 0; col < 5; ++col) {
        firstTexts[col] = first[col]->text();
    }
    const Colour firstColour = first[0]->foreColor();
    for (std::size_t col = 0; col < 5; ++col) {
        first[col]->setText(other[col]->text());
    }
    for (std::size_t col = 0; col < 5; ++col) {
        first[col]->setForeColor(other[col]->foreColor());
    }
    for (std::size_t col = 0; col < 5; ++col) {
        other[col]->setText(firstTexts[col]);
    }
    setRowColour(n, firstColour);
}

void StripRows::Command19_Click() {
    for (int n = 0; n < kStripRows; ++n) {
        for (TextBox* box : w_.row(n)) {
            box->setText(QString());
        }
        setRowColour(n, kBlack);
        w_.hideFlightPlan();
    }
}

void StripRows::Text7_DblClick(int n) {
    charts_.form.setVisible(false);
    TextBox& callsign = w_.Text7[n];
    if (callsign.text().isEmpty()) {
        w_.Label23.setCaption(QString());
        const auto boxes = w_.row(n);
        for (std::size_t col = 1; col < 5; ++col) {
            boxes[col]->setText(QString());
        }
        w_.hideFlightPlan();
    }
    callsign.setText(QString());
}

void StripRows::Text11_DblClick(int n) {
    w_.Text11[n].setText(QStringLiteral("Landung RWY ") + w_.Text4.text());
    setRowColour(n, kLandingGreen);
}

} // namespace vellaro
