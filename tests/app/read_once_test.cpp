#include "app/check/read_once.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "common/file_seam.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_bytes.h"

namespace vx {
namespace {

// Keeps what it was given, and how many blocks.
class CollectingSink final : public BlockSink {
 public:
  void Add(std::span<const uint8_t> block) override {
    bytes.insert(bytes.end(), block.begin(), block.end());
    ++blocks;
  }
  std::vector<uint8_t> bytes;
  int blocks = 0;
};

class ReadOnceTest : public ::testing::Test {
 protected:
  void SetUp() override { test::WriteFileBytes(path, content); }
  test::TempFolder dir;
  const std::wstring path = dir / L"data.bin";
  const std::vector<uint8_t> content = test::PatternBytes(100000);
  const KeepGoing always = [](double) { return true; };
};

TEST_F(ReadOnceTest, EverySinkGetsEveryByteOfTheRangeInOrder) {
  std::mt19937 random(7);
  for (int round = 0; round < 30; ++round) {
    const int64_t first = std::uniform_int_distribution<int64_t>(0, 99999)(random);
    const int64_t length = std::uniform_int_distribution<int64_t>(0, 100000 - first)(random);
    const int64_t block = std::uniform_int_distribution<int64_t>(1, 40000)(random);
    CollectingSink a, b, c;
    BlockSink* sinks[] = {&a, &b, &c};
    ASSERT_EQ(ReadOnce(path, 100000, {first, length}, sinks, always, block), ReadOnceOutcome::Done);
    const std::vector<uint8_t> expected(content.begin() + first, content.begin() + first + length);
    for (const CollectingSink* sink : {&a, &b, &c}) {
      EXPECT_EQ(sink->bytes, expected) << first << "+" << length << " in " << block;
    }
  }
}

TEST_F(ReadOnceTest, NoResultFromAFileThatChangedOrIsGoneOrWasCancelled) {
  CollectingSink sink;
  BlockSink* sinks[] = {&sink};
  // Another length than the one the range was chosen in.
  EXPECT_EQ(ReadOnce(path, 99999, {0, 10}, sinks, always), ReadOnceOutcome::SizeChanged);
  // Cut short while it is read: the rest cannot be read whole.
  const KeepGoing cut = [&](double share) {
    if (share > 0) {
      fs::File file = fs::OpenFile(path, false, fs::Share::ReadWrite);
      file.SetLength(50000);
    }
    return true;
  };
  EXPECT_EQ(ReadOnce(path, 100000, {0, 100000}, sinks, cut, 4096), ReadOnceOutcome::SizeChanged);
  test::WriteFileBytes(path, content);
  // Lengthened after the last block: the result would not be the file's.
  const KeepGoing grow = [&](double share) {
    if (share > 0.9) test::WriteFileBytes(path, test::PatternBytes(100001));
    return true;
  };
  EXPECT_EQ(ReadOnce(path, 100000, {0, 100000}, sinks, grow, 4096), ReadOnceOutcome::SizeChanged);
  test::WriteFileBytes(path, content);
  int asked = 0;
  const KeepGoing stop = [&](double) { return ++asked < 3; };
  EXPECT_EQ(ReadOnce(path, 100000, {0, 100000}, sinks, stop, 4096), ReadOnceOutcome::Cancelled);
  EXPECT_EQ(ReadOnce(dir / L"missing.bin", 0, {0, 0}, sinks, always), ReadOnceOutcome::NotOpened);
}

}  // namespace
}  // namespace vx
