#include "common/installer/installer_window_win.h"

#include <utility>

#include "common/dib_picture_win.h"
#include "common/installer/installer_resources.h"
#include "common/product_version.h"
#include "common/ui/dpi_win.h"
#include "common/ui/message_pump_win.h"

namespace vx {
namespace {

constexpr UINT_PTR kFrameTimer = 1;
// The interval the frame timer asks for; the system ticks at its own shortest.
constexpr UINT kFrameInterval = 1;
constexpr PixelRect kStatusRect{InstallerWindow::kPanelX, 96, InstallerWindow::kPanelWidth, 40};
constexpr PixelRect kProgressRect{InstallerWindow::kPanelX, 148, InstallerWindow::kPanelWidth, 18};

}  // namespace

BITMAPINFOHEADER ArtworkHeader() {
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = kArtworkSide;
  header.biHeight = kArtworkSide;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = kArtworkBytes;
  return header;
}

InstallerWindow::InstallerWindow(RippleStyle style, const wchar_t* class_name, std::wstring caption)
    : ModalWindow({class_name,
                   std::move(caption),
                   {kClientWidth * kTwipsPerPixel, kClientHeight * kTwipsPerPixel},
                   VX_PROGRAM_ICON}),
      style_(style) {}

InstallerWindow::~InstallerWindow() {
  // The window goes before the artwork that its picture control shows.
  DestroyUnbound();
}

void InstallerWindow::CreateControls() {
  artwork_.reset(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
                                                 MAKEINTRESOURCEW(VX_ARTWORK_BITMAP), IMAGE_BITMAP,
                                                 0, 0, LR_CREATEDIBSECTION)));
  const ControlSite site = DialogSite();
  artwork_picture_ =
      MakeLabel(site, {.rect = {0, 0, kArtworkSide, kArtworkSide}, .kind = SS_BITMAP});
  SendMessageW(artwork_picture_.hwnd(), STM_SETIMAGE, IMAGE_BITMAP,
               reinterpret_cast<LPARAM>(artwork_.get()));
  artwork_picture_.Show(false);
  status_label_ = MakeLabel(site, {.rect = kStatusRect});
  status_label_.Show(false);
  progress_area_.Create(hwnd(), {kProgressRect, 0, false});
}

void InstallerWindow::LoadArtwork() {
  header_ = ArtworkHeader();
  std::vector<uint8_t> source;
  if (artwork_) {
    const OwnedDc dc = MakeMemoryDc();
    const Selection artwork(dc.get(), artwork_.get());
    DibPicture read = ReadSelectedPicture(dc.get(), kArtworkSide, 24);
    if (read.header.biWidth == kArtworkSide && read.header.biHeight == kArtworkSide &&
        read.pixels.size() == static_cast<size_t>(kArtworkBytes)) {
      source = std::move(read.pixels);
    }
  }
  ripple_.emplace(style_, std::move(source));
  work_.assign(kArtworkBytes, 0);
  DrawFrame();
  ShowWindow(progress_area_.hwnd(), SW_HIDE);
}

void InstallerWindow::DrawFrame() {
  ++frame_count_;
  if (running_) ++progress_frames_;
  if (!ripple_ || !hwnd()) return;
  ripple_->Compose(frame_count_, progress_frames_, work_);
  {
    const WindowDc dc(hwnd());
    const int side = DpiScale(hwnd())(kArtworkSide);
    DrawDib(dc.get(), work_, header_, side, side);
  }
  progress_area_.SetFrames(progress_frames_);
  UpdateWindow(hwnd());
}

// A tick comes from a message loop, which runs the pending messages itself;
// running them from the tick as well would take a message box's keys away
// from its own dialog loop. Only the steps of the work let them run here.
void InstallerWindow::ShowStatus(const std::wstring& text) {
  status_label_.SetText(text);
  SetWindowPos(status_label_.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  UpdateWindow(status_label_.hwnd());
  OnFrameTick();
  LetMessagesRun();
}

void InstallerWindow::RunFrameTimer(bool running) {
  if (running && hwnd()) {
    frame_timer_.emplace(hwnd(), kFrameTimer, kFrameInterval);
  } else {
    frame_timer_.reset();
  }
}

void InstallerWindow::StartRunning() {
  running_ = true;
  status_label_.Show(true);
}

void InstallerWindow::ShowProgressBar() { ShowWindow(progress_area_.hwnd(), SW_SHOW); }

LRESULT InstallerWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_TIMER:
      if (wp != kFrameTimer) break;
      OnFrameTick();
      return 0;
    default:
      break;
  }
  return ModalWindow::HandleMessage(msg, wp, lp);
}

void InstallerWindow::OnPaint() {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(hwnd(), &ps);
  const int side = DpiScale(hwnd())(kArtworkSide);
  if (!work_.empty()) DrawDib(dc, work_, header_, side, side);
  EndPaint(hwnd(), &ps);
}

}  // namespace vx
