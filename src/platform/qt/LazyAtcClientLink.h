#pragma once

#include "platform/AtcClientLink.h"

#include <QStringList>

#include <memory>

class QTimer;

namespace vellaro::qt {

// The link from the network module, loaded a second after start once the link is
// wanted (not while services.txt switches it off), so the start of the program does
// not wait for Qt's network library. Without the module the link stays down, said
// once on standard error.
class LazyAtcClientLink : public AtcClientLink {
  public:
    // The folders searched for the module, in this order.
    explicit LazyAtcClientLink(QStringList folders);
    ~LazyAtcClientLink() override;

    void start(EndpointSource endpoint) override;
    void stop() override;
    bool connected() const override;
    std::optional<QString> request(const QString& command,
                                   const QStringList& arguments = {}) override;

  private:
    void load();

    QStringList folders_;
    EndpointSource endpoint_;
    std::unique_ptr<QTimer> wait_;
    bool tried_ = false;
    std::unique_ptr<AtcClientLink> impl_;
};

} // namespace vellaro::qt
