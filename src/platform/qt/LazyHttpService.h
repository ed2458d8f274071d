#pragma once

#include "platform/HttpService.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace vellaro::qt {

// Loads the HTTP module on the first download and hands every call on to it. A
// module that cannot be loaded makes every download a failure (empty text), said
// once on standard error.
class LazyHttpService : public HttpService {
  public:
    // The folders searched for the module, in this order.
    explicit LazyHttpService(QStringList folders);
    ~LazyHttpService() override;
    QString get(const QString& url) override;
    bool busy() const override;

    // The program's own folder, then where the install rules put the module.
    static QStringList defaultFolders();

  private:
    HttpService* load();

    QStringList folders_;
    bool tried_ = false;
    std::unique_ptr<HttpService> impl_;
};

} // namespace vellaro::qt
