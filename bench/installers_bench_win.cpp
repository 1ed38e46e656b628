// The installers: one frame of the animation (65,536 pixels worked out and
// drawn, with the progress bar) against a bare SetDIBitsToDevice of the same
// picture onto the same window; and the whole install of the setup folder the
// build assembled, against a plain copy of that folder, with the uninstall
// after it. Run in a Wine prefix of its own: it installs for real.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench_support_win.h"
#include "common/installer/ripple.h"
#include "common/message_box.h"
#include "common/program_folder_win.h"
#include "common/reg_edit_win.h"
#include "common/shell_execute_win.h"
#include "common/usual.h"
#include "setup/fixed_disk_win.h"
#include "setup/setup_window_win.h"
#include "uninstall/uninstall_window_win.h"

namespace {

using vx::bench::NowMs;

constexpr int kFrames = 300;

struct FrameTimes {
  double draw_pic_ms;
  double bare_ms;
};

FrameTimes TimeFrames(vx::InstallerWindow& form) {
  for (int i = 0; i < 20; ++i) form.DrawPic();
  double start = NowMs();
  for (int i = 0; i < kFrames; ++i) form.DrawPic();
  const double draw_pic = (NowMs() - start) / kFrames;

  const std::vector<uint8_t> picture = form.work_picture();
  const BITMAPINFOHEADER header = vx::ArtworkHeader();
  const HDC dc = GetDC(form.hwnd());
  start = NowMs();
  for (int i = 0; i < kFrames; ++i) {
    SetDIBitsToDevice(dc, 0, 0, vx::kArtworkSide, vx::kArtworkSide, 0, 0, 0, vx::kArtworkSide,
                      picture.data(), reinterpret_cast<const BITMAPINFO*>(&header), DIB_RGB_COLORS);
  }
  GdiFlush();
  const double bare = (NowMs() - start) / kFrames;
  ReleaseDC(form.hwnd(), dc);
  return {draw_pic, bare};
}

double InstallSeconds(const vx::Usual& usual, vx::RegEdit& reg, const std::wstring& setup) {
  vx::setup::SetupWindow form(usual, reg, setup, vx::setup::IsFixedDisk);
  const double start = NowMs();
  form.Form_Load();
  for (const HWND button : {form.Command1, form.Command1, form.Command1, form.Command1}) {
    SendMessageW(button, BM_CLICK, 0, 0);
  }
  return (NowMs() - start) / 1000;
}

double UninstallSeconds(const vx::Usual& usual, vx::RegEdit& reg) {
  vx::uninstall::UninstallWindow form(usual, reg);
  const double start = NowMs();
  form.Form_Load();
  form.Run();
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
  const Usual usual;
  RegEdit reg;
  const std::wstring dist = ProgramFileFolder() + L"..\\dist\\";

  FrameTimes setup_frames{}, uninstall_frames{};
  {
    setup::SetupWindow form(usual, reg, dist, setup::IsFixedDisk);
    form.Form_Load();
    setup_frames = TimeFrames(form);
  }
  {
    uninstall::UninstallWindow form(usual, reg);
    form.Form_Load();  // both questions answered No: nothing is removed
    uninstall_frames = TimeFrames(form);
  }
  std::printf("animation frame, 65,536 pixels and the bar (DrawPic), %d frames:\n", kFrames);
  std::printf("  setup        %.3f ms a frame, %.1f x a bare SetDIBitsToDevice (%.3f ms)\n",
              setup_frames.draw_pic_ms, setup_frames.draw_pic_ms / setup_frames.bare_ms,
              setup_frames.bare_ms);
  std::printf("  uninstaller  %.3f ms a frame, %.1f x a bare SetDIBitsToDevice (%.3f ms)\n",
              uninstall_frames.draw_pic_ms, uninstall_frames.draw_pic_ms / uninstall_frames.bare_ms,
              uninstall_frames.bare_ms);

  const std::wstring scratch = bench::ScratchFolder();
  std::vector<std::wstring> copied;
  double start = NowMs();
  usual.MoveAllFilesEx(dist, scratch + L"plain\\", 0, copied, false, L"");
  const double plain_copy = (NowMs() - start) / 1000;
  usual.MoveAllFilesEx(dist, scratch + L"setup\\", 0, copied, false, L"");
  yes_no = MsgAnswer::Yes;
  const double install = InstallSeconds(usual, reg, scratch + L"setup\\");
  const double uninstall = UninstallSeconds(usual, reg);
  bench::RemoveScratch(scratch);
  std::printf(
      "whole install of the setup folder (%zu files): %.2f s, of which at least 36 "
      "frames of Timer1 fill the bar; a plain copy of the folder %.3f s\n",
      copied.size() - 1, install, plain_copy);
  std::printf("whole uninstall: %.2f s\n", uninstall);
  return 0;
}
