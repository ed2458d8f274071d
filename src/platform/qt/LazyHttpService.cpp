#include "platform/qt/LazyHttpService.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include <cstdio>

namespace vellaro::qt {

namespace {

using Create = HttpService* (*)();

const char* const kModule = "vellaro_http";

} // namespace

LazyHttpService::LazyHttpService(QStringList folders) : folders_(std::move(folders)) {}

// The module stays loaded to the end of the process; only the service goes.
LazyHttpService::~LazyHttpService() = default;

QStringList LazyHttpService::defaultFolders() {
    const QString app = QCoreApplication::applicationDirPath();
    return {app, QDir(app).filePath(QStringLiteral(VELLARO_HTTP_MODULE_RELDIR))};
}

HttpService* LazyHttpService::load() {
    if (tried_) {
        return impl_.get();
    }
    tried_ = true;
    QString errors;
    for (const QString& folder : folders_) {
        QLibrary lib(QDir(folder).filePath(QLatin1String(kModule)));
        if (!lib.load()) {
            errors += QLatin1String("\n  ") + lib.errorString();
            continue;
        }
        if (auto create = reinterpret_cast<Create>(lib.resolve("vellaro_create_http_service"))) {
            impl_.reset(create());
            return impl_.get();
        }
        errors += QLatin1String("\n  ") + lib.errorString();
    }
    std::fprintf(stderr, "vellaro: no network module, every download fails:%s\n",
                 qPrintable(errors));
    return nullptr;
}

QString LazyHttpService::get(const QString& url) {
    HttpService* impl = load();
    return impl ? impl->get(url) : QString();
}

bool LazyHttpService::busy() const {
    return impl_ && impl_->busy();
}

} // namespace vellaro::qt
