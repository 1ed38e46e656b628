#include "app/search/find_u.h"

#include <algorithm>
#include <cstring>
#include <span>

#include "app/search/candidate_scan.h"
#include "app/search/search_texts.h"
#include "common/file_seam.h"

namespace vx {
namespace {

constexpr int64_t kNotInBlock = 0;

class BlockMatcher {
 public:
  BlockMatcher(fs::File& file, std::span<const uint8_t> pattern)
      : file_(file), pattern_(pattern), buffer_(kFindBlock + pattern.size() - 1) {}

  // The first match starting in the block at seek position p and ending at or
  // before seek position `limit`; kNotInBlock, or -1 when the read failed.
  int64_t Match(int64_t p, int64_t limit) {
    const int64_t m = static_cast<int64_t>(pattern_.size()) - 1;
    const int64_t wanted = std::min<int64_t>(kFindBlock, limit - m - p + 1);
    if (wanted <= 0) return kNotInBlock;
    const int64_t read = file_.ReadAt(p - 1, buffer_.data(), static_cast<int64_t>(buffer_.size()));
    if (read < 0) return -1;
    // A file cut short meanwhile offers fewer whole candidates than its old
    // length promised.
    const size_t count = static_cast<size_t>(std::clamp<int64_t>(read - m, 0, wanted));
    for (size_t i = NextCandidate(buffer_.data(), 0, count, pattern_); i < count;
         i = NextCandidate(buffer_.data(), i + 1, count, pattern_)) {
      if (std::memcmp(buffer_.data() + i, pattern_.data(), pattern_.size()) == 0) {
        return p + static_cast<int64_t>(i);
      }
    }
    return kNotInBlock;
  }

 private:
  fs::File& file_;
  std::span<const uint8_t> pattern_;
  std::vector<uint8_t> buffer_;
};

}  // namespace

int32_t FindU(const FileOperation& files, const std::wstring& FileName, int32_t Start,
              const std::vector<uint8_t>& FindBy, const FindProgress& Prog) {
  if (FindBy.empty()) return kFindNoMatch;
  // OpenBinary would make a vanished file anew and empty; that is an error here.
  if (Start < 1 || fs::FileLength(FileName) < 0) return kFindOpenFailed;
  fs::File file = files.OpenBinary(FileName);
  if (!file) return kFindOpenFailed;
  const int64_t L = file.Length();
  if (L < 0) return kFindOpenFailed;

  Prog(-1, search_texts::kSearching);
  BlockMatcher matcher(file, FindBy);
  int64_t counter = 0;
  // Both passes run the same blocks; only their range and limit differ.
  auto pass = [&](int64_t from, int64_t last_block, int64_t limit) -> int64_t {
    for (int64_t p = from; p <= last_block; p += kFindBlock) {
      const int64_t r = matcher.Match(p, limit);
      if (r != kNotInBlock) return r;
      counter += kFindBlock;
      Prog(static_cast<double>(counter) / static_cast<double>(std::max<int64_t>(L, 1)), L"");
    }
    return kNotInBlock;
  };
  int64_t r = pass(Start, L, L);
  if (r == kNotInBlock) r = pass(1, Start, std::min<int64_t>(Start, L));
  Prog(1, L"");
  if (r < 0) return kFindOpenFailed;
  return r == kNotInBlock ? kFindNoMatch : static_cast<int32_t>(r);
}

}  // namespace vx
