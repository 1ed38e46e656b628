// Replace all over a 1 GiB file with a million 4-byte matches (one in every
// KiB), as the program does it (the list in the journal's data file, the
// recovery record on disk, the system let in), by as many bytes and by 5,
// with the final flush and without it, each beside the system's cp of the
// same file (and cp written through) made in the same run; then its Undo;
// and the private memory at its highest during the replaces beside that of
// the program after the same replace over a 1 KiB file with one match.
// The file is in the page cache, so the figures compare the programs, not
// the disk.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "app/document/edited_document.h"
#include "app/disk/recovery.h"
#include "app/program_globals.h"
#include "app/search/file_search.h"
#include "app/settings/display_settings.h"
#include "app/settings/settings_folder.h"
#include "bench/bench_support_win.h"
#include "bench/copy_baseline_win.h"
#include "common/file_seam.h"
#include "common/ui/message_pump_win.h"

namespace {

using vx::bench::Baseline;
using vx::bench::Best;
using vx::bench::NowMs;

constexpr int64_t kMiB = int64_t{1} << 20;
constexpr int64_t kEvery = 1024;
const std::vector<uint8_t> kMarker{0x4D, 0x41, 0x52, 0x4B};

// Puts the marker at the start of every KiB, a MiB at a time.
void PutMarkers(const std::wstring& name) {
  vx::fs::File file = vx::fs::OpenFile(name, false, vx::fs::Share::Read);
  std::vector<uint8_t> block(static_cast<size_t>(kMiB));
  for (int64_t at = 0, length = file.Length(); at < length; at += kMiB) {
    const int64_t n = std::min(kMiB, length - at);
    file.ReadAt(at, block.data(), n);
    for (int64_t k = 0; k + 4 <= n; k += kEvery) {
      std::copy(kMarker.begin(), kMarker.end(), block.begin() + k);
    }
    file.WriteAt(at, block.data(), n);
  }
}

// Every marker, as the window's replace all finds them: the search's own
// FindAll streaming each match to the replace.
vx::MatchFinder AllMatches(const vx::EditedFile& file) {
  return [file](const vx::MatchSink& sink) {
    return vx::FindAll(file, vx::SearchPattern(kMarker), {}, sink,
                       [](double, const std::wstring&) {})
               .outcome == vx::FindAllOutcome::Done;
  };
}

void Report(const char* what, double ms, const Baseline& base, double goal) {
  vx::bench::PrintAgainstGoal(
      {vx::bench::Format("<= %.1fx", goal), ms / base.ms <= goal, vx::bench::Verdict::Always},
      "%-40s %8.0f ms  %.2fx %s", what, ms, ms / base.ms, base.label);
}

}  // namespace

int main() {
  using namespace vx;
  bench::PrepareProgram();
  DisplaySettings.AutoBackUp = false;
  const std::wstring big = ProgramFolder + L"big.bin";
  const std::wstring tiny = ProgramFolder + L"tiny.bin";
  const std::wstring copy = ProgramFolder + L"copy.bin";
  bench::MakeLargeFile(big, 1024 * kMiB);
  PutMarkers(big);
  bench::MakeFile(tiny, 1024);
  PutMarkers(tiny);
  const std::wstring records = SettingsFolder();
  fs::MakeFolder(records);
  SetRecoveryFolder(records);

  std::printf("replace all: 1 GiB, %lld matches of 4 bytes\n",
              static_cast<long long>(1024 * kMiB / kEvery));
  const Baseline base = bench::CopyBaseline(big, copy);
  const Baseline durable{Best([&] { return bench::CpMs(big, copy, true); }), "cp + sync"};
  fs::RemoveFile(copy);
  std::printf("  baseline: cp written through to the disk %.0f ms\n", durable.ms);

  double peak_mb = 0;
  const ProgressCallback as_the_program = [&peak_mb](double, const std::wstring&) {
    LetSystemIn();
    peak_mb = std::max(peak_mb, bench::PrivateMegabytes());
  };
  const std::vector<uint8_t> same{0x77, 0x6F, 0x72, 0x64}, longer{0x77, 0x6F, 0x72, 0x64, 0x73};
  auto owned = std::make_unique<EditedDocument>(as_the_program, [](bool) {});
  EditedDocument& document = *owned;
  // Each replace, then its Undo, which puts the markers back for the next round.
  const auto replace = [&](const std::vector<uint8_t>& replacement, bool flushed, double* undo_ms) {
    fs::SetFlushesSkipped(!flushed);
    bench::Settle(big);
    double start = NowMs();
    const ReplaceAllOutcome outcome =
        document.ReplaceAll(AllMatches(document.file()), replacement);
    const double ms = NowMs() - start;
    bench::Settle(big);
    start = NowMs();
    const bool undone = document.Undo();
    *undo_ms = std::min(*undo_ms, NowMs() - start);
    fs::SetFlushesSkipped(false);
    if (outcome.result != ReplaceAllOutcome::Replaced || !undone) {
      std::printf("  the replace FAILED\n");
    }
    return ms;
  };
  // The 1 KiB file first: what the program holds after a replace of one match.
  double tiny_undo_ms = 1e300;
  if (document.Open(tiny) != OpenOutcome::Opened || !document.BeginChange()) {
    std::printf("  opening the small file FAILED\n");
    return 1;
  }
  replace(longer, true, &tiny_undo_ms);
  const double tiny_mb = bench::PrivateMegabytes();
  peak_mb = 0;
  if (document.Open(big) != OpenOutcome::Opened || !document.BeginChange()) {
    std::printf("  opening the file FAILED\n");
    return 1;
  }
  double undo_ms[2][2] = {{1e300, 1e300}, {1e300, 1e300}};
  double ms[2][2];
  for (int lengthened = 0; lengthened < 2; ++lengthened) {
    for (int flushed = 0; flushed < 2; ++flushed) {
      ms[lengthened][flushed] = Best([&] {
        return replace(lengthened ? longer : same, flushed, &undo_ms[lengthened][flushed]);
      });
    }
  }
  const double big_peak = peak_mb;
  Report("same length, without the flush", ms[0][0], base, 1.5);
  Report("4 bytes by 5, without the flush", ms[1][0], base, 1.5);
  Report("same length, as the program does", ms[0][1], durable, 1.5);
  Report("4 bytes by 5, as the program does", ms[1][1], durable, 1.5);
  std::printf("%-40s %8.0f ms  %.2fx cp\n", "  its Undo, without the flush", undo_ms[1][0],
              undo_ms[1][0] / base.ms);
  std::printf("%-40s %8.0f ms  %.2fx cp + sync\n", "  its Undo, as the program does", undo_ms[1][1],
              undo_ms[1][1] / durable.ms);

  bench::PrintAgainstGoal({"<= +2 MB", big_peak - tiny_mb <= 2, bench::Verdict::Always},
                          "%-40s %8.2f MB  %.2f MB after a 1 KiB file's single match",
                          "private memory at its highest", big_peak, tiny_mb);
  owned.reset();
  SetRecoveryFolder(L"");
  bench::RemoveScratch(ProgramFolder);
  return 0;
}
