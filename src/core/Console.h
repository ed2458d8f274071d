#pragma once

#include "core/ConsoleState.h"
#include "core/DataFiles.h"
#include "platform/Form.h"
#include "platform/Platform.h"
#include "weather/WeatherState.h"

#include <QStringList>
#include <QVariant>

#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace vellaro {

class Lifecycle;
class StripRows;
class Squawk;
class Clearance;
class FlightLog;
class GroundInfo;
class SidCharts;
class TodaysFlights;
class MetarDecoder;
class Runways;
class AutoAtis;
class Overview;
class AtisLetter;
class AtisTexts;
class MiniInfo;
class ServiceAddresses;

inline constexpr int kStripRows = 7;

// The console: its five windows, its state and its features. It depends on the
// platform services only through the Platform handed in.
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

    ConsoleState state;
    WeatherState weather;

    // Start-up (the window's load step), after which the window is shown.
    void start();
    // The user closes the main window: the shut-down runs, the program ends.
    void close();
    // Ends the program (after the shut-down steps of whoever asks).
    void end();
    bool ended() const { return ended_; }
    std::function<void()> onEnded;

    // ConsoleState.<field> and WeatherState.<field> by name; invalid QVariant when unknown.
    QVariant stateField(const QString& qualifiedName) const;
    bool setStateField(const QString& qualifiedName, const QVariant& value);
    QStringList stateFieldNames() const;

    // Shared helpers.
    void showMessage(const QString& text) const;
    // The clipboard is cleared first, then receives the text.
    void putOnClipboard(const QString& text) const;
    QString dateText() const; // dd.MM.yyyy
    QString timeText() const; // hh:mm:ss, 24 hours
    // Reads a data file that has built-in lines: a missing file is written with them
    // and announced (message box, or the announce function when given); the caller
    // gets no lines then, nor when the file cannot be read.
    std::optional<QStringList>
    readOrCreate(const QString& name, const QStringList& defaults, const QString& message,
                 const std::function<void(const QString&)>& announce = {});

    Lifecycle& lifecycle() const { return *lifecycle_; }
    StripRows& stripRows() const { return *stripRows_; }
    Squawk& squawk() const { return *squawk_; }
    Clearance& clearance() const { return *clearance_; }
    FlightLog& flightLog() const { return *flightLog_; }
    GroundInfo& groundInfo() const { return *groundInfo_; }
    SidCharts& sidCharts() const { return *sidCharts_; }
    TodaysFlights& todaysFlights() const { return *todaysFlights_; }
    MetarDecoder& metarDecoder() const { return *metarDecoder_; }
    Runways& runways() const { return *runways_; }
    AutoAtis& autoAtis() const { return *autoAtis_; }
    Overview& overview() const { return *overview_; }
    AtisLetter& atisLetter() const { return *atisLetter_; }
    AtisTexts& atisTexts() const { return *atisTexts_; }
    MiniInfo& miniInfo() const { return *miniInfo_; }
    ServiceAddresses& services() const { return *services_; }

  private:
    Platform& platform_;
    DataFiles files_;
    std::array<std::unique_ptr<Form>, 5> forms_;
    bool ended_ = false;

    std::unique_ptr<Lifecycle> lifecycle_;
    std::unique_ptr<StripRows> stripRows_;
    std::unique_ptr<Squawk> squawk_;
    std::unique_ptr<Clearance> clearance_;
    std::unique_ptr<FlightLog> flightLog_;
    std::unique_ptr<GroundInfo> groundInfo_;
    std::unique_ptr<SidCharts> sidCharts_;
    std::unique_ptr<TodaysFlights> todaysFlights_;
    std::unique_ptr<MetarDecoder> metarDecoder_;
    std::unique_ptr<Runways> runways_;
    std::unique_ptr<AutoAtis> autoAtis_;
    std::unique_ptr<Overview> overview_;
    std::unique_ptr<AtisLetter> atisLetter_;
    std::unique_ptr<AtisTexts> atisTexts_;
    std::unique_ptr<MiniInfo> miniInfo_;
    std::unique_ptr<ServiceAddresses> services_;
};

} // namespace vellaro
