#include "app/check/crc32.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace vx {
namespace {

// The definition, a bit at a time.
uint32_t BitwiseCrc32(std::span<const uint8_t> bytes) {
  uint32_t crc = ~0u;
  for (const uint8_t byte : bytes) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  return ~crc;
}

using Update = uint32_t (*)(uint32_t, std::span<const uint8_t>);
const std::pair<const char*, Update> kWays[] = {{"folding where it can", Crc32Update},
                                                {"tables", Crc32UpdateByTables}};

TEST(Crc32Test, KnownVectors) {
  const std::string million(1000000, 'a');
  const std::pair<std::string, uint32_t> cases[] = {
      {"", 0x00000000}, {"abc", 0x352441C2}, {million, 0xDC25BFBC}};
  for (const auto& [name, update] : kWays) {
    for (const auto& [text, crc] : cases) {
      const std::span bytes(reinterpret_cast<const uint8_t*>(text.data()), text.size());
      EXPECT_EQ(update(0, bytes), crc) << name << ", " << text.size() << " bytes";
    }
  }
}

// Random buffers of every length round the folding's 16, 64 and 128 bytes, at
// every alignment, fed in random blocks: the CRC continued block by block is
// the definition's over the whole.
TEST(Crc32Test, RandomBuffersInRandomBlocksGiveTheDefinitionsValue) {
  std::mt19937 random(5);
  std::vector<uint8_t> pool(70000);
  for (uint8_t& b : pool) b = static_cast<uint8_t>(random());
  for (int round = 0; round < 400; ++round) {
    const size_t length = round < 200 ? static_cast<size_t>(round)
                                      : std::uniform_int_distribution<size_t>(0, 65536)(random);
    const size_t offset = std::uniform_int_distribution<size_t>(0, 15)(random);
    const std::span<const uint8_t> bytes(pool.data() + offset, length);
    const uint32_t expected = BitwiseCrc32(bytes);
    for (const auto& [name, update] : kWays) {
      uint32_t crc = 0;
      for (size_t at = 0; at < length;) {
        const size_t count =
            std::min(length - at, std::uniform_int_distribution<size_t>(0, 300)(random));
        crc = update(crc, bytes.subspan(at, count));
        at += count;
      }
      EXPECT_EQ(crc, expected) << name << ", " << length << " bytes at +" << offset;
      EXPECT_EQ(update(0, bytes), expected) << name << " at once, " << length << " bytes";
    }
  }
}

}  // namespace
}  // namespace vx
