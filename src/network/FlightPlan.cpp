#include "network/FlightPlan.h"

#include "core/ConsoleState.h"
#include "core/Download.h"
#include "core/MainWindow.h"
#include "core/Text.h"
#include "network/Whazzup.h"
#include "network/WhazzupRecord.h"

namespace vellaro {

namespace {

constexpr int kListLeft = 2415;
constexpr int kListTop = 1680;

} // namespace

FlightPlan::FlightPlan(MainWindow& w, ConsoleState& state, const Download& download,
                       Whazzup& whazzup)
    : w_(w), state_(state), download_(download), whazzup_(whazzup) {
    w_.Command42.onClick = [this] { Command42_Click(); };
    w_.Text20.onClick = [this] { Text20_Click(); };
}

bool FlightPlan::getwhat(const QString& key, int row) {
    if (!whazzup_.getwhazz()) {
        return false;
    }
    qsizetype p = 0;
    const QString destination = whazzup::destination(state_.webText, key, &p);
    if (p == 0) {
        w_.Text8[row].setText(QString());
        w_.Text16.setText(QStringLiteral("Nix gefunden"));
        w_.Text17.setText(QStringLiteral("----"));
        w_.Text11[row].setText(QString());
        return true;
    }
    w_.Text8[row].setText(destination);
    TextBox& route = w_.Text9[row];
    route.form().setFocus(route);
    return true;
}

void FlightPlan::getstrip(const QString& key) {
    const qsizetype p = text::instr(state_.webText, key);
    if (p == 0) {
        return;
    }
    const whazzup::FlightPlanBoxes plan = whazzup::flightPlanBoxes(state_.webText, p);
    w_.Text16.setText(plan.routeAndRemarks);
    w_.Text17.setText(plan.departure);
}

void FlightPlan::Command42_Click() {
    TextBox& list = w_.Text20;
    if (!download_.busy()) {
        list.setText(QString());
        list.setLeft(kListLeft);
        list.setTop(kListTop);
        list.setVisible(true);
        if (!whazzup_.getwhazz()) {
            return;
        }
        list.setText(whazzup::aerodromeList(state_.webText, aerodromeCode_));
    }
    if (list.text().isEmpty()) {
        list.setText(QStringLiteral("nix da"));
    }
}

void FlightPlan::Text20_Click() {
    w_.Text20.setVisible(false);
}

} // namespace vellaro
