#include "network/SquawksInUse.h"

#include "core/Download.h"
#include "core/MainWindow.h"
#include "network/AtcClient.h"
#include "network/ServiceAddresses.h"

namespace vellaro {

namespace {

constexpr int kLinkRefreshMs = 30000;
constexpr int kFirstFeedMs = 5000;
constexpr int kFeedMs = 120000;

} // namespace

SquawksInUse::SquawksInUse(MainWindow& w, AtcClient& atc, ServiceAddresses& services,
                           const Download& download)
    : w_(w), atc_(atc), services_(services), download_(download) {
    atc_.onLinkChanged = [this](bool up) { linkChanged(up); };
    services.onFeed = [this](const QString& body) { takeFeed(body); };
    w_.Timer8.onTimer = [this] { Timer8_Timer(); };
    w_.Timer9.onTimer = [this] { Timer9_Timer(); };
}

void SquawksInUse::start() {
    w_.Timer9.setInterval(kFirstFeedMs);
    w_.Timer9.setTimerEnabled(true);
}

QString SquawksInUse::holderOf(const QString& code, const QString& ownCallsign) const {
    const QString c = code.trimmed();
    if (c.isEmpty()) {
        return {};
    }
    const QString own = ownCallsign.toUpper();
    for (const auto* list : {&link_, &feed_}) {
        for (const SquawkHolder& h : *list) {
            if (h.code == c && h.callsign != own) {
                return h.callsign;
            }
        }
    }
    return {};
}

bool SquawksInUse::isTarget(const QString& callsign) {
    const QString cs = callsign.toUpper();
    if (targets_.contains(cs)) {
        return true;
    }
    // The aircraft may have come into range since the last refresh.
    if (const auto t = atc_.targets(); t && atc_.up()) {
        targets_ = *t;
    }
    return targets_.contains(cs);
}

void SquawksInUse::refreshFromLink() {
    if (refreshing_ || !atc_.up()) {
        return;
    }
    refreshing_ = true;
    if (const auto targets = atc_.targets()) {
        std::vector<SquawkHolder> codes;
        for (const QString& cs : *targets) {
            const auto code = atc_.squawkOf(cs);
            if (!atc_.up()) {
                break;
            }
            if (code && !code->isEmpty()) {
                codes.push_back({cs, *code});
            }
        }
        // A link that went down meanwhile has cleared the codes; they stay cleared.
        if (atc_.up()) {
            targets_ = *targets;
            link_ = std::move(codes);
        }
    }
    refreshing_ = false;
    changed();
}

void SquawksInUse::takeFeed(const QString& body) {
    const ServiceAddresses::SquawkArea area = services_.squawkArea();
    if (area.rangeNm <= 0) {
        feed_.clear();
    } else if (auto near = squawksNear(body, area.latitude, area.longitude, area.rangeNm)) {
        feed_ = std::move(*near);
    }
    // A download that brought no feed keeps the codes of the last one.
    changed();
}

void SquawksInUse::Timer8_Timer() {
    refreshFromLink();
}

void SquawksInUse::Timer9_Timer() {
    if (w_.Timer9.interval() != kFeedMs) {
        w_.Timer9.setInterval(kFeedMs);
    }
    if (services_.squawkArea().rangeNm <= 0) {
        if (!feed_.empty()) {
            feed_.clear();
            changed();
        }
        return;
    }
    if (!download_.busy()) {
        services_.refreshFeed(download_);
    }
}

void SquawksInUse::linkChanged(bool up) {
    if (up) {
        w_.Timer8.setInterval(kLinkRefreshMs);
        w_.Timer8.setTimerEnabled(true);
        refreshFromLink();
        return;
    }
    w_.Timer8.setTimerEnabled(false);
    link_.clear();
    targets_.clear();
    changed();
}

void SquawksInUse::changed() {
    if (onChanged) {
        onChanged();
    }
}

} // namespace vellaro
