// The fields of a mapped record read and written at their offsets, whatever
// the alignment: the move's record and the replace-all's share the way.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace vx::record_bytes {

template <typename T>
T Get(const uint8_t* bytes, size_t offset) {
  T value;
  std::memcpy(&value, bytes + offset, sizeof value);
  return value;
}

template <typename T>
void Put(uint8_t* bytes, size_t offset, T value) {
  std::memcpy(bytes + offset, &value, sizeof value);
}

inline size_t RoundUp(size_t n, size_t to) { return (n + to - 1) / to * to; }

}  // namespace vx::record_bytes
