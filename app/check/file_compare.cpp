#include "app/check/file_compare.h"

#include <algorithm>
#include <cstring>

#include "common/file_seam.h"

namespace vx {
namespace {

// Bytes compared at once, at whole chunks of the block, before a chunk that
// differs is gone through byte by byte.
constexpr size_t kChunk = 1024;

// Whether the kChunk bytes at `a` and `b` are equal, word by word with no
// early exit, which the compiler turns into vector instructions: a call of
// Wine's memcmp for each chunk held the comparison well below the speed of
// the reads (measured).
bool SameChunk(const uint8_t* a, const uint8_t* b) {
  uint64_t differ = 0;
  for (size_t i = 0; i < kChunk; i += sizeof(uint64_t)) {
    uint64_t x, y;
    std::memcpy(&x, a + i, sizeof x);
    std::memcpy(&y, b + i, sizeof y);
    differ |= x ^ y;
  }
  return differ == 0;
}

}  // namespace

CompareOutcome FileComparison::Visit(int64_t from, int64_t to, const StretchVisitor& visit,
                                     const KeepGoing& keep_going) const {
  fs::File open = fs::OpenFileForReading(open_path_);
  if (!open) return CompareOutcome::OpenFailed;
  fs::File other = fs::OpenFileForReading(other_path_);
  if (!other) return CompareOutcome::OtherOpenFailed;
  const size_t block = static_cast<size_t>(std::clamp<int64_t>(to - from, 1, block_size_));
  std::vector<uint8_t> a(block), b(block);
  // Where the stretch still open began (also across the blocks), or -1.
  int64_t open_stretch = -1;
  const double total = static_cast<double>(std::max<int64_t>(to - from, 1));
  for (int64_t at = from; at < to;) {
    if (!keep_going((at - from) / total)) return CompareOutcome::Cancelled;
    const int64_t wanted = std::min<int64_t>(static_cast<int64_t>(block), to - at);
    if (open.ReadAt(at, a.data(), wanted) != wanted ||
        other.ReadAt(at, b.data(), wanted) != wanted) {
      return CompareOutcome::ReadFailed;
    }
    const size_t count = static_cast<size_t>(wanted);
    for (size_t i = 0; i < count;) {
      // Equal chunks are passed a word at a time while no stretch is open.
      if (open_stretch < 0 && i % kChunk == 0 && i + kChunk <= count && SameChunk(&a[i], &b[i])) {
        i += kChunk;
        continue;
      }
      const bool differs = a[i] != b[i];
      if (differs && open_stretch < 0) {
        open_stretch = at + static_cast<int64_t>(i);
      } else if (!differs && open_stretch >= 0) {
        const ByteRange stretch{open_stretch, at + static_cast<int64_t>(i) - open_stretch};
        open_stretch = -1;
        if (!visit(stretch)) return CompareOutcome::Done;
      }
      ++i;
    }
    at += wanted;
  }
  if (open_stretch >= 0) visit({open_stretch, to - open_stretch});
  return CompareOutcome::Done;
}

CompareOutcome FileComparison::Run(const KeepGoing& keep_going, size_t list_limit) {
  summary_ = {};
  summary_.open_size = fs::FileLength(open_path_);
  summary_.other_size = fs::FileLength(other_path_);
  if (summary_.open_size < 0) return CompareOutcome::OpenFailed;
  if (summary_.other_size < 0) return CompareOutcome::OtherOpenFailed;
  const CompareOutcome outcome = Visit(
      0, summary_.common_size(),
      [&](const ByteRange& stretch) {
        ++summary_.stretches;
        summary_.differing_bytes += stretch.length;
        if (summary_.listed.size() < list_limit) summary_.listed.push_back(stretch);
        return true;
      },
      keep_going);
  if (outcome != CompareOutcome::Done) summary_ = {};
  return outcome;
}

int64_t FileComparison::ListedEnd() const {
  return summary_.listed.empty() ? 0 : summary_.listed.back().first + summary_.listed.back().length;
}

std::optional<ByteRange> FileComparison::Next(int64_t caret, const KeepGoing& keep_going) const {
  const std::vector<ByteRange>& listed = summary_.listed;
  if (listed.empty()) return std::nullopt;
  const auto behind = std::upper_bound(
      listed.begin(), listed.end(), caret,
      [](int64_t offset, const ByteRange& stretch) { return offset < stretch.first; });
  if (behind != listed.end()) return *behind;
  if (!summary_.all_listed()) {
    // Read from where the listed ones end, so that every stretch comes whole.
    std::optional<ByteRange> found;
    Visit(
        ListedEnd(), summary_.common_size(),
        [&](const ByteRange& stretch) {
          if (stretch.first <= caret) return true;
          found = stretch;
          return false;
        },
        keep_going);
    if (found) return found;
  }
  return listed.front();
}

std::optional<ByteRange> FileComparison::Previous(int64_t caret,
                                                  const KeepGoing& keep_going) const {
  const std::vector<ByteRange>& listed = summary_.listed;
  if (listed.empty()) return std::nullopt;
  const bool wraps = caret <= listed.front().first;
  if (!summary_.all_listed() && (caret > ListedEnd() || wraps)) {
    // The last unlisted stretch that begins before `limit`: the caret, or
    // when wrapping the end.
    const int64_t limit = wraps ? summary_.common_size() : caret;
    std::optional<ByteRange> found;
    Visit(
        ListedEnd(), summary_.common_size(),
        [&](const ByteRange& stretch) {
          if (stretch.first >= limit) return false;
          found = stretch;
          return true;
        },
        keep_going);
    if (found) return found;
  }
  const auto before = std::lower_bound(
      listed.begin(), listed.end(), caret,
      [](const ByteRange& stretch, int64_t offset) { return stretch.first < offset; });
  if (before != listed.begin()) return *std::prev(before);
  return listed.back();
}

}  // namespace vx
