// The checks of a file against their baselines, measured in the same run on
// a 1 GiB file (or the MiB given as the first argument) held in the page
// cache: the system's CRC-32 and ours in memory beside a plain read of the
// file; all five hashes of the file read once beside the slowest hash alone
// over the same number of bytes in memory, and beside the bound the cores
// set (every hash's time alone, shared out among the cores); CRC-32 alone
// beside a plain read of the file; and the comparison of two files beside a
// plain read of both, with its memory for two equal files and for files
// differing every 64 bytes (more stretches than the list keeps).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/check/file_compare.h"
#include "app/check/system_hash_win.h"
#include "bench/bench_support_win.h"
#include "common/file_seam.h"

namespace {

using vx::bench::NowMs;

constexpr int64_t kMiB = int64_t{1} << 20;
// The bytes hashed in memory: a buffer this large, hashed until as many
// bytes as the file's went through.
constexpr int64_t kMemoryBuffer = 64 * kMiB;

const vx::KeepGoing kAlways = [](double) { return true; };

// A plain read of `names` in the reader's blocks, each through one handle; ms.
double PlainReadMs(const std::vector<std::wstring>& names) {
  std::vector<uint8_t> block(static_cast<size_t>(vx::kReadOnceBlock));
  const double start = NowMs();
  for (const std::wstring& name : names) {
    vx::fs::File file = vx::fs::OpenFileForReading(name);
    for (int64_t at = 0;; at += vx::kReadOnceBlock) {
      if (file.ReadAt(at, block.data(), vx::kReadOnceBlock) <= 0) break;
    }
  }
  return NowMs() - start;
}

double HashInMemoryMs(std::unique_ptr<vx::SystemHash> hash, const std::vector<uint8_t>& buffer,
                      int64_t total) {
  const double start = NowMs();
  for (int64_t done = 0; done < total; done += static_cast<int64_t>(buffer.size())) {
    // In the reader's blocks, as the file's hashing gets them.
    for (size_t at = 0; at < buffer.size(); at += vx::kReadOnceBlock) {
      hash->Add({buffer.data() + at, std::min<size_t>(vx::kReadOnceBlock, buffer.size() - at)});
    }
  }
  hash->Finish();
  return NowMs() - start;
}

double HashFileMs(const std::wstring& name, int64_t size, std::span<const vx::HashKind> kinds) {
  const double start = NowMs();
  const vx::RangeHashes hashes = vx::HashRange(name, size, {0, size}, kinds, kAlways);
  if (hashes.outcome != vx::ReadOnceOutcome::Done) std::printf("  the hashing FAILED\n");
  return NowMs() - start;
}

// A copy of `from` with every `step`th byte changed, written beside it.
void MakeDifferingCopy(const std::wstring& from, const std::wstring& to, int64_t step) {
  vx::fs::File in = vx::fs::OpenFileForReading(from);
  vx::fs::File out = vx::fs::OpenFile(to, true, vx::fs::Share::Read);
  std::vector<uint8_t> block(static_cast<size_t>(8 * kMiB));
  for (int64_t at = 0;; at += static_cast<int64_t>(block.size())) {
    const int64_t got = in.ReadAt(at, block.data(), static_cast<int64_t>(block.size()));
    if (got <= 0) break;
    for (int64_t i = 0; step > 0 && i < got; i += step) block[static_cast<size_t>(i)] ^= 0xFF;
    out.WriteAt(at, block.data(), got);
  }
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vx;
  using bench::Format;
  using bench::PrintAgainstGoal;
  const int64_t size = (argc > 1 ? std::atoll(argv[1]) : 1024) * kMiB;
  SYSTEM_INFO system;
  GetSystemInfo(&system);
  std::printf("checks of a %lld MiB file, %lu processors\n", static_cast<long long>(size / kMiB),
              system.dwNumberOfProcessors);
  const std::wstring folder = bench::ScratchFolder();
  const std::wstring name = folder + L"data.bin";
  bench::MakeLargeFile(name, size);
  PlainReadMs({name});  // into the page cache
  double read_ms = 1e300;
  for (int round = 0; round < 3; ++round) read_ms = std::min(read_ms, PlainReadMs({name}));
  std::printf("  plain read: %.0f ms (%.0f MB/s)\n", read_ms, size / 1e3 / read_ms);

  std::vector<uint8_t> buffer(static_cast<size_t>(std::min(size, kMemoryBuffer)));
  for (size_t i = 0; i < buffer.size(); ++i)
    buffer[i] = static_cast<uint8_t>(i * 2654435761u >> 13);
  // The system's CRC-32 over a sixteenth of the bytes, byte at a time as it is.
  if (std::unique_ptr<SystemHash> ntdll = MakeNtdllCrc32()) {
    const double ms = 16 * HashInMemoryMs(std::move(ntdll), buffer, size / 16);
    std::printf("  ntdll's CRC-32 alone in memory: %.0f ms = %.2f x a plain read's speed\n", ms,
                read_ms / ms);
  }
  double slowest_ms = 0, sum_ms = 0;
  for (const HashKind kind : kHashKinds) {
    const double ms = HashInMemoryMs(MakeSystemHash(kind), buffer, size);
    std::printf("  %-7ls alone in memory: %.0f ms (%.0f MB/s) = %.2f x a plain read's speed\n",
                HashName(kind), ms, size / 1e3 / ms, read_ms / ms);
    slowest_ms = std::max(slowest_ms, ms);
    sum_ms += ms;
  }
  // No sharing out of the hashes among the cores does better than this.
  const double cores = std::min<double>(system.dwNumberOfProcessors, kHashKinds.size());
  const double bound = std::max(1.0, sum_ms / cores / slowest_ms);
  double all_ms = 1e300;
  for (int round = 0; round < 2; ++round) {
    all_ms = std::min(all_ms, HashFileMs(name, size, kHashKinds));
  }
  PrintAgainstGoal({"1.1 x the slowest alone in memory", all_ms <= 1.1 * slowest_ms},
                   "  all five over the file: %.0f ms = %.2f x the slowest alone (the %.0f cores' "
                   "bound: %.2f x)",
                   all_ms, all_ms / slowest_ms, cores, bound);
  const HashKind crc[] = {HashKind::Crc32};
  double crc_ms = 1e300;
  for (int round = 0; round < 3; ++round) crc_ms = std::min(crc_ms, HashFileMs(name, size, crc));
  PrintAgainstGoal({">= 0.8 x a plain read", read_ms / crc_ms >= 0.8},
                   "  CRC-32 alone over the file: %.0f ms = %.2f x a plain read's speed", crc_ms,
                   read_ms / crc_ms);

  const std::wstring same = folder + L"same.bin";
  const std::wstring differing = folder + L"differing.bin";
  MakeDifferingCopy(name, same, 0);
  MakeDifferingCopy(name, differing, 64);
  PlainReadMs({name, same});
  // The best of a few rounds each, on a machine that others share.
  double both_ms = 1e300, compare_ms = 1e300;
  const double memory_before = bench::PrivateMegabytes();
  FileComparison equal(name, same);
  for (int round = 0; round < 3; ++round) {
    both_ms = std::min(both_ms, PlainReadMs({name, same}));
    const double start = NowMs();
    equal.Run(kAlways);
    compare_ms = std::min(compare_ms, NowMs() - start);
  }
  const double equal_mb = bench::PrivateMegabytes() - memory_before;
  PrintAgainstGoal({">= 0.8 x a plain read of both", both_ms / compare_ms >= 0.8},
                   "  comparing two equal files: %.0f ms = %.2f x a plain read of both's speed "
                   "(%.0f ms)",
                   compare_ms, both_ms / compare_ms, both_ms);
  FileComparison many(name, differing);
  const double many_start = NowMs();
  many.Run(kAlways);
  const double many_ms = NowMs() - many_start;
  const double many_mb = bench::PrivateMegabytes() - memory_before;
  PrintAgainstGoal({"the list's 100,000 stretches more than two equal files (1.6 MB)",
                    many_mb - equal_mb <= 2.0},
                   "  comparing files with %lld differing stretches: %.0f ms, %+.1f MB beside "
                   "two equal files' %+.1f MB",
                   static_cast<long long>(many.summary().stretches), many_ms, many_mb, equal_mb);
  bench::RemoveScratch(folder);
  return 0;
}
