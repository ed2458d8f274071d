#include "platform/qt/LazyAtcClientLink.h"

#include <QDir>
#include <QLibrary>
#include <QTimer>

#include <cstdio>

namespace vellaro::qt {

namespace {

using Create = AtcClientLink* (*)();

// The window and its first METAR come first; a second later the link is as good.
constexpr int kFirstAttemptMs = 1000;

} // namespace

LazyAtcClientLink::LazyAtcClientLink(QStringList folders)
    : folders_(std::move(folders)), wait_(std::make_unique<QTimer>()) {
    wait_->setSingleShot(true);
    QObject::connect(wait_.get(), &QTimer::timeout, wait_.get(), [this] { load(); });
}

// The module stays loaded to the end of the process; only the link goes.
LazyAtcClientLink::~LazyAtcClientLink() {
    onConnectedChanged = nullptr;
    impl_.reset();
}

void LazyAtcClientLink::start(EndpointSource endpoint) {
    endpoint_ = std::move(endpoint);
    if (impl_) {
        impl_->start(endpoint_);
        return;
    }
    wait_->start(kFirstAttemptMs);
}

void LazyAtcClientLink::stop() {
    endpoint_ = nullptr;
    wait_->stop();
    if (impl_) {
        impl_->stop();
    }
}

bool LazyAtcClientLink::connected() const {
    return impl_ && impl_->connected();
}

std::optional<QString> LazyAtcClientLink::request(const QString& command,
                                                  const QStringList& arguments) {
    return impl_ ? impl_->request(command, arguments) : std::nullopt;
}

void LazyAtcClientLink::load() {
    if (!endpoint_ || tried_) {
        return;
    }
    if (!endpoint_()) {
        // Switched off: look again when the link would have tried again.
        wait_->start(kRetryMs);
        return;
    }
    tried_ = true;
    QString errors;
    for (const QString& folder : folders_) {
        QLibrary lib(QDir(folder).filePath(QStringLiteral("vellaro_http")));
        if (!lib.load()) {
            errors += QLatin1String("\n  ") + lib.errorString();
            continue;
        }
        if (auto create = reinterpret_cast<Create>(lib.resolve("vellaro_create_atc_client_link"))) {
            impl_.reset(create());
            impl_->onConnectedChanged = [this](bool up) {
                if (onConnectedChanged) {
                    onConnectedChanged(up);
                }
            };
            impl_->start(endpoint_);
            return;
        }
        errors += QLatin1String("\n  ") + lib.errorString();
    }
    std::fprintf(stderr, "vellaro: no network module, no link to the ATC client:%s\n",
                 qPrintable(errors));
}

} // namespace vellaro::qt
