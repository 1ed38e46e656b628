#include "app/check/file_compare.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "tests/support/temp_folder.h"
#include "tests/support/test_bytes.h"

namespace vx {
namespace {

using Bytes = std::vector<uint8_t>;
using Stretches = std::vector<ByteRange>;

// The model: the differing stretches of the length both have, byte by byte.
Stretches ModelStretches(const Bytes& a, const Bytes& b) {
  Stretches stretches;
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    if (a[i] == b[i]) continue;
    if (!stretches.empty() && stretches.back().first + stretches.back().length == int64_t(i)) {
      ++stretches.back().length;
    } else {
      stretches.push_back({int64_t(i), 1});
    }
  }
  return stretches;
}

const KeepGoing kAlways = [](double) { return true; };

class FileCompareTest : public ::testing::Test {
 protected:
  FileComparison Compared(const Bytes& a, const Bytes& b, int64_t block, size_t limit) {
    test::WriteFileBytes(open_path, a);
    test::WriteFileBytes(other_path, b);
    FileComparison comparison(open_path, other_path, block);
    EXPECT_EQ(comparison.Run(kAlways, limit), CompareOutcome::Done);
    return comparison;
  }
  test::TempFolder dir;
  const std::wstring open_path = dir / L"open.bin";
  const std::wstring other_path = dir / L"other.bin";
};

TEST_F(FileCompareTest, FindsTheModelsStretchesWhateverTheBlocksAndLimits) {
  struct Case {
    const char* what;
    Bytes a, b;
  };
  const Bytes base = test::PatternBytes(1000);
  auto changed = [&](std::initializer_list<size_t> at, size_t size = 1000) {
    Bytes b = base;
    b.resize(size, 0x55);
    for (const size_t i : at) b[i] ^= 0xFF;
    return b;
  };
  std::vector<Case> cases{
      {"equal", base, base},
      {"one byte each, equal", {7}, {7}},
      {"one byte each, differing", {7}, {8}},
      {"the other longer", base, changed({}, 1200)},
      {"the open one longer", changed({3}, 1000), Bytes(base.begin(), base.begin() + 10)},
      // Blocks of 64: stretches that end, begin and run across their borders.
      {"at block borders", base, changed({63, 64, 127, 128, 129, 191, 255, 256, 999})},
      {"everything", base, changed({})},
  };
  for (size_t i = 0; i < 1000; ++i) cases.back().b[i] ^= 1;
  // Longer than the scan's chunks: differences at the borders of its words and chunks.
  const Bytes longer = test::PatternBytes(5000);
  Bytes chunked = longer;
  for (const size_t i : {7, 8, 15, 1023, 1024, 2047, 4095, 4096, 4999}) chunked[i] ^= 0xFF;
  for (size_t i = 3000; i < 3020; ++i) chunked[i] ^= 0x80;
  cases.push_back({"at word and chunk borders", longer, chunked});
  std::mt19937 random(3);
  for (int round = 0; round < 10; ++round) {
    Bytes b = base;
    for (int k = 0; k < 60; ++k) b[std::uniform_int_distribution<size_t>(0, 999)(random)] ^= 0x10;
    cases.push_back({"random", base, b});
  }
  for (const Case& c : cases) {
    const Stretches model = ModelStretches(c.a, c.b);
    int64_t differing = 0;
    for (const ByteRange& s : model) differing += s.length;
    for (const int64_t block : {1, 64, 100, 4096}) {
      for (const size_t limit : {size_t{2}, kListedStretches}) {
        const FileComparison comparison = Compared(c.a, c.b, block, limit);
        const CompareSummary& summary = comparison.summary();
        const size_t listed = std::min(limit, model.size());
        EXPECT_EQ(summary.listed, Stretches(model.begin(), model.begin() + listed))
            << c.what << " block " << block;
        EXPECT_EQ(summary.stretches, int64_t(model.size())) << c.what;
        EXPECT_EQ(summary.differing_bytes, differing) << c.what;
        EXPECT_EQ(summary.open_size, int64_t(c.a.size()));
        EXPECT_EQ(summary.other_size, int64_t(c.b.size()));
      }
    }
  }
}

// Blocks large enough to be read both at once, the other file on a thread of
// its own: stretches across their borders, and at the files' ends.
TEST_F(FileCompareTest, LargeBlocksReadAtOnceFindTheModelsStretches) {
  const Bytes a = test::PatternBytes(300000);
  Bytes b = a;
  std::mt19937 random(17);
  for (int k = 0; k < 200; ++k) b[std::uniform_int_distribution<size_t>(0, 299999)(random)] ^= 4;
  for (const size_t i : {0, 65535, 65536, 131071, 131072, 131073, 299999}) b[i] ^= 0xFF;
  const Stretches model = ModelStretches(a, b);
  for (const int64_t block : {65536, 100000}) {
    EXPECT_EQ(Compared(a, b, block, kListedStretches).summary().listed, model) << block;
  }
}

// F4 and Shift+F4 from every byte, with all stretches listed and with only
// two of them: the unlisted ones are found by reading the files again.
TEST_F(FileCompareTest, NextAndPreviousWrapOverListedAndUnlistedStretches) {
  const Bytes a = test::PatternBytes(300);
  Bytes b = a;
  for (const size_t i : {5, 6, 7, 50, 120, 121, 200, 299}) b[i] ^= 0xFF;
  const Stretches model = ModelStretches(a, b);
  for (const size_t limit : {size_t{2}, size_t{5}, kListedStretches}) {
    const FileComparison comparison = Compared(a, b, 16, limit);
    for (int64_t caret = 0; caret < 300; ++caret) {
      const auto next = std::find_if(model.begin(), model.end(),
                                     [&](const ByteRange& s) { return s.first > caret; });
      const ByteRange expected_next = next != model.end() ? *next : model.front();
      const auto before = std::find_if(model.rbegin(), model.rend(),
                                       [&](const ByteRange& s) { return s.first < caret; });
      const ByteRange expected_previous = before != model.rend() ? *before : model.back();
      EXPECT_EQ(comparison.Next(caret, kAlways), expected_next) << caret << " limit " << limit;
      EXPECT_EQ(comparison.Previous(caret, kAlways), expected_previous)
          << caret << " limit " << limit;
    }
  }
  const FileComparison same = Compared(a, a, 16, kListedStretches);
  EXPECT_TRUE(same.summary().same());
  EXPECT_EQ(same.Next(0, kAlways), std::nullopt);
  EXPECT_EQ(same.Previous(0, kAlways), std::nullopt);
}

TEST_F(FileCompareTest, AMissingFileOrACancelGivesNoSummary) {
  test::WriteFileBytes(open_path, {1, 2, 3});
  FileComparison missing(open_path, dir / L"none.bin");
  EXPECT_EQ(missing.Run(kAlways), CompareOutcome::OtherOpenFailed);
  test::WriteFileBytes(other_path, {1, 9, 3});
  FileComparison cancelled(open_path, other_path, 1);
  int asked = 0;
  EXPECT_EQ(cancelled.Run([&](double) { return ++asked < 2; }), CompareOutcome::Cancelled);
  EXPECT_EQ(cancelled.summary().stretches, 0);
  EXPECT_TRUE(cancelled.summary().listed.empty());
}

}  // namespace
}  // namespace vx
