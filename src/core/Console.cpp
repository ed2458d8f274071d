#include "core/Console.h"

#include "core/Lifecycle.h"
#include "core/MainWindowLayout.h"
#include "flightlog/FlightLog.h"
#include "flightlog/TodaysFlights.h"
#include "network/ServiceAddresses.h"
#include "panels/GroundInfo.h"
#include "strips/Clearance.h"
#include "strips/SidCharts.h"
#include "strips/Squawk.h"
#include "strips/StripRows.h"
#include "weather/AtisLetter.h"
#include "weather/AtisTexts.h"
#include "weather/AutoAtis.h"
#include "weather/MetarDecoder.h"
#include "weather/MiniInfo.h"
#include "weather/Overview.h"
#include "weather/Runways.h"

namespace vellaro {

Console::Console(Platform& platform) : platform_(platform), files_(platform.dataDir) {
    for (int i = 0; i < 5; ++i) {
        forms_[i] = std::make_unique<Form>(QStringLiteral("Form%1").arg(i + 1), platform.timers);
    }
    buildMainWindow(form1());

    services_ = std::make_unique<ServiceAddresses>(*this);
    lifecycle_ = std::make_unique<Lifecycle>(*this);
    stripRows_ = std::make_unique<StripRows>(*this);
    squawk_ = std::make_unique<Squawk>(*this);
    clearance_ = std::make_unique<Clearance>(*this);
    flightLog_ = std::make_unique<FlightLog>(*this);
    groundInfo_ = std::make_unique<GroundInfo>(*this);
    sidCharts_ = std::make_unique<SidCharts>(*this);
    todaysFlights_ = std::make_unique<TodaysFlights>(*this);
    metarDecoder_ = std::make_unique<MetarDecoder>(*this);
    runways_ = std::make_unique<Runways>(*this);
    autoAtis_ = std::make_unique<AutoAtis>(*this);
    overview_ = std::make_unique<Overview>(*this);
    atisLetter_ = std::make_unique<AtisLetter>(*this);
    atisTexts_ = std::make_unique<AtisTexts>(*this);
    miniInfo_ = std::make_unique<MiniInfo>(*this);
}

Console::~Console() {
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
    lifecycle_->formLoad();
}

void Console::close() {
    if (ended_) {
        return;
    }
    lifecycle_->formUnload();
}

void Console::end() {
    if (ended_) {
        return;
    }
    ended_ = true;
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

void Console::showMessage(const QString& text) const {
    platform_.messages.show(text);
}

void Console::putOnClipboard(const QString& text) const {
    platform_.clipboard.clear();
    platform_.clipboard.setText(text);
}

QString Console::dateText() const {
    return platform_.clock.date().toString(QStringLiteral("dd.MM.yyyy"));
}

QString Console::timeText() const {
    return platform_.clock.time().toString(QStringLiteral("hh:mm:ss"));
}

std::optional<QStringList>
Console::readOrCreate(const QString& name, const QStringList& defaults, const QString& message,
                      const std::function<void(const QString&)>& announce) {
    auto r = files_.readLines(name);
    if (r.ok()) {
        return r.lines;
    }
    if (r.missing()) {
        // Announce only what really happened: a locked folder creates nothing.
        if (!files_.replaceFile(name, defaults)) {
            return std::nullopt;
        }
        if (announce) {
            announce(message);
        } else {
            showMessage(message);
        }
    }
    return std::nullopt;
}

} // namespace vellaro
