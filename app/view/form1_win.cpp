#include "app/view/form1_win.h"

#include <algorithm>

#include "app/controls/owned_window_proc_win.h"
#include "app/program_globals.h"
#include "app/settings/display_settings.h"
#include "app/settings/page_geometry.h"
#include "app/view/form1_layout.h"
#include "common/ui/controls_win.h"

namespace vx {
namespace {

constexpr wchar_t kClassName[] = L"VanteloxForm1";
constexpr wchar_t kFrameCaption[] = L"情報";
// The status labels' font; the design leaves it open. Fixed pitch, so that
// the longest numbers fit their labels and digits do not shift as they change.
constexpr wchar_t kLabelFontName[] = L"ＭＳ ゴシック";
constexpr int kLabelFontPoints = 9;

enum ControlId { kPicture1 = 101, kPicture2, kVscrollEx1 };

Font MakeFixedFont(const std::wstring& face, int points) {
  return MakeFont({face, points * 100, FW_NORMAL, FIXED_PITCH | FF_MODERN});
}

HWND MakeStatic(HWND parent, const LabelRect& r, HFONT font) {
  HWND h =
      CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, r.x, r.y,
                      r.width, r.height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return h;
}

}  // namespace

Form1::Form1() = default;

Form1::~Form1() {
  if (hwnd_ && IsWindow(hwnd_)) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

void Form1::Form_Load() {
  static bool registered = false;
  if (!registered) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &OwnedWindowProc<Form1>;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);
    registered = true;
  }
  hwnd_ = CreateWindowExW(
      WS_EX_ACCEPTFILES, kClassName, L"", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
      CW_USEDEFAULT, CW_USEDEFAULT, 640, 520, nullptr, nullptr, GetModuleHandleW(nullptr), this);
  CreateControls();
  CreateMenus();
  form4_.Form_Load(hwnd_);
  SettingChange();
  if (ChangeFileName(StartFile) < 0 && !StartFile.empty()) {
    StartAborted = true;
    return;
  }
  EnableRestore(BackUpExists());
}

void Form1::CreateControls() {
  label_font_ = MakeFixedFont(kLabelFontName, kLabelFontPoints);
  HFONT lf = label_font_.get();
  Label1 = MakeStatic(hwnd_, kLabel1Rect, lf);
  Label2 = MakeStatic(hwnd_, kLabel2Rect, lf);
  Label3 = MakeStatic(hwnd_, kLabel3Rect, lf);
  Label4 = MakeStatic(hwnd_, kLabel4Rect, lf);
  Label5 = MakeStatic(hwnd_, kLabel5Rect, lf);
  Label6 = MakeStatic(hwnd_, kLabel6Rect, lf);
  Label7 = MakeStatic(hwnd_, kLabel7Rect, lf);
  Frame1 = CreateWindowExW(0, L"BUTTON", kFrameCaption,
                           WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_GROUPBOX, kFrame1Rect.x,
                           kFrame1Rect.y, kFrame1Rect.width, kFrame1Rect.height, hwnd_, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  SendMessageW(Frame1, WM_SETFONT, reinterpret_cast<WPARAM>(lf), FALSE);
  Picture1.Create(hwnd_, kPicture1, 0, kPicture1Top, 100, 100);
  Picture1.SetMessageHook(
      [this](UINT m, WPARAM w, LPARAM l, LRESULT& r) { return Picture1_Message(m, w, l, r); });
  VscrollEx1.Create(hwnd_, kVscrollEx1, 100, kPicture1Top, kVscrollWidth, 100);
  VscrollEx1.Change = [this] { vs1(); };
  Label9 = MakeStatic(hwnd_, {0, 0, kLabel9Width, kProgressHeight}, lf);
  SetWindowLongPtrW(Label9, GWL_STYLE, GetWindowLongPtrW(Label9, GWL_STYLE) | SS_RIGHT);
  Picture2.Create(hwnd_, kPicture2, 0, 0, kPicture2Width, kProgressHeight);
  SelectObject(Picture2.dc(), lf);
  Picture2.Clear(GetSysColor(COLOR_BTNFACE));
}

void Form1::SettingChange() {
  const DisplaySettingsRecord& s = DisplaySettings;
  page_font_ = MakeFixedFont(GetFontName(), s.FontSize);
  const PageGeometry g = LayOutPage(s);
  Picture1.Move(0, kPicture1Top, g.picture_width, g.picture_height);
  SelectObject(Picture1.dc(), page_font_.get());
  VscrollEx1.Move(g.picture_width + 4, kPicture1Top, kVscrollWidth, g.picture_height);
  const int progress_right = kVscrollWidth + 0 + g.picture_width + 6;
  const int progress_top = kPicture1Top + g.picture_height + 4;
  Picture2.Move(progress_right - kPicture2Width, progress_top, kPicture2Width, kProgressHeight);
  MoveWindow(Label9, progress_right - kPicture2Width - 4 - kLabel9Width, progress_top, kLabel9Width,
             kProgressHeight, TRUE);
  Picture2.Clear(GetSysColor(COLOR_BTNFACE));
  // The client area ends 8 pixels right of and below the progress area.
  RECT r{0, 0, progress_right + 8, progress_top + kProgressHeight + 8};
  AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)),
                     GetMenu(hwnd_) != nullptr,
                     static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)));
  SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  CaretY = std::min(CaretY, s.LinesPerPage - 1);
  CaretX = std::min(CaretX, s.BytesPerLine - 1);
  form4_.SizeFor(static_cast<InputRadix>(s.InputRadix));
}

void Form1::Show(int show_command) {
  ShowWindow(hwnd_, show_command);
  UpdateWindow(hwnd_);
}

void Form1::Unload() {
  if (hwnd_ && IsWindow(hwnd_)) SendMessageW(hwnd_, WM_CLOSE, 0, 0);
}

void Form1::Form_QueryUnload() {
  form4_.Unload();
  SaveSettings();
}

LRESULT Form1::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CLOSE:
      // Never refused and nothing asked: every change is already in the file.
      Form_QueryUnload();
      DestroyWindow(hwnd_);
      return 0;
    case WM_DESTROY:
      SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      if (ends_program_) PostQuitMessage(0);
      return 0;
    case WM_SETFOCUS:
      // The keys belong to the page whenever a file is open.
      if (IsWindowEnabled(Picture1.hwnd())) SetFocus(Picture1.hwnd());
      return 0;
    case WM_COMMAND:
      // Menu items and shortcut keys only; a control's notice carries its window.
      if (HIWORD(wp) <= 1 && lp == 0 && OnMenuCommand(LOWORD(wp))) return 0;
      return DefWindowProcW(hwnd_, msg, wp, lp);
    case WM_DROPFILES:
      Form_OLEDragDrop(reinterpret_cast<HDROP>(wp));
      return 0;
    case WM_CTLCOLORSTATIC:
      // Labels and the frame on the window's own face colour, whatever the theme.
      return ButtonFaceColours(wp);
    default:
      return DefWindowProcW(hwnd_, msg, wp, lp);
  }
}

}  // namespace vx
