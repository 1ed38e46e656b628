#include "common/installer/installer_window_win.h"

#include <utility>

#include "common/dib_picture_win.h"
#include "common/installer/installer_resources.h"
#include "common/product_version.h"
#include "common/ui/controls_win.h"
#include "common/ui/dpi_win.h"
#include "common/ui/message_pump_win.h"

namespace vx {
namespace {

constexpr UINT_PTR kTimer1 = 1;
// The interval Timer1 asks for; the system ticks at its own shortest.
constexpr UINT kTimer1Interval = 1;
constexpr PixelRect kLabel3Rect{InstallerWindow::kPanelX, 96, InstallerWindow::kPanelWidth, 40};
constexpr PixelRect kPicture2Rect{InstallerWindow::kPanelX, 148, InstallerWindow::kPanelWidth, 18};

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
  // The window goes before the artwork that Picture1 shows.
  DestroyUnbound();
}

void InstallerWindow::CreateControls() {
  artwork_.reset(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
                                                 MAKEINTRESOURCEW(VX_ARTWORK_BITMAP), IMAGE_BITMAP,
                                                 0, 0, LR_CREATEDIBSECTION)));
  Picture1 = AddControl({L"STATIC", L"", {0, 0, kArtworkSide, kArtworkSide}, SS_BITMAP});
  SendMessageW(Picture1, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(artwork_.get()));
  ShowWindow(Picture1, SW_HIDE);
  Label3 = AddLabel(L"", kLabel3Rect);
  ShowWindow(Label3, SW_HIDE);
  Picture2.Create(hwnd(), {kPicture2Rect, 0, false});
}

void InstallerWindow::LoadPicture() {
  header_ = ArtworkHeader();
  std::vector<uint8_t> source;
  if (artwork_) {
    const OwnedDc dc = MakeMemoryDc();
    const Selection artwork(dc.get(), artwork_.get());
    BITMAPINFOHEADER read{};
    GetDIBPictureBox(dc.get(), kArtworkSide, source, &read, 24);
    if (read.biWidth != kArtworkSide || read.biHeight != kArtworkSide ||
        source.size() != static_cast<size_t>(kArtworkBytes)) {
      source.clear();
    }
  }
  ripple_.emplace(style_, std::move(source));
  work_.assign(kArtworkBytes, 0);
  DrawPic();
  ShowWindow(Picture2.hwnd(), SW_HIDE);
}

void InstallerWindow::DrawPic() {
  ++FrameCount;
  if (Running) ++ProgressFrames;
  if (!ripple_ || !hwnd()) return;
  ripple_->Compose(FrameCount, ProgressFrames, work_);
  {
    const WindowDc dc(hwnd());
    const int side = DpiScale(hwnd())(kArtworkSide);
    SetDIBtoDC(dc.get(), work_, &header_, side, side);
  }
  Picture2.SetFrames(ProgressFrames);
  UpdateWindow(hwnd());
}

// A tick comes from a message loop, which runs the pending messages itself;
// running them from the tick as well would take a message box's keys away
// from its own dialog loop. Only the steps of the work let them run here.
void InstallerWindow::LC(const std::wstring& St) {
  SetControlText(Label3, St);
  SetWindowPos(Label3, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  UpdateWindow(Label3);
  Timer1_Timer();
  LetMessagesRun();
}

void InstallerWindow::EnableTimer1(bool enabled) {
  if (enabled && hwnd()) {
    timer1_.emplace(hwnd(), kTimer1, kTimer1Interval);
  } else {
    timer1_.reset();
  }
}

void InstallerWindow::StartRunning() {
  Running = true;
  ShowWindow(Label3, SW_SHOW);
}

void InstallerWindow::ShowProgressBar() { ShowWindow(Picture2.hwnd(), SW_SHOW); }

LRESULT InstallerWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_TIMER:
      if (wp != kTimer1) break;
      Timer1_Timer();
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
  if (!work_.empty()) SetDIBtoDC(dc, work_, &header_, side, side);
  EndPaint(hwnd(), &ps);
}

}  // namespace vx
