#include "network/Whazzup.h"

#include "core/ConsoleState.h"
#include "core/MainWindow.h"
#include "network/ServiceAddresses.h"
#include "network/WhazzupRecord.h"

namespace vellaro {

Whazzup::Whazzup(MainWindow& w, ConsoleState& state, const Download& download,
                 const ServiceAddresses& services)
    : w_(w), state_(state), download_(download), services_(services) {}

bool Whazzup::getwhazz() {
    using S = ServiceAddresses::Service;
    auto answer = services_.fetch(download_, S::Whazzup);
    if (!answer) {
        return false;
    }
    state_.webText = *answer;
    if (!whazzup::isStatusFile(state_.webText)) {
        answer = services_.fetch(download_, S::WhazzupFallback);
        if (!answer) {
            return false;
        }
        state_.webText = *answer;
    }
    if (!whazzup::isStatusFile(state_.webText)) {
        // Only into empty boxes: a failing server must not take the controller's remarks.
        if (w_.Text11[0].text().isEmpty()) {
            w_.Text11[0].setText(QStringLiteral("Whazzup.txt not found !"));
        }
        if (w_.Text11[1].text().isEmpty()) {
            w_.Text11[1].setText(QStringLiteral("Maybe IVAO Server is down !"));
        }
    }
    return true;
}

} // namespace vellaro
