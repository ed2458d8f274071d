#pragma once

#include <QDate>
#include <QTime>

namespace vellaro {

// The local date and time of day as the console shows and logs them.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual QDate date() const = 0;
    virtual QTime time() const = 0;
};

} // namespace vellaro
