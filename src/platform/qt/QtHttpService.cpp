#include "platform/qt/QtHttpService.h"

namespace vellaro::qt {

QtHttpService::QtHttpService(int timeoutMs) : timeoutMs_(timeoutMs) {}

QtHttpService::~QtHttpService() = default;

QString QtHttpService::get(const QString& url) {
    return {};
}

bool QtHttpService::busy() const {
    return busy_;
}

} // namespace vellaro::qt
