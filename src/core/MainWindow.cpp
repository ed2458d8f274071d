#include "core/MainWindow.h"

#include <cmath>

namespace vellaro {

std::array<Button*, kStripRows>
MainWindow::rowButtons(const std::array<const char*, kStripRows>& names) {
    std::array<Button*, kStripRows> out{};
    for (int n = 0; n < kStripRows; ++n) {
        out[n] = names[n] != nullptr ? &bind_.get<Button>(names[n]) : nullptr;
    }
    return out;
}

std::array<TextBox*, 5> MainWindow::row(int n) const {
    return {&Text7[n], &Text8[n], &Text9[n], &Text10[n], &Text11[n]};
}

void MainWindow::hideFlightPlan() const {
    for (TextBox* plan : {&Text16, &Text17}) {
        plan->setText(QString());
        plan->setVisible(false);
    }
}

int centredLeft(int screenWidthPx, int windowWidthTwips) {
    const float leftPx = (float(screenWidthPx) - float(windowWidthTwips) / kTwipsPerPixel) / 2;
    return int(std::lround(leftPx * kTwipsPerPixel));
}

} // namespace vellaro
