#pragma once

namespace vellaro {

// Key and character codes as the classic toolkit numbers them.
inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeySpace = 32;
inline constexpr int kKeyF1 = 112;
inline constexpr int kKeyF2 = 113;
inline constexpr int kKeyF3 = 114;
inline constexpr int kKeyF4 = 115;
inline constexpr int kKeyF5 = 116;
inline constexpr int kKeyF6 = 117;
inline constexpr int kKeyF7 = 118;
inline constexpr int kKeyF8 = 119;
inline constexpr int kKeyF9 = 120;

} // namespace vellaro
