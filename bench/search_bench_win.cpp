// The search over a 1 GiB file for a pattern that is not in it, against a plain
// forward read of the same file in 1 MiB reads: the matching must cost little
// beyond the reading it cannot avoid. Measured twice: from the
// page cache (the file read once first) and from the disk, with the system's
// caches dropped before every run where this machine allows it.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "app/file/edited_file.h"
#include "app/search/file_search.h"
#include "bench/bench_support_win.h"
#include "bench/page_cache_win.h"
#include "common/file_seam.h"

namespace {

using vx::bench::NowMs;

constexpr size_t kFileBytes = size_t{1} << 30;
// Best of several rounds, so that a moment of other work on the machine
// falls on a round that does not count.
constexpr int kCachedRounds = 7;
constexpr int kColdRounds = 3;
constexpr double kGoal = 0.95;
// The plain read's block: large enough that the system's cost per read no
// longer counts.
constexpr int64_t kPlainReadSize = int64_t{1} << 20;

double GigabytesPerSecond(double ms) { return static_cast<double>(kFileBytes) / (ms * 1e6); }

double PlainReadMs(const vx::EditedFile& file, int64_t block_size) {
  std::vector<uint8_t> block(static_cast<size_t>(block_size));
  const double start = NowMs();
  vx::fs::File opened = file.Open();
  int64_t at = 0;
  while (opened.ReadAt(at, block.data(), block_size) == block_size) at += block_size;
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

// Best and worst of the rounds, in milliseconds.
struct Spread {
  double best = 1e300;
  double worst = 0;
  void Add(double ms) {
    best = std::min(best, ms);
    worst = std::max(worst, ms);
  }
};

struct Figures {
  Spread small_reads;  // the plain read in 4096-byte blocks, as a program reading byte pages does
  Spread reads;
  Spread finds;
  int64_t reports = 0;
};

void Print(const char* cache, const Figures& f) {
  std::printf("%s:\n", cache);
  std::printf("  plain read, 4096-byte blocks:      %6.2f GB/s  (%.0f ms, worst %.0f)\n",
              GigabytesPerSecond(f.small_reads.best), f.small_reads.best, f.small_reads.worst);
  std::printf("  plain read, %7lld-byte blocks:   %6.2f GB/s  (%.0f ms, worst %.0f)\n",
              static_cast<long long>(kPlainReadSize), GigabytesPerSecond(f.reads.best),
              f.reads.best, f.reads.worst);
  std::printf(
      "  search, absent 4-byte pattern:     %6.2f GB/s  (%.0f ms, worst %.0f, %lld progress "
      "reports)\n",
      GigabytesPerSecond(f.finds.best), f.finds.best, f.finds.worst,
      static_cast<long long>(f.reports));
  const double ratio = f.reads.best / f.finds.best;
  vx::bench::PrintAgainstGoal({vx::bench::Format("%.2f", kGoal), ratio >= kGoal},
                              "  ratio search / plain read:         %6.2f", ratio);
  std::printf("  ratio search / 4096-byte read:     %6.2f\n", f.small_reads.best / f.finds.best);
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

  // The runs take turns, so that a busy moment of the machine falls on both.
  Figures cached;
  for (int i = 0; i < kCachedRounds; ++i) {
    cached.small_reads.Add(PlainReadMs(file, 4096));
    cached.reads.Add(PlainReadMs(file, kPlainReadSize));
    const FindRun run = TimedFind(file, pattern);
    cached.finds.Add(run.ms);
    cached.reports = run.reports;
  }
  Print("from the page cache", cached);

  Figures cold;
  bool dropped = true;
  for (int i = 0; i < kColdRounds && dropped; ++i) {
    dropped = bench::DropPageCache(folder);
    if (dropped) cold.small_reads.Add(PlainReadMs(file, 4096));
    dropped = dropped && bench::DropPageCache(folder);
    if (dropped) cold.reads.Add(PlainReadMs(file, kPlainReadSize));
    dropped = dropped && bench::DropPageCache(folder);
    if (dropped) {
      const FindRun run = TimedFind(file, pattern);
      cold.finds.Add(run.ms);
      cold.reports = run.reports;
    }
  }
  if (dropped) {
    Print("from the disk (caches dropped before every run)", cold);
  } else {
    std::printf("from the disk: the caches could not be dropped here\n");
  }
  bench::RemoveScratch(folder);
  return 0;
}
