// The search over a 1 GiB file for a pattern that is not in it, against a plain
// forward read of the same file in 1 MiB reads: the matching must cost little
// beyond the reading it cannot avoid. Measured twice: from the
// page cache (the file read once first) and from the disk, with the system's
// caches dropped before every run where this machine allows it. Then find
// all over the same file holding a million matches, against the plain
// search of that file, and the memory it takes against a 1 KiB file's.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <span>
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
constexpr double kCachedGoal = 1.0;
constexpr double kColdGoal = 0.95;
constexpr double kFindAllGoal = 1.5;
constexpr double kMemoryGoalMb = 2.0;
// A match every KiB: a million in the file.
constexpr int64_t kMatchSpacing = 1024;
const std::vector<uint8_t> kPlanted{0x56, 0x58, 0x4D, 0x42};
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
  const vx::FindResult result = vx::FindForward(file, vx::SearchPattern(pattern), {}, 0, count);
  return {NowMs() - start, result.outcome, reports};
}

struct FindAllRun {
  double ms;
  int64_t count;
  double highest_mb;  // the private memory at its highest while it ran
};

// With `watch_memory`, samples the private memory at every progress report
// and every 65536th match (each sample costs a call through wineserver, so
// the timed runs take none).
FindAllRun TimedFindAll(const vx::EditedFile& file, const std::vector<uint8_t>& pattern,
                        bool watch_memory) {
  double highest = vx::bench::PrivateMegabytes();
  auto sample = [&] {
    if (watch_memory) highest = std::max(highest, vx::bench::PrivateMegabytes());
  };
  int64_t told = 0;
  const double start = NowMs();
  const vx::FindAllResult result = vx::FindAll(
      file, vx::SearchPattern(pattern), {},
      [&](int64_t, std::span<const uint8_t>) {
        if (++told % 65536 == 0) sample();
        return true;
      },
      [&](double, const std::wstring&) { sample(); });
  const double ms = NowMs() - start;
  return {ms, result.outcome == vx::FindAllOutcome::Done ? result.count : -1, highest};
}

// Puts kPlanted every kMatchSpacing bytes of the file, in place.
void PlantMatches(const std::wstring& name) {
  vx::fs::File file = vx::fs::OpenFile(name, false, vx::fs::Share::ReadWrite);
  std::vector<uint8_t> block(size_t{1} << 20);
  const auto size = static_cast<int64_t>(block.size());
  for (int64_t at = 0; at < static_cast<int64_t>(kFileBytes); at += size) {
    file.ReadAt(at, block.data(), size);
    for (size_t k = 17; k + kPlanted.size() <= block.size(); k += kMatchSpacing) {
      std::copy(kPlanted.begin(), kPlanted.end(), block.begin() + static_cast<int64_t>(k));
    }
    file.WriteAt(at, block.data(), size);
  }
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

void Print(const char* cache, const Figures& f, double goal) {
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
  vx::bench::PrintAgainstGoal({vx::bench::Format(">= %.2f", goal), ratio >= goal},
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
  Print("from the page cache", cached, kCachedGoal);

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
    Print("from the disk (caches dropped before every run)", cold, kColdGoal);
  } else {
    std::printf("from the disk: the caches could not be dropped here\n");
  }

  // Find all: a million matches against the plain search of the same file,
  // both from the page cache; memory against a 1 KiB file's.
  PlantMatches(name);
  const std::wstring small_name = folder + L"small.bin";
  bench::MakeFile(small_name, 1024);
  const FindAllRun small = TimedFindAll(EditedFile(small_name), kPlanted, true);
  Spread searches, all;
  FindAllRun run{};
  for (int i = 0; i < kCachedRounds; ++i) {
    searches.Add(TimedFind(file, pattern).ms);
    run = TimedFindAll(file, kPlanted, false);
    all.Add(run.ms);
  }
  const FindAllRun watched = TimedFindAll(file, kPlanted, true);
  std::printf("find all, from the page cache:\n");
  std::printf("  plain search, absent pattern:      %6.2f GB/s  (%.0f ms, worst %.0f)\n",
              GigabytesPerSecond(searches.best), searches.best, searches.worst);
  std::printf("  find all, %lld matches:         %6.2f GB/s  (%.0f ms, worst %.0f)\n",
              static_cast<long long>(run.count), GigabytesPerSecond(all.best), all.best, all.worst);
  const double all_ratio = all.best / searches.best;
  vx::bench::PrintAgainstGoal(
      {vx::bench::Format("<= %.2f", kFindAllGoal), all_ratio <= kFindAllGoal},
      "  ratio find all / plain search:     %6.2f", all_ratio);
  const double extra_mb = watched.highest_mb - small.highest_mb;
  vx::bench::PrintAgainstGoal(
      {vx::bench::Format("<= %.1f MB more", kMemoryGoalMb), extra_mb <= kMemoryGoalMb},
      "  private memory at its highest:     %6.2f MB  (1 KiB file: %.2f MB, %+.2f MB)",
      watched.highest_mb, small.highest_mb, extra_mb);
  bench::RemoveScratch(folder);
  return 0;
}
