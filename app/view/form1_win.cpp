#include "app/view/form1_win.h"

#include <algorithm>

#include "app/program_globals.h"
#include "app/settings/display_settings.h"
#include "app/settings/page_geometry.h"
#include "app/view/form1_layout.h"
#include "common/product_version.h"
#include "common/ui/controls_win.h"
#include "common/ui/dpi_win.h"
#include "common/ui/font_faces.h"

namespace vx {
namespace {

constexpr WindowClass kClass{L"VanteloxForm1", 0, COLOR_BTNFACE, VX_PROGRAM_ICON};
constexpr wchar_t kFrameCaption[] = L"情報";
// The status labels' font: fixed pitch, so that the longest numbers fit
// their labels and digits do not shift as they change.
constexpr int kLabelFontPoints = 9;

enum ControlId { kPicture1 = 101, kPicture2, kVscrollEx1 };

}  // namespace

void Form1::Form_Load() {
  WindowArgs window;
  window.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  window.ex_style = WS_EX_ACCEPTFILES;
  window.width = 640;
  window.height = 520;
  CreateBound(kClass, window);
  CreateControls();
  CreateMenus();
  form4_.Form_Load(hwnd());
  SettingChange();
  if (ChangeFileName(StartFile) < 0 && !StartFile.empty()) {
    StartAborted = true;
    return;
  }
  EnableRestore(BackUpExists());
}

void Form1::CreateControls() {
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

DisplaySettingsRecord Form1::ScreenSettings() const {
  return ScaledForDpi(DisplaySettings, WindowDpi(hwnd()));
}

void Form1::SettingChange() {
  const DisplaySettingsRecord& s = DisplaySettings;
  // Device pixels from here on: the page's from the scaled settings, the
  // fixed layout's through d.
  const DpiScale d(hwnd());
  // The old font goes only once the page has let go of it.
  Font font = MakeFixedPitchFont(GetFontName(), s.FontSize, d.dpi());
  const PageGeometry g = LayOutPage(s, d.dpi());
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
  RECT r{0, 0, progress_right + d(8), progress_top + d(kProgressHeight + 8)};
  AdjustFrameForDpi(r, static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_STYLE)),
                    GetMenu(hwnd()) != nullptr,
                    static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_EXSTYLE)), d.dpi());
  SetWindowPos(hwnd(), nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  CaretY = std::min(CaretY, s.LinesPerPage - 1);
  CaretX = std::min(CaretX, s.BytesPerLine - 1);
  form4_.SizeFor(static_cast<InputRadix>(s.InputRadix));
}

void Form1::OnDpiChanged(int dpi) {
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
  if (form4_.hwnd() && WindowDpi(form4_.hwnd()) != dpi) {
    RECT r;
    GetWindowRect(form4_.hwnd(), &r);
    SendMessageW(form4_.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&r));
  }
  RePaint();
}

void Form1::Show(int show_command) {
  ShowWindow(hwnd(), show_command);
  UpdateWindow(hwnd());
}

void Form1::Unload() {
  if (hwnd()) SendMessageW(hwnd(), WM_CLOSE, 0, 0);
}

void Form1::Form_QueryUnload() {
  form4_.Unload();
  SaveSettings();
}

void Form1::OnClose() {
  Form_QueryUnload();
  Close();
}

LRESULT Form1::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
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
