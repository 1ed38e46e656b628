#pragma once

#include <cstdint>

namespace vx {

// Seek positions are signed 32-bit: a file this long or longer is refused,
// so not even a file of exactly 2^31 - 1 bytes is taken.
inline constexpr int64_t kRefusedFileSize = 2147483647;

}  // namespace vx
