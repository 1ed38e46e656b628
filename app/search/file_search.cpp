#include "app/search/file_search.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <span>

#include "app/search/candidate_scan.h"
#include "app/search/read_plan.h"
#include "app/search/search_texts.h"
#include "common/file_seam.h"

namespace vx {
namespace {

// The first match among `count` candidates from `data` on, or count.
size_t FirstMatch(const uint8_t* data, size_t count, std::span<const uint8_t> pattern) {
  for (size_t i = NextCandidate(data, 0, count, pattern); i < count;
       i = NextCandidate(data, i + 1, count, pattern)) {
    if (std::memcmp(data + i, pattern.data(), pattern.size()) == 0) return i;
  }
  return count;
}

// Tells the steps of both passes, each once every candidate in it was
// tried; the share counts whole steps, as the bar moves by them.
class StepProgress {
 public:
  StepProgress(const ProgressCallback& progress, int64_t length)
      : progress_(progress), length_(static_cast<double>(std::max<int64_t>(length, 1))) {}

  // A pass whose steps start from `first` through `last`.
  void StartPass(int64_t first, int64_t last) {
    first_ = first;
    steps_ = last >= first ? (last - first) / kSearchProgressStep + 1 : 0;
    told_ = 0;
  }
  // Every candidate of the pass before `offset` was tried.
  void TriedBefore(int64_t offset) {
    TellUpTo(std::min(steps_, (offset - first_) / kSearchProgressStep));
  }
  void PassDone() { TellUpTo(steps_); }

 private:
  void TellUpTo(int64_t steps) {
    for (; told_ < steps; ++told_) {
      searched_ += kSearchProgressStep;
      progress_(static_cast<double>(searched_) / length_, std::wstring());
    }
  }

  const ProgressCallback& progress_;
  double length_;
  int64_t searched_ = 0;
  int64_t first_ = 0;
  int64_t steps_ = 0;
  int64_t told_ = 0;
};

}  // namespace

FindResult FindInBlocks(BlockFile& file, int64_t length, int64_t from,
                        const std::vector<uint8_t>& pattern, const ProgressCallback& progress) {
  if (pattern.empty()) return {FindOutcome::NotFound};
  progress(kProgressStart, search_texts::kSearching);
  const int64_t tail = static_cast<int64_t>(pattern.size()) - 1;
  // The second pass takes the matches that end at or before the byte at
  // `from`; both tell their steps up to their last start, even where no
  // whole match fits.
  const SearchPass passes[2] = {{from, length - tail}, {0, std::min(from + 1, length) - tail}};
  const int64_t last_starts[2] = {length - 1, from};
  ReadPlan plan(passes[0], passes[1]);
  StepProgress steps(progress, length);
  std::vector<uint8_t> buffer;
  std::optional<PlannedRead> read = plan.Next();
  FindResult result{FindOutcome::NotFound};
  for (int pass = 0; pass < 2 && result.outcome == FindOutcome::NotFound; ++pass) {
    steps.StartPass(passes[pass].first, last_starts[pass]);
    for (; read && read->pass == pass; read = plan.Next()) {
      const int64_t asked = read->candidates + tail;
      if (buffer.size() < static_cast<size_t>(asked)) buffer.resize(static_cast<size_t>(asked));
      const int64_t got = file.ReadAt(read->offset, buffer.data(), asked);
      if (got < 0) {
        result = {FindOutcome::Failed};
        break;
      }
      // A file cut short meanwhile offers fewer whole candidates than its old
      // length promised.
      const size_t count =
          static_cast<size_t>(std::clamp<int64_t>(got - tail, 0, read->candidates));
      const size_t match = FirstMatch(buffer.data(), count, pattern);
      if (match < count) {
        result = {FindOutcome::Found, read->offset + static_cast<int64_t>(match)};
        steps.TriedBefore(result.offset);
        break;
      }
      steps.TriedBefore(read->offset + read->candidates);
    }
    if (result.outcome == FindOutcome::NotFound) steps.PassDone();
  }
  progress(kProgressEnd, std::wstring());
  return result;
}

FindResult FindInFile(const EditedFile& file, int64_t from, const std::vector<uint8_t>& pattern,
                      const ProgressCallback& progress) {
  if (pattern.empty()) return {FindOutcome::NotFound};
  // Open() would make a vanished file anew and empty; that is an error here.
  if (from < 0 || file.Length() < 0) return {FindOutcome::Failed};
  fs::File opened = file.Open();
  if (!opened) return {FindOutcome::Failed};
  const int64_t length = opened.Length();
  if (length < 0) return {FindOutcome::Failed};
  SeamBlockFile blocks(opened);
  return FindInBlocks(blocks, length, from, pattern, progress);
}

}  // namespace vx
