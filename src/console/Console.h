#pragma once

#include "automation/HotkeyMacros.h"
#include "automation/InputSimulation.h"
#include "automation/QuickReplies.h"
#include "console/Lifecycle.h"
#include "core/ChartWindow.h"
#include "core/ConsoleState.h"
#include "core/DataFiles.h"
#include "core/DisplayModes.h"
#include "core/Download.h"
#include "core/GroundInfoWindow.h"
#include "core/MainWindow.h"
#include "core/StateFields.h"
#include "core/WeatherState.h"
#include "flightlog/CallsignHistory.h"
#include "flightlog/FlightLog.h"
#include "flightlog/TodaysFlights.h"
#include "flightlog/TodaysFlightsWindow.h"
#include "network/AtcClient.h"
#include "network/FlightPlan.h"
#include "network/OnlineControllers.h"
#include "network/ServiceAddresses.h"
#include "network/SquawksInUse.h"
#include "network/UpdateCheck.h"
#include "network/Whazzup.h"
#include "panels/FlightLevels.h"
#include "panels/FrequencyLists.h"
#include "panels/GroundInfo.h"
#include "panels/HelpAndTimer.h"
#include "panels/IlsInfo.h"
#include "platform/Form.h"
#include "platform/Platform.h"
#include "strips/CallsignBox.h"
#include "strips/CallsignCommands.h"
#include "strips/CallsignLookups.h"
#include "strips/Clearance.h"
#include "strips/Destination.h"
#include "strips/RouteBox.h"
#include "strips/SidCharts.h"
#include "strips/Squawk.h"
#include "strips/StripRows.h"
#include "strips/Telephony.h"
#include "weather/AtisLetter.h"
#include "weather/AtisTexts.h"
#include "weather/AutoAtis.h"
#include "weather/MetarDecoder.h"
#include "weather/MiniInfo.h"
#include "weather/MiniInfoWindow.h"
#include "weather/OkFlash.h"
#include "weather/Overview.h"
#include "weather/Runways.h"

#include <QStringList>
#include <QVariant>

#include <array>
#include <functional>
#include <memory>

namespace vellaro {

// The console: its five windows, its state and every feature, composed in one place.
// Each feature is handed what it uses; the order below is the order of construction.
class Console {
  public:
    explicit Console(Platform& platform);
    ~Console();
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

    Platform& platform() const { return platform_; }
    DataFiles& files() { return files_; }
    const DataFiles& files() const { return files_; }

    Form& form1() const { return *forms_[0]; }
    Form& form2() const { return *forms_[1]; }
    Form& form3() const { return *forms_[2]; }
    Form& form4() const { return *forms_[3]; }
    Form& form5() const { return *forms_[4]; }
    // "Form1" .. "Form5", null for any other name.
    Form* formByName(const QString& name) const;
    std::array<Form*, 5> forms() const;
    MainWindow& mainWindow() { return main_; }

    ConsoleState state;
    WeatherState weather;

    // Start-up (the window's load step), after which the window is shown.
    void start();
    // The user closes the main window: the shut-down runs, the program ends.
    void close();
    bool ended() const { return ended_; }
    std::function<void()> onEnded;

    // ConsoleState.<field> and WeatherState.<field> by name; invalid QVariant when unknown.
    QVariant stateField(const QString& qualifiedName) const { return fields_.get(qualifiedName); }
    bool setStateField(const QString& qualifiedName, const QVariant& value) {
        return fields_.set(qualifiedName, value);
    }
    QStringList stateFieldNames() const { return fields_.names(); }

    // The features, for tests that drive a procedure no control reaches directly.
    StripRows& stripRows() { return stripRows_; }
    Squawk& squawk() { return squawk_; }
    FlightLog& flightLog() { return flightLog_; }
    TodaysFlights& todaysFlights() { return todaysFlights_; }
    TodaysFlightsWindow& todaysFlightsWindow() { return today_; }
    CallsignHistory& callsignHistory() { return callsignHistory_; }
    Runways& runways() { return runways_; }
    AtisLetter& atisLetter() { return atisLetter_; }
    AtisTexts& atisTexts() { return atisTexts_; }
    AtcClient& atcClient() { return atcClient_; }
    SquawksInUse& squawksInUse() { return squawksInUse_; }
    const ServiceAddresses& services() const { return services_; }
    // The desktop program talks to today's services; scripts start on the classic ones.
    void setServiceTable(ServiceAddresses::Table table) { services_.setTable(table); }

  private:
    // Ends the program after the shut-down steps.
    void end();

    Platform& platform_;
    DataFiles files_;
    std::array<std::unique_ptr<Form>, 5> forms_;
    bool ended_ = false;

    MainWindow main_;
    MiniInfoWindow mini_;
    TodaysFlightsWindow today_;
    GroundInfoWindow ground_;
    ChartWindow charts_;
    StateFields fields_;
    Download download_;
    ServiceAddresses services_;
    Whazzup whazzup_;
    OnlineControllers onlineControllers_;
    FlightPlan flightPlan_;
    UpdateCheck updateCheck_;
    AtcClient atcClient_;
    SquawksInUse squawksInUse_;

    OkFlash okFlash_;
    DisplayModes displayModes_;
    TodaysFlights todaysFlights_;
    GroundInfo groundInfo_;
    FlightLog flightLog_;
    CallsignHistory callsignHistory_;
    Clearance clearance_;
    StripRows stripRows_;
    CallsignBox callsignBox_;
    Squawk squawk_;
    SidCharts sidCharts_;
    Destination destination_;
    RouteBox routeBox_;
    CallsignLookups lookups_;
    MetarDecoder metarDecoder_;
    Runways runways_;
    AtisTexts atisTexts_;
    AtisLetter atisLetter_;
    Telephony telephony_;
    // CallsignBox above holds it for the boxes' change events, which run only once
    // the console is built.
    CallsignCommands callsignCommands_;
    Overview overview_;
    AutoAtis autoAtis_;
    MiniInfo miniInfo_;
    InputSimulation inputSimulation_;
    HotkeyMacros hotkeyMacros_;
    QuickReplies quickReplies_;
    IlsInfo ilsInfo_;
    FrequencyLists frequencyLists_;
    FlightLevels flightLevels_;
    HelpAndTimer helpAndTimer_;
    Lifecycle lifecycle_;
};

} // namespace vellaro
