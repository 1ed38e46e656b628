#include "app/view/main_window_win.h"

#include <algorithm>

#include "app/program_globals.h"
#include "app/settings/display_settings.h"
#include "app/settings/page_geometry.h"
#include "app/view/main_window_layout.h"
#include "app/view/page_shape_fit.h"
#include "common/product_version.h"
#include "common/ui/controls_win.h"
#include "common/ui/dpi_win.h"
#include "common/ui/font_faces.h"
#include "common/ui/message_pump_win.h"

namespace vx {
namespace {

constexpr WindowClass kClass{L"VanteloxMainWindow", 0, COLOR_BTNFACE, VX_PROGRAM_ICON};
constexpr wchar_t kFrameCaption[] = L"情報";
// The status labels' font: fixed pitch, so that the longest numbers fit
// their labels and digits do not shift as they change.
constexpr int kLabelFontPoints = 9;

enum ControlId { kPicture1 = 101, kPicture2, kVscrollEx1 };

}  // namespace

void MainWindow::Form_Load() {
  WindowArgs window;
  window.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  window.ex_style = WS_EX_ACCEPTFILES;
  window.width = 640;
  window.height = 520;
  CreateBound(kClass, window);
  CreateControls();
  CreateMenus();
  byte_input_.Create(hwnd());
  SettingChange();
  if (ChangeFileName(StartFile) < 0 && !StartFile.empty()) {
    StartAborted = true;
    return;
  }
  EnableRestore(BackUpExists());
}

void MainWindow::CreateControls() {
  label_font_ = MakeFixedPitchFont(font_faces::kFixedPitch, kLabelFontPoints, WindowDpi(hwnd()));
  const HFONT lf = label_font_.get();
  constexpr DWORD kLabel = SS_LEFT | SS_NOPREFIX;
  const auto label = [&](const PixelRect& r) {
    return MakeControl(hwnd(), {L"STATIC", L"", r, kLabel, 0, lf});
  };
  Label1 = label(kLabel1Rect);
  Label2 = label(kLabel2Rect);
  Label3 = label(kLabel3Rect);
  Label4 = label(kLabel4Rect);
  Label5 = label(kLabel5Rect);
  Label6 = label(kLabel6Rect);
  Label7 = label(kLabel7Rect);
  Frame1 = MakeControl(
      hwnd(), {L"BUTTON", kFrameCaption, kFrame1Rect, WS_CLIPSIBLINGS | BS_GROUPBOX, 0, lf});
  Picture1.Create(hwnd(), {{0, kPicture1Top, 100, 100}, kPicture1});
  picture1_keys_.Attach(Picture1.hwnd(), [this](UINT m, WPARAM w, LPARAM l, LRESULT& r) {
    return Picture1_Message(m, w, l, r);
  });
  VscrollEx1.Create(hwnd(), {{100, kPicture1Top, kVscrollWidth, 100}, kVscrollEx1});
  VscrollEx1.Change = [this] { vs1(); };
  Label9 = MakeControl(
      hwnd(), {L"STATIC", L"", {0, 0, kLabel9Width, kProgressHeight}, kLabel | SS_RIGHT, 0, lf});
  Picture2.Create(hwnd(), {{0, 0, kPicture2Width, kProgressHeight}, kPicture2});
  Picture2.SetFont(lf);
  Picture2.Clear(GetSysColor(COLOR_BTNFACE));
}

namespace {

// The outer size of a window of `hwnd`'s style with the given client area, at `dpi`.
SIZE OuterSize(HWND hwnd, int client_width, int client_height, int dpi) {
  RECT r{0, 0, client_width, client_height};
  AdjustFrameForDpi(r, static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)),
                    GetMenu(hwnd) != nullptr,
                    static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)), dpi);
  return {r.right - r.left, r.bottom - r.top};
}

RECT WorkAreaOf(HWND hwnd) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &info)) {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &info.rcWork, 0);
  }
  return info.rcWork;
}

}  // namespace

DisplaySettingsRecord MainWindow::ScreenSettings() const {
  return ScaledForDpi(DisplaySettings, WindowDpi(hwnd()));
}

