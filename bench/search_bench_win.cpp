// The search over a 1 GiB file for a pattern that is not in it, against a plain
// forward read of the same file in 4096-byte blocks: the matching must cost
// little beyond the reading it cannot avoid. The file is read once first, so
// both runs come from the page cache.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "app/file/edited_file.h"
#include "app/search/file_search.h"
#include "bench/bench_support_win.h"
#include "common/file_seam.h"

namespace {

using vx::bench::NowMs;

constexpr size_t kFileBytes = size_t{1} << 30;
constexpr int kRounds = 3;

double GigabytesPerSecond(double ms) { return static_cast<double>(kFileBytes) / (ms * 1e6); }

double PlainReadMs(const vx::EditedFile& file) {
  std::vector<uint8_t> block(vx::kSearchBlockSize);
  const double start = NowMs();
  vx::fs::File opened = file.Open();
  int64_t at = 0;
  while (opened.ReadAt(at, block.data(), vx::kSearchBlockSize) == vx::kSearchBlockSize) {
    at += vx::kSearchBlockSize;
  }
  return NowMs() - start;
}

struct FindRun {
  double ms;
  vx::FindOutcome outcome;
  int64_t reports;
};

FindRun TimedFind(const vx::EditedFile& file, const std::vector<uint8_t>& pattern) {
  int64_t reports = 0;
  const vx::ProgressCallback count = [&reports](double, const std::wstring&) { ++reports; };
  const double start = NowMs();
  const vx::FindResult result = vx::FindInFile(file, 0, pattern, count);
  return {NowMs() - start, result.outcome, reports};
}

}  // namespace

int main() {
  using namespace vx;
  bench::SilenceMessages();
  const std::wstring folder = bench::ScratchFolder();
  const std::wstring name = folder + L"search.bin";
  bench::MakeFile(name, kFileBytes);
  const EditedFile file(name);

  // Random bytes hold about one in four 4-byte patterns somewhere; the first
  // full run that finds nothing also fills the page cache.
  std::vector<uint8_t> pattern{0x4D, 0x5A, 0x90, 0x00};
  FindRun warm = TimedFind(file, pattern);
  while (warm.outcome != FindOutcome::NotFound && pattern[3] < 0xFF) {
    ++pattern[3];
    warm = TimedFind(file, pattern);
  }
  if (warm.outcome != FindOutcome::NotFound) {
    std::printf("no absent pattern found\n");
    bench::RemoveScratch(folder);
    return 1;
  }

  double best_read = 1e300;
  double best_find = 1e300;
  int64_t reports = 0;
  for (int i = 0; i < kRounds; ++i) {
    best_read = std::min(best_read, PlainReadMs(file));
    const FindRun run = TimedFind(file, pattern);
    best_find = std::min(best_find, run.ms);
    reports = run.reports;
  }
  const double read_speed = GigabytesPerSecond(best_read);
  const double find_speed = GigabytesPerSecond(best_find);
  std::printf("plain read, 4096-byte blocks:   %6.2f GB/s  (%.0f ms)\n", read_speed, best_read);
  std::printf("search, absent 4-byte pattern:  %6.2f GB/s  (%.0f ms, %lld progress reports)\n",
              find_speed, best_find, static_cast<long long>(reports));
  bench::PrintAgainstGoal({"0.8", find_speed / read_speed >= 0.8},
                          "ratio search / plain read:      %6.2f", find_speed / read_speed);
  bench::RemoveScratch(folder);
  return 0;
}
