#include "panels/FlightLevels.h"

#include "core/ConsoleState.h"
#include "core/MainWindow.h"

#include <array>

namespace vellaro {

namespace {

constexpr int kShownTop = 1040;
constexpr int kHiddenTop = 6480;

} // namespace

FlightLevels::FlightLevels(MainWindow& w, ConsoleState& state) : w_(w), state_(state) {
    w.Command43.onClick = [this] { Command43_Click(); };
}

void FlightLevels::Command43_Click() {
    const bool show = state_.flTablesClosed == 1;
    const std::array<Control*, 5> lists = {&w_.Combo1, &w_.Combo2, &w_.Combo3, &w_.Combo4,
                                           &w_.Label20};
    for (Control* c : lists) {
        c->setTop(show ? kShownTop : kHiddenTop);
    }
    state_.flTablesClosed = show ? 0 : 1;
}

} // namespace vellaro