void MainWindow::SettingChange() {
  // The window stays within the work area of its monitor: a page shape too
  // large for it is limited to the largest that fits, in the record itself,
  // so that the settings window shows what was applied.
  // Device pixels from here on: the page's from the scaled settings, the
  // fixed layout's through d.
  const DpiScale d(hwnd());
  const RECT work = WorkAreaOf(hwnd());
  const SIZE frame = OuterSize(hwnd(), 0, 0, d.dpi());
  const int room_width = work.right - work.left - frame.cx - d(kClientRightOfPage);
  const int room_height =
      work.bottom - work.top - frame.cy - d(kPicture1Top + kClientBelowPage);
  // The stored shape is judged at 96 dots an inch, where the settings are.
  FitPageShape(DisplaySettings, UnscaleForDpi(room_width, d.dpi()),
               UnscaleForDpi(room_height, d.dpi()));
  const DisplaySettingsRecord& s = DisplaySettings;
  // The old font goes only once the page has let go of it.
  Font font = MakeFixedPitchFont(GetFontName(), s.FontSize, d.dpi());
  PageGeometry g = LayOutPage(s, d.dpi());
  // Even the smallest shape may be too large with very wide cells: the page
  // area is then cut, and the scroll bar and the progress stay in sight.
  g.picture_width = std::max(1, std::min(g.picture_width, room_width));
  g.picture_height = std::max(1, std::min(g.picture_height, room_height));
  Picture1.Move(0, d(kPicture1Top), g.picture_width, g.picture_height);
  Picture1.SetFont(font.get());
  page_font_ = std::move(font);
  VscrollEx1.Move(g.picture_width + d(4), d(kPicture1Top), d(kVscrollWidth), g.picture_height);
  const int progress_right = d(kVscrollWidth + 0 + 6) + g.picture_width;
  const int progress_top = d(kPicture1Top + 4) + g.picture_height;
  Picture2.Move(progress_right - d(kPicture2Width), progress_top, d(kPicture2Width),
                d(kProgressHeight));
  MoveWindow(Label9, progress_right - d(kPicture2Width + 4 + kLabel9Width), progress_top,
             d(kLabel9Width), d(kProgressHeight), TRUE);
  Picture2.Clear(GetSysColor(COLOR_BTNFACE));
  // The client area ends 8 pixels right of and below the progress area.
  const SIZE outer =
      OuterSize(hwnd(), progress_right + d(8), progress_top + d(kProgressHeight + 8), d.dpi());
  RECT now{};
  GetWindowRect(hwnd(), &now);
  // Moved back inside the work area where the new size would reach out of it.
  const int left = std::max<int>(work.left, std::min<int>(now.left, work.right - outer.cx));
  const int top = std::max<int>(work.top, std::min<int>(now.top, work.bottom - outer.cy));
  SetWindowPos(hwnd(), nullptr, left, top, outer.cx, outer.cy,
               SWP_NOZORDER | SWP_NOACTIVATE | (IsIconic(hwnd()) ? SWP_NOMOVE : 0));
  CaretY = std::min(CaretY, s.LinesPerPage - 1);
  CaretX = std::min(CaretX, s.BytesPerLine - 1);
  byte_input_.SizeFor(static_cast<InputRadix>(s.InputRadix));
}

void MainWindow::OnDpiChanged(int dpi) {
  // The labels have their new places already; their font and the page's
  // layout are made again for the new density.
  Font font = MakeFixedPitchFont(font_faces::kFixedPitch, kLabelFontPoints, dpi);
  for (HWND label : {Label1, Label2, Label3, Label4, Label5, Label6, Label7, Frame1, Label9}) {
    SetControlFont(label, font.get(), true);
  }
  Picture2.SetFont(font.get());
  label_font_ = std::move(font);
  SetProgramIcon(hwnd(), VX_PROGRAM_ICON);
  SettingChange();
  // The input window floats over the page, on the same display.
  if (byte_input_.hwnd() && WindowDpi(byte_input_.hwnd()) != dpi) {
    RECT r;
    GetWindowRect(byte_input_.hwnd(), &r);
    SendMessageW(byte_input_.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&r));
  }
  RePaint();
}

void MainWindow::Show(int show_command) {
  ShowWindow(hwnd(), show_command);
  UpdateWindow(hwnd());
}

void MainWindow::Unload() {
  if (hwnd()) SendMessageW(hwnd(), WM_CLOSE, 0, 0);
}

void MainWindow::Form_QueryUnload() {
  byte_input_.Close();
  SaveSettings();
}

bool MainWindow::PutOffDuringWork(UINT msg, WPARAM wp, LPARAM lp) {
  if (!LettingSystemIn()) return false;
  switch (msg) {
    case WM_CLOSE:
    case WM_COMMAND:
    case WM_SYSCOMMAND:
    case WM_DROPFILES:
      // Posted, it waits in the queue behind the work like a key or a click.
      PostMessageW(hwnd(), msg, wp, lp);
      return true;
    default:
      return false;
  }
}

// Never refused and nothing asked: every change is already in the file.
void MainWindow::OnClose() {
  Form_QueryUnload();
  Close();
}

LRESULT MainWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (PutOffDuringWork(msg, wp, lp)) return 0;
  switch (msg) {
    case WM_QUERYENDSESSION:
      // Ending the session now would leave the open file half-moved.
      return LettingSystemIn() ? FALSE : TRUE;
    case WM_DESTROY:
      if (ends_program_) PostQuitMessage(0);
      return 0;
    case WM_SETFOCUS:
      // The keys belong to the page whenever a file is open.
      if (IsWindowEnabled(Picture1.hwnd())) SetFocus(Picture1.hwnd());
      return 0;
    case WM_DROPFILES:
      Form_OLEDragDrop(reinterpret_cast<HDROP>(wp));
      return 0;
    default:
      break;
  }
  return FormWindow::HandleMessage(msg, wp, lp);
}

}  // namespace vx
