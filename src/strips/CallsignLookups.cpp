#include "strips/CallsignLookups.h"

#include "core/MainWindow.h"
#include "strips/HandledMark.h"

namespace vellaro {

CallsignLookups::CallsignLookups(MainWindow& w, HandledMark& handled) : w_(w), handled_(handled) {}

// The network lookups land with the network work; until then these do nothing.
void CallsignLookups::textMacroLookup(int) {}
void CallsignLookups::hideMacroBox(int) {}
void CallsignLookups::callsignHistory(int) {}
void CallsignLookups::threeAirportWeather(int) {}
void CallsignLookups::aerodromeList(int) {}
void CallsignLookups::publicAddress(int) {}

} // namespace vellaro
