#include "app/controls/modal_window_win.h"

namespace vx {

Font MakeDialogFont(const wchar_t* face, int centipoints, int weight) {
  HDC screen = GetDC(nullptr);
  const int height = -MulDiv(centipoints, GetDeviceCaps(screen, LOGPIXELSY), 7200);
  ReleaseDC(nullptr, screen);
  return Font(CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH | FF_DONTCARE, face));
}

HWND MakeChild(HWND parent, const wchar_t* window_class, const std::wstring& text, DWORD style,
               const TwipRect& r, int id, HFONT font) {
  HWND h = CreateWindowExW(
      0, window_class, text.c_str(), WS_CHILD | WS_VISIBLE | style, r.x / kTwipsPerPixel,
      r.y / kTwipsPerPixel, r.width / kTwipsPerPixel, r.height / kTwipsPerPixel, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (font) SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return h;
}

HWND CreateModalFrame(const wchar_t* class_name, WNDPROC proc, const wchar_t* caption,
                      int client_width, int client_height, HWND owner, void* self) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (!GetClassInfoExW(GetModuleHandleW(nullptr), class_name, &wc)) {
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = class_name;
    RegisterClassExW(&wc);
  }
  constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
  RECT frame{0, 0, client_width, client_height};
  AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  RECT over{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (owner) GetWindowRect(owner, &over);
  const int x = over.left + (over.right - over.left - width) / 2;
  const int y = over.top + (over.bottom - over.top - height) / 2;
  return CreateWindowExW(kExStyle, class_name, caption, kStyle, x, y, width, height, owner, nullptr,
                         GetModuleHandleW(nullptr), self);
}

void RunModalLoop(const HWND& window) {
  MSG msg;
  while (window) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (!IsDialogMessageW(window, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
}

LRESULT ButtonFaceColours(WPARAM dc) {
  HDC h = reinterpret_cast<HDC>(dc);
  SetBkColor(h, GetSysColor(COLOR_BTNFACE));
  SetTextColor(h, GetSysColor(COLOR_BTNTEXT));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

bool HandleModalFrameMessage(HWND& window, UINT msg, WPARAM wp, const std::function<void()>& close,
                             LRESULT& result) {
  switch (msg) {
    case WM_CLOSE:
      close();
      result = 0;
      return true;
    case WM_DESTROY:
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      window = nullptr;
      result = 0;
      return true;
    case WM_CTLCOLORSTATIC:
      result = ButtonFaceColours(wp);
      return true;
    default:
      return false;
  }
}

}  // namespace vx
