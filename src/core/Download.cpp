#include "core/Download.h"

#include "platform/HttpService.h"

namespace vellaro {

Download::Download(HttpService& http, std::function<bool()> consoleClosed)
    : http_(http), consoleClosed_(std::move(consoleClosed)) {}

bool Download::busy() const {
    return http_.busy();
}

std::optional<QString> Download::get(const QString& url) const {
    QString body = http_.get(url);
    if (consoleClosed_ && consoleClosed_()) {
        return std::nullopt;
    }
    return body;
}

} // namespace vellaro
