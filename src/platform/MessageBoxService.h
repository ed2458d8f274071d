#pragma once

#include <QString>

namespace vellaro {

// A message box with one OK button; returns when it has been confirmed.
class MessageBoxService {
  public:
    virtual ~MessageBoxService() = default;
    virtual void show(const QString& text) = 0;
};

} // namespace vellaro
