#include "bench/copy_baseline_win.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/bench_support_win.h"
#include "common/file_seam.h"
#include "tests/support/unix_side_win.h"

namespace vx::bench {
namespace {

using vx::test::UnixName;

constexpr int64_t kMiB = int64_t{1} << 20;

// Runs a Unix program to its end through Wine; false when it cannot be run.
bool RunUnix(const wchar_t* program, std::wstring line) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    std::printf("  (%ls could not be started: error %lu)\n", program, GetLastError());
    return false;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

// The simplest copy the program itself could make: 1 MiB reads and writes
// into a fresh file.
double BlockCopyMs(const std::wstring& source, const std::wstring& target) {
  fs::RemoveFile(target);
  Settle();
  const double start = NowMs();
  {
    fs::File from = fs::OpenFile(source, false, fs::Share::Read);
    fs::File to = fs::OpenFile(target, true, fs::Share::ReadWrite);
    std::vector<uint8_t> buffer(static_cast<size_t>(kMiB));
    const int64_t length = from.Length();
    for (int64_t at = 0; at < length; at += kMiB) {
      const int64_t n = std::min(kMiB, length - at);
      from.ReadAt(at, buffer.data(), n);
      to.WriteAt(at, buffer.data(), n);
    }
  }
  return NowMs() - start;
}

}  // namespace

void Settle() { RunUnix(L"Z:\\bin\\sync", L"sync"); }

void Settle(const std::wstring& name) {
  Settle();
  if (!fs::OpenFile(name, false, fs::Share::ReadWrite).Flush()) {
    std::printf("  writing %ls back FAILED\n", name.c_str());
  }
}

double CpMs(const std::wstring& source, const std::wstring& target, bool through) {
  const std::string from = UnixName(source);
  const std::string to = UnixName(target);
  if (from.empty() || to.empty()) {
    std::printf("  (no Unix names for the files: not under Wine)\n");
    return -1;
  }
  // The scratch folder's names are plain ASCII, so a byte-wise widening is exact.
  const std::wstring line = L"cp \"" + std::wstring(from.begin(), from.end()) + L"\" \"" +
                            std::wstring(to.begin(), to.end()) + L"\"";
  fs::RemoveFile(target);
  Settle();
  const double start = NowMs();
  if (!RunUnix(L"Z:\\bin\\cp", line)) return -1;
  // Wine hands a Unix program's run to the system and may report its end
  // early; the copy is done when the target has its full length.
  const int64_t length = fs::FileLength(source);
  while (fs::FileLength(target) != length) {
    if (NowMs() - start > 60000) return -1;
  }
  if (through && !fs::OpenFile(target, false, fs::Share::ReadWrite).Flush()) {
    std::printf("  writing the copy through FAILED\n");
  }
  return NowMs() - start;
}

double Best(const std::function<double()>& once) {
  double best = once();
  for (int i = 1; i < kRounds; ++i) best = std::min(best, once());
  return best;
}

Baseline CopyBaseline(const std::wstring& source, const std::wstring& target) {
  const double block = Best([&] { return BlockCopyMs(source, target); });
  const double cp = Best([&] { return CpMs(source, target, false); });
  fs::RemoveFile(target);
  std::printf("  baseline: plain 1 MiB block copy %.0f ms", block);
  if (cp >= 0) std::printf(", cp %.0f ms", cp);
  std::printf("\n");
  return cp >= 0 ? Baseline{cp, "cp"} : Baseline{block, "block copy"};
}

}  // namespace vx::bench
