#pragma once

namespace vellaro {

// Geometry is kept in twips; the screen counts pixels.
inline constexpr int kTwipsPerPixel = 15;

} // namespace vellaro
