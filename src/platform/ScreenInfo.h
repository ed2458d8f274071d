#pragma once

#include <QSize>

namespace vellaro {

class ScreenInfo {
  public:
    virtual ~ScreenInfo() = default;
    // The primary screen's size in pixels.
    virtual QSize size() const = 0;
};

} // namespace vellaro
