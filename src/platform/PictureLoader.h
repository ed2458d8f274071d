#pragma once

#include <QSize>
#include <QString>

#include <optional>

namespace vellaro {

// Reads a picture file far enough to know its natural size in pixels.
class PictureLoader {
  public:
    virtual ~PictureLoader() = default;
    // Empty when the file is missing or no readable picture.
    virtual std::optional<QSize> pictureSize(const QString& path) const = 0;
};

} // namespace vellaro
