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
  BlockMatcher(fs::File& file, std::span<const uint8_t> pattern)
      : file_(file), pattern_(pattern), buffer_(kSearchBlockSize + pattern.size() - 1) {}

  // The first match starting in the block at `block` and ending before
  // `end`, or none; false when the read failed.
  bool Match(int64_t block, int64_t end, std::optional<int64_t>& match) {
    match.reset();
    const int64_t tail = static_cast<int64_t>(pattern_.size()) - 1;
    const int64_t wanted = std::min<int64_t>(kSearchBlockSize, end - tail - block);
    if (wanted <= 0) return true;
    const int64_t read = file_.ReadAt(block, buffer_.data(), static_cast<int64_t>(buffer_.size()));
    if (read < 0) return false;
    // A file cut short meanwhile offers fewer whole candidates than its old
    // length promised.
    const size_t count = static_cast<size_t>(std::clamp<int64_t>(read - tail, 0, wanted));
    for (size_t i = NextCandidate(buffer_.data(), 0, count, pattern_); i < count;
         i = NextCandidate(buffer_.data(), i + 1, count, pattern_)) {
      if (std::memcmp(buffer_.data() + i, pattern_.data(), pattern_.size()) == 0) {
        match = block + static_cast<int64_t>(i);
        return true;
      }
    }
    return true;
  }

 private:
  fs::File& file_;
  std::span<const uint8_t> pattern_;
  std::vector<uint8_t> buffer_;
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
