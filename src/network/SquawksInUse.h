#pragma once

#include "network/FeedSquawks.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace vellaro {

class AtcClient;
class Download;
class MainWindow;
class ServiceAddresses;

// The codes other aircraft squawk, from the ATC client's targets (when the link is
// up) and from the live status feed around the centre of services.txt. Both count.
class SquawksInUse {
  public:
    SquawksInUse(MainWindow& window, AtcClient& atc, ServiceAddresses& services,
                 const Download& download);

    // Start-up: the first feed download comes 5 s later.
    void start();

    // An aircraft other than ownCallsign that squawks the code; empty when none does.
    // The client's targets come first, then the feed.
    QString holderOf(const QString& code, const QString& ownCallsign) const;
    // Is the callsign among the client's targets? Unless it was at the last refresh,
    // the client is asked again.
    bool isTarget(const QString& callsign);

    // The client's targets and what each squawks ("#TR", then "#TRSQK" for each).
    void refreshFromLink();
    // A download of the JSON status feed.
    void takeFeed(const QString& body);

    void Timer8_Timer(); // every 30 s while the link is up
    void Timer9_Timer(); // the feed, 5 s after start, then every 2 minutes

    // Told whenever the codes may have changed.
    std::function<void()> onChanged;

  private:
    void linkChanged(bool up);
    void changed();

    MainWindow& w_;
    AtcClient& atc_;
    const ServiceAddresses& services_;
    const Download& download_;
    std::vector<SquawkHolder> link_;
    std::vector<SquawkHolder> feed_;
    QStringList targets_;
    bool refreshing_ = false;
};

} // namespace vellaro
