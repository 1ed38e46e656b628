// FindU over a 1 GiB file for a pattern that is not in it, against a plain
// forward read of the same file in 4096-byte blocks: the matching must cost
// little beyond the reading it cannot avoid. The file is read once first, so
// both runs come from the page cache.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "app/file/file_operation.h"
#include "app/search/find_u.h"
#include "bench/bench_support_win.h"
#include "common/file_seam.h"

namespace {

using vx::bench::NowMs;

constexpr size_t kFileBytes = size_t{1} << 30;
constexpr int kRounds = 3;

double GigabytesPerSecond(double ms) { return static_cast<double>(kFileBytes) / (ms * 1e6); }

double PlainReadMs(const vx::FileOperation& files, const std::wstring& name) {
  std::vector<uint8_t> block(vx::kFindBlock);
  const double start = NowMs();
  vx::fs::File file = files.OpenBinary(name);
  int64_t at = 0;
  while (file.ReadAt(at, block.data(), vx::kFindBlock) == vx::kFindBlock) at += vx::kFindBlock;
  return NowMs() - start;
}

struct FindRun {
  double ms;
  int32_t result;
  int64_t reports;
};

FindRun TimedFind(const vx::FileOperation& files, const std::wstring& name,
                  const std::vector<uint8_t>& pattern) {
  int64_t reports = 0;
  const vx::FindProgress count = [&reports](double, const std::wstring&) { ++reports; };
  const double start = NowMs();
  const int32_t r = vx::FindU(files, name, 1, pattern, count);
  return {NowMs() - start, r, reports};
}

}  // namespace

int main() {
  using namespace vx;
  bench::SilenceMessages();
  const std::wstring folder = bench::ScratchFolder();
  const std::wstring name = folder + L"search.bin";
  bench::MakeFile(name, kFileBytes);
  const FileOperation files;

  // Random bytes hold about one in four 4-byte patterns somewhere; the first
  // full run that finds nothing also fills the page cache.
  std::vector<uint8_t> pattern{0x4D, 0x5A, 0x90, 0x00};
  FindRun warm = TimedFind(files, name, pattern);
  while (warm.result != kFindNoMatch && pattern[3] < 0xFF) {
    ++pattern[3];
    warm = TimedFind(files, name, pattern);
  }
  if (warm.result != kFindNoMatch) {
    std::printf("no absent pattern found\n");
    bench::RemoveScratch(folder);
    return 1;
  }

  double best_read = 1e300;
  double best_find = 1e300;
  int64_t reports = 0;
  for (int i = 0; i < kRounds; ++i) {
    best_read = std::min(best_read, PlainReadMs(files, name));
    const FindRun run = TimedFind(files, name, pattern);
    best_find = std::min(best_find, run.ms);
    reports = run.reports;
  }
  const double read_speed = GigabytesPerSecond(best_read);
  const double find_speed = GigabytesPerSecond(best_find);
  std::printf("plain read, 4096-byte blocks:   %6.2f GB/s  (%.0f ms)\n", read_speed, best_read);
  std::printf("FindU, absent 4-byte pattern:   %6.2f GB/s  (%.0f ms, %lld progress reports)\n",
              find_speed, best_find, static_cast<long long>(reports));
  bench::PrintAgainstGoal({"0.8", find_speed / read_speed >= 0.8},
                          "ratio FindU / plain read:       %6.2f", find_speed / read_speed);
  bench::RemoveScratch(folder);
  return 0;
}
