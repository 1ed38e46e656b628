// The installers: one frame of the animation (65,536 pixels worked out and
// drawn, with the progress bar) against a bare SetDIBitsToDevice of the same
// picture onto the same window; and the whole install of the setup folder the
// build assembled, against a plain copy of that folder, with the uninstall
// after it; and the longest the uninstaller's window keeps a message sent
// to it waiting while it reads a list of 10,000 lines (the most a list may
// hold), against the same with the setup's own list, and against the 100 ms
// goal. Run in a Wine prefix of its own: it installs for real.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench_support_win.h"
#include "common/folder_tree.h"
#include "common/install_record.h"
#include "common/install_record_win.h"
#include "common/installer/ripple.h"
#include "common/message_box.h"
#include "common/program_folder_win.h"
#include "common/registry_win.h"
#include "common/shell_execute_win.h"
#include "common/uninstall_data.h"
#include "setup/fixed_disk_win.h"
#include "setup/setup_window_win.h"
#include "tests/installers/installer_runs_win.h"
#include "uninstall/uninstall_window_win.h"

namespace {

using vx::bench::NowMs;

constexpr int kFrames = 300;

struct FrameTimes {
  double draw_pic_ms;
  double bare_ms;
};

FrameTimes TimeFrames(vx::InstallerWindow& window) {
  for (int i = 0; i < 20; ++i) window.DrawFrame();
  double start = NowMs();
  for (int i = 0; i < kFrames; ++i) window.DrawFrame();
  const double draw_frame = (NowMs() - start) / kFrames;

  const std::vector<uint8_t> picture = window.work_picture();
  const BITMAPINFOHEADER header = vx::ArtworkHeader();
  const HDC dc = GetDC(window.hwnd());
  start = NowMs();
  for (int i = 0; i < kFrames; ++i) {
    SetDIBitsToDevice(dc, 0, 0, vx::kArtworkSide, vx::kArtworkSide, 0, 0, 0, vx::kArtworkSide,
                      picture.data(), reinterpret_cast<const BITMAPINFO*>(&header), DIB_RGB_COLORS);
  }
  GdiFlush();
  const double bare = (NowMs() - start) / kFrames;
  ReleaseDC(window.hwnd(), dc);
  return {draw_frame, bare};
}

double InstallSeconds(vx::Registry& registry, const std::wstring& setup) {
  const double start = NowMs();
  vx::test::WizardRun(registry, setup).Install({});
  return (NowMs() - start) / 1000;
}

// The longest wait for the uninstaller's window during an uninstall of an
// install whose list is padded to `lines` (0: the setup's own list).
double LongestWaitMs(vx::Registry& registry, const std::wstring& dist, const std::wstring& scratch,
                     int lines) {
  vx::CopyTree(dist, scratch + L"setup\\");
  vx::test::WizardRun(registry, scratch + L"setup\\").Install({});
  if (lines > 0) {
    const std::wstring list =
        vx::install_record::RegisteredInstallFolder() + vx::install_record::kListFileName;
    vx::WriteUninstallData(list, vx::test::PaddedList(list, lines));
  }
  return vx::test::WatchUninstallerWindow([&] {
           vx::test::RunUninstaller(registry);
           return std::vector<std::wstring>{};
         })
      .longest_ms;
}

double UninstallSeconds(vx::Registry& registry) {
  const double start = NowMs();
  vx::test::RunUninstaller(registry);
  return (NowMs() - start) / 1000;
}

}  // namespace

int main() {
  using namespace vx;
  // Yes to every question, and the installed program is not started.
  MsgAnswer yes_no = MsgAnswer::No;
  SetMessageHandler([&](const MessageRequest& r) {
    return r.buttons == MsgButtons::YesNo ? yes_no : MsgAnswer::Ok;
  });
  SetShellHandler([](const ShellRequest&) {});
  Registry registry;
  const std::wstring dist = ProgramFileFolder() + L"..\\dist\\";

  FrameTimes setup_frames{}, uninstall_frames{};
  {
    setup::SetupWindow wizard(registry, dist, setup::IsFixedDisk);
    wizard.Start();
    setup_frames = TimeFrames(wizard);
  }
  {
    uninstall::UninstallWindow uninstaller(registry, L"");
    uninstaller.Start();  // both questions answered No: nothing is removed
    uninstall_frames = TimeFrames(uninstaller);
  }
  std::printf("animation frame, 65,536 pixels and the bar (DrawFrame), %d frames:\n", kFrames);
  std::printf("  setup        %.3f ms a frame, %.1f x a bare SetDIBitsToDevice (%.3f ms)\n",
              setup_frames.draw_pic_ms, setup_frames.draw_pic_ms / setup_frames.bare_ms,
              setup_frames.bare_ms);
  std::printf("  uninstaller  %.3f ms a frame, %.1f x a bare SetDIBitsToDevice (%.3f ms)\n",
              uninstall_frames.draw_pic_ms, uninstall_frames.draw_pic_ms / uninstall_frames.bare_ms,
              uninstall_frames.bare_ms);

  const std::wstring scratch = bench::ScratchFolder();
  double start = NowMs();
  CopyTree(dist, scratch + L"plain\\");
  const double plain_copy = (NowMs() - start) / 1000;
  const size_t files =
      CopyTree(dist, scratch + L"setup\\").value_or(std::vector<std::wstring>{}).size();
  yes_no = MsgAnswer::Yes;
  const double install = InstallSeconds(registry, scratch + L"setup\\");
  const double uninstall = UninstallSeconds(registry);
  bench::RemoveScratch(scratch);
  std::printf(
      "whole install of the setup folder (%zu files): %.2f s, of which at least 36 "
      "frames of the frame timer fill the bar; a plain copy of the folder %.3f s\n",
      files, install, plain_copy);
  std::printf("whole uninstall: %.2f s\n", uninstall);

  const double own_list = LongestWaitMs(registry, dist, scratch, 0);
  const double long_list = LongestWaitMs(registry, dist, scratch, 10'000);
  bench::RemoveScratch(scratch);
  std::printf(
      "uninstaller's window, longest wait for an answer: %.1f ms with a list of 10,000 lines, "
      "%.2f x the %.1f ms with the setup's own list (goal: under 100 ms)\n",
      long_list, long_list / own_list, own_list);
  return 0;
}
