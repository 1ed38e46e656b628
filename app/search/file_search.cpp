#include "app/search/file_search.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <span>

#include "app/search/candidate_scan.h"
#include "app/search/search_texts.h"
#include "common/file_seam.h"

namespace vx {
namespace {

class BlockMatcher {
 public:
  BlockMatcher(fs::File& file, std::span<const uint8_t> pattern) : file_(file), pattern_(pattern) {}

  // The first match starting in the block at `block` and ending before
  // `end`, or none; false when a read failed.
  bool Match(int64_t block, int64_t end, std::optional<int64_t>& match) {
    match.reset();
    const int64_t tail = static_cast<int64_t>(pattern_.size()) - 1;
    const int64_t wanted = std::min<int64_t>(kSearchBlockSize, end - tail - block);
    if (wanted <= 0) return true;
    // The block's bytes and the pattern's length - 1 behind them, so that a
    // match across the border to the next block is seen whole.
    if (block < held_from_ || block + wanted + tail > held_from_ + asked_) {
      if (!ReadFrom(block, std::max(wanted, read_size_) + tail)) return false;
      read_size_ = std::min(2 * read_size_, kSearchLargestRead);
    }
    // A file cut short meanwhile offers fewer whole candidates than its old
    // length promised.
    const int64_t offset = block - held_from_;
    const size_t count = static_cast<size_t>(std::clamp<int64_t>(held_ - offset - tail, 0, wanted));
    const uint8_t* data = buffer_.data() + offset;
    for (size_t i = NextCandidate(data, 0, count, pattern_); i < count;
         i = NextCandidate(data, i + 1, count, pattern_)) {
      if (std::memcmp(data + i, pattern_.data(), pattern_.size()) == 0) {
        match = block + static_cast<int64_t>(i);
        return true;
      }
    }
    return true;
  }

 private:
  bool ReadFrom(int64_t from, int64_t length) {
    if (buffer_.size() < static_cast<size_t>(length)) buffer_.resize(static_cast<size_t>(length));
    const int64_t read = file_.ReadAt(from, buffer_.data(), length);
    if (read < 0) return false;
    held_from_ = from;
    asked_ = length;
    held_ = read;
    return true;
  }

  fs::File& file_;
  std::span<const uint8_t> pattern_;
  // The bytes of the last read, from held_from_ on: held_ of the asked_ it
  // asked for (fewer at the end of the file). The blocks it covers are
  // matched without reading again.
  std::vector<uint8_t> buffer_;
  int64_t held_from_ = 0;
  int64_t asked_ = 0;
  int64_t held_ = 0;
  int64_t read_size_ = kSearchBlockSize;
};

}  // namespace

FindResult FindInFile(const EditedFile& file, int64_t from, const std::vector<uint8_t>& pattern,
                      const ProgressCallback& progress) {
  if (pattern.empty()) return {FindOutcome::NotFound};
  // Open() would make a vanished file anew and empty; that is an error here.
  if (from < 0 || file.Length() < 0) return {FindOutcome::Failed};
  fs::File opened = file.Open();
  if (!opened) return {FindOutcome::Failed};
  const int64_t length = opened.Length();
  if (length < 0) return {FindOutcome::Failed};

  progress(kProgressStart, search_texts::kSearching);
  BlockMatcher matcher(opened, pattern);
  int64_t searched = 0;
  bool read_failed = false;
  // Both passes run the same blocks; only their range and end differ.
  const auto pass = [&](int64_t first_block, int64_t last_block,
                        int64_t end) -> std::optional<int64_t> {
    for (int64_t block = first_block; block <= last_block; block += kSearchBlockSize) {
      std::optional<int64_t> match;
      if (!matcher.Match(block, end, match)) {
        read_failed = true;
        return std::nullopt;
      }
      if (match) return match;
      searched += kSearchBlockSize;
      progress(static_cast<double>(searched) / static_cast<double>(std::max<int64_t>(length, 1)),
               std::wstring());
    }
    return std::nullopt;
  };
  std::optional<int64_t> match = pass(from, length - 1, length);
  if (!match && !read_failed) match = pass(0, from, std::min<int64_t>(from + 1, length));
  progress(kProgressEnd, std::wstring());
  if (read_failed) return {FindOutcome::Failed};
  if (!match) return {FindOutcome::NotFound};
  return {FindOutcome::Found, *match};
}

}  // namespace vx
