#include "console/Console.h"

#include "core/MainWindowLayout.h"

namespace vellaro {

namespace {

// The five windows with every control laid out; features only attach to them.
std::array<std::unique_ptr<Form>, 5> buildWindows(TimerService& timers) {
    std::array<std::unique_ptr<Form>, 5> forms;
    for (std::size_t i = 0; i < forms.size(); ++i) {
        forms[i] = std::make_unique<Form>(QStringLiteral("Form%1").arg(i + 1), timers);
    }
    buildMainWindow(*forms[0]);
    MiniInfoWindow::build(*forms[1]);
    TodaysFlightsWindow::build(*forms[2]);
    GroundInfoWindow::build(*forms[3]);
    ChartWindow::build(*forms[4]);
    return forms;
}

} // namespace

Console::Console(Platform& p)
    : platform_(p), files_(p.dataDir), forms_(buildWindows(p.timers)), main_(*forms_[0]),
      mini_(*forms_[1]), today_(*forms_[2]), ground_(*forms_[3]), charts_(*forms_[4]),
      fields_(state, weather, main_), download_(p.http, [this] { return ended_; }),
      services_(files_), whazzup_(main_, state, download_, services_),
      onlineControllers_(main_, state, files_, download_, whazzup_),
      flightPlan_(main_, state, download_, whazzup_),
      updateCheck_(main_, charts_, state, p.clipboard, download_, services_),
      atcClient_(main_, p.atcClient, services_, [this] { return ended_; }),
      squawksInUse_(main_, atcClient_, services_, download_), okFlash_(main_),
      displayModes_(main_, charts_.form, state),
      todaysFlights_(main_, today_, files_, p.clock, p.screen, p.launcher),
      groundInfo_(ground_, main_, state), flightLog_(main_, groundInfo_, files_, p.clock),
      callsignHistory_(main_, files_, p.clipboard), clearance_(main_, p.clipboard),
      stripRows_(main_, charts_, flightLog_, clearance_),
      callsignBox_(main_, charts_, stripRows_, clearance_, callsignCommands_, flightPlan_,
                   download_, squawk_, atcClient_),
      squawk_(main_, charts_, state, weather, files_, squawksInUse_, atcClient_),
      sidCharts_(charts_, main_, files_, p.pictures),
      destination_(main_, charts_, files_, p.clipboard),
      routeBox_(main_, state, stripRows_, sidCharts_, files_, p.messages),
      lookups_(main_, state, p.clipboard, services_, p.proControllerMacroFile,
               {callsignHistory_, overview_, flightPlan_, updateCheck_}),
      metarDecoder_(main_, mini_, p.clipboard, weather), runways_(main_, files_, p.messages),
      atisTexts_(main_, weather, p.clipboard, okFlash_),
      atisLetter_(main_, weather, atisTexts_, okFlash_),
      telephony_(main_, state, files_, p.messages),
      callsignCommands_(main_, charts_, ground_, state, weather,
                        {telephony_, atisLetter_, atisTexts_, displayModes_, todaysFlights_,
                         sidCharts_, lookups_, okFlash_},
                        {[this] { close(); }, [this] { return ended_; }}),
      overview_(main_, state, weather, files_, p.messages, download_, services_),
      autoAtis_(main_, mini_, weather, p.clipboard, p.beeper, download_, services_,
                {metarDecoder_, runways_, atisLetter_, overview_}),
      miniInfo_(main_, mini_, charts_, p.screen, metarDecoder_),
      inputSimulation_(main_, state, p.input, p.timers),
      hotkeyMacros_(main_, state, p.input, p.screen),
      quickReplies_(main_, state, p.clipboard, p.input, inputSimulation_),
      ilsInfo_(main_, state, files_), frequencyLists_(main_, state, files_, p.messages),
      flightLevels_(main_, state), helpAndTimer_(main_, state),
      lifecycle_({main_, mini_, today_, ground_, charts_}, state, weather, p.screen, squawk_,
                 sidCharts_, [this] { end(); }) {}

Console::~Console() {
    atcClient_.stop();
    // Timers must stop before the features their slots point into go away.
    for (auto& f : forms_) {
        for (const auto& c : f->controls()) {
            if (auto* t = dynamic_cast<Timer*>(c.get())) {
                t->onTimer = nullptr;
                t->setTimerEnabled(false);
            }
        }
    }
}

Form* Console::formByName(const QString& name) const {
    for (const auto& f : forms_) {
        if (f->name().compare(name, Qt::CaseInsensitive) == 0) {
            return f.get();
        }
    }
    return nullptr;
}

std::array<Form*, 5> Console::forms() const {
    return {forms_[0].get(), forms_[1].get(), forms_[2].get(), forms_[3].get(), forms_[4].get()};
}

void Console::start() {
    lifecycle_.Form_Load();
    squawksInUse_.start();
    atcClient_.start();
}

void Console::close() {
    if (ended_) {
        return;
    }
    lifecycle_.Form_Unload();
}

void Console::end() {
    if (ended_) {
        return;
    }
    ended_ = true;
    atcClient_.stop();
    for (auto& f : forms_) {
        for (const auto& c : f->controls()) {
            if (auto* t = dynamic_cast<Timer*>(c.get())) {
                t->setTimerEnabled(false);
            }
        }
    }
    form1().setVisible(false);
    if (onEnded) {
        onEnded();
    }
}

} // namespace vellaro
