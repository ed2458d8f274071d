#include "strips/CallsignLookups.h"

#include "core/ConsoleState.h"
#include "core/MainWindow.h"

namespace vellaro {

CallsignLookups::CallsignLookups(MainWindow& w, ConsoleState& state) : w_(w), state_(state) {}

// The network lookups land with the network work; until then these do nothing.
void CallsignLookups::textMacroLookup(int) {}
void CallsignLookups::hideMacroBox(int) {}
void CallsignLookups::callsignHistory(int) {}
void CallsignLookups::threeAirportWeather(int) {}
void CallsignLookups::aerodromeList(int) {}
void CallsignLookups::publicAddress(int) {}

} // namespace vellaro
