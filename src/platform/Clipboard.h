#pragma once

#include <QString>

namespace vellaro {

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // Empty text when the clipboard holds no text.
    virtual QString text() const = 0;
    virtual void clear() = 0;
    virtual void setText(const QString& text) = 0;
};

} // namespace vellaro
