// File contents that tests write and compare.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vx::test {

// 0, 1, 2, ... 255, 0, 1, ...: a byte's value tells its offset on a page.
inline std::vector<uint8_t> CountingBytes(size_t n) {
  std::vector<uint8_t> bytes(n);
  for (size_t i = 0; i < n; ++i) bytes[i] = static_cast<uint8_t>(i);
  return bytes;
}

// Never 0 and repeating only every 251 bytes, so that a byte moved by one
// place or by a 4096-byte block is told from the one it replaced.
inline std::vector<uint8_t> PatternBytes(size_t n) {
  std::vector<uint8_t> bytes(n);
  for (size_t i = 0; i < n; ++i) bytes[i] = static_cast<uint8_t>(i * 7 % 251 + 1);
  return bytes;
}

}  // namespace vx::test
