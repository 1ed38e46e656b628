// The most a copy may put on the clipboard: the clipboard holds the copied
// bytes in memory, and the program keeps them again for their text, so a
// larger range is refused rather than taking the system's memory.
#pragma once

#include <cstdint>

namespace vx {

inline constexpr int64_t kCopyLimit = int64_t{256} << 20;

constexpr bool CopyFits(int64_t length) { return length > 0 && length <= kCopyLimit; }

}  // namespace vx
