// Replace-all cases for the tests: a file, its matches and the replacement,
// the model of the file the replace leaves, and the data file and record a
// replace works with, in memory.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <span>
#include <vector>

#include "app/disk/replace_all.h"
#include "tests/app/faulty_file.h"

namespace vx::test {

struct Match {
  int64_t offset = 0;
  int64_t length = 0;
};

// The file as the replace leaves it: the model every run is held to.
inline Bytes Replaced(const Bytes& before, const std::vector<Match>& matches,
                      const Bytes& replacement) {
  Bytes after;
  int64_t at = 0;
  for (const Match& m : matches) {
    after.insert(after.end(), before.begin() + at, before.begin() + m.offset);
    after.insert(after.end(), replacement.begin(), replacement.end());
    at = m.offset + m.length;
  }
  after.insert(after.end(), before.begin() + at, before.end());
  return after;
}

// The journal's data file in memory, holding what the document writes
// there before a replace: the replacement, then the list.
struct MemoryData {
  FaultyFile file{{}};
  ReplaceData data;
  Bytes replacement;

  MemoryData(const MemoryData&) = delete;
  MemoryData& operator=(const MemoryData&) = delete;
  MemoryData(const Bytes& before, const std::vector<Match>& matches, Bytes with)
      : replacement(std::move(with)) {
    const auto append = [this](std::span<const uint8_t> bytes) -> std::optional<int64_t> {
      const auto at = static_cast<int64_t>(file.bytes().size());
      file.bytes().insert(file.bytes().end(), bytes.begin(), bytes.end());
      return at;
    };
    const int64_t replacement_at = *append(replacement);
    ReplaceListWriter writer(append, static_cast<int64_t>(replacement.size()));
    for (const Match& m : matches) {
      EXPECT_TRUE(writer.Add(m.offset, {before.data() + m.offset, size_t(m.length)}));
    }
    data.list = writer.Finish().value();
    data.list.replacement_at = replacement_at;
    data.list.replacement_count = static_cast<int64_t>(replacement.size());
    data.list.replacement_sum = AddToSum(kSumStart, replacement);
    data.file = &file;
    data.replacement = replacement;
  }
};

// A record in memory, laid out as one in the settings folder.
struct MemoryReplaceRecord {
  explicit MemoryReplaceRecord(int64_t block = test::kTestBlock)
      : bytes(ReplaceRecord::SizeFor(L"f", L"d", block)) {
    header.SetBlockSize(block);
    header.SetNames(L"f", L"d");
  }
  Bytes bytes;
  MoveRecord header{bytes.data(), bytes.size()};
  ReplaceRecord record{header};
};

// A replace-all case: a file, its matches (ascending, apart) and the replacement.
struct Case {
  Bytes before;
  std::vector<Match> matches;
  Bytes replacement;
  Bytes After() const { return Replaced(before, matches, replacement); }
};

}  // namespace vx::test
