// The fields of a mapped record read and written at their offsets, whatever
// the alignment: the move's record and the replace-all's share the way.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

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

namespace vx {

// A quick sum of a block's bytes, eight at a time (64-bit FNV-1a over the
// words, then over the bytes left): how a record tells a block it keeps,
// or one in the file, from any other.
inline uint64_t BlockSum(std::span<const uint8_t> bytes) {
  uint64_t sum = 0xCBF29CE484222325;
  size_t i = 0;
  for (; i + 8 <= bytes.size(); i += 8) {
    uint64_t word;
    std::memcpy(&word, bytes.data() + i, 8);
    sum = (sum ^ word) * 0x100000001B3;
  }
  for (; i < bytes.size(); ++i) sum = (sum ^ bytes[i]) * 0x100000001B3;
  return sum;
}

}  // namespace vx
