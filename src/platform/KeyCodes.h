#pragma once

namespace vellaro {

// Key and character codes as the classic toolkit numbers them.
inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeySpace = 32;
inline constexpr int kKeyF1 = 112;

} // namespace vellaro
