#include "common/ui/message_pump_win.h"

// mmsystem.h needs windows.h before it.
#include <mmsystem.h>

#include <cwctype>

namespace vx {
namespace {

bool IsPushButton(HWND control) {
  wchar_t name[16];
  if (!GetClassNameW(control, name, 16) || lstrcmpiW(name, L"Button") != 0) return false;
  const LONG kind = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
  return kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON;
}

LONG ButtonKind(HWND button) { return GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK; }

// The window's one default button, as the window names it; null when it
// names none. The style cannot tell it: the system's navigation takes
// BS_DEFPUSHBUTTON off as the focus moves.
HWND DefaultButton(HWND dialog) {
  const LRESULT id = SendMessageW(dialog, DM_GETDEFID, 0, 0);
  return HIWORD(id) == DC_HASDEFID ? GetDlgItem(dialog, LOWORD(id)) : nullptr;
}

// One push button is drawn as the default, as in a dialog: the one with the
// focus, else the window's own default.
void KeepDefaultLook(HWND dialog, HWND default_button) {
  const HWND focus = GetFocus();
  if (!focus || !IsChild(dialog, focus)) return;
  const HWND drawn = IsPushButton(focus) ? focus : default_button;
  for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    if (!IsPushButton(c)) continue;
    const LONG kind = c == drawn ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    if (ButtonKind(c) != kind) SendMessageW(c, BM_SETSTYLE, static_cast<WPARAM>(kind), TRUE);
  }
}

// Whether the focus is in a combo box (its edit part) whose list is down:
// Enter there closes the list.
bool InDroppedList(HWND focus) {
  for (HWND h = focus; h; h = GetParent(h)) {
    wchar_t name[16];
    if (GetClassNameW(h, name, 16) && lstrcmpiW(name, L"ComboBox") == 0) {
      return SendMessageW(h, CB_GETDROPPEDSTATE, 0, 0) != 0;
    }
    if (GetWindowLongW(h, GWL_STYLE) & WS_POPUP) break;
  }
  return false;
}

// The letter after the single "&" of a caption, upper case; 0 for none.
wchar_t Mnemonic(HWND control) {
  wchar_t text[128];
  const int n = GetWindowTextW(control, text, 128);
  for (int i = 0; i + 1 < n; ++i) {
    if (text[i] != L'&') continue;
    if (text[i + 1] != L'&') return static_cast<wchar_t>(std::towupper(text[i + 1]));
    ++i;
  }
  return 0;
}

// A label's mnemonic moves the focus to the control after it, as in a
// dialog; the system's own handling asks the window for that with
// WM_NEXTDLGCTL, which only the dialog class answers. Buttons it presses
// itself.
bool LabelMnemonic(HWND dialog, const MSG& msg) {
  const bool alt = msg.message == WM_SYSCHAR;
  if (!alt && msg.message != WM_CHAR) return false;
  if (!alt && (SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, 0) & DLGC_WANTCHARS) != 0) {
    return false;
  }
  const auto key = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(msg.wParam)));
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[16];
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    if (!GetClassNameW(child, name, 16) || lstrcmpiW(name, L"Static") != 0 ||
        (style & SS_NOPREFIX) != 0 || (style & WS_VISIBLE) == 0 || Mnemonic(child) != key) {
      continue;
    }
    const HWND next = GetNextDlgTabItem(dialog, child, FALSE);
    if (!next) return false;
    SetFocus(next);
    // A text field is entered with its text selected, for typing over.
    if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
      SendMessageW(next, EM_SETSEL, 0, -1);
    }
    return true;
  }
  return false;
}

// The keys the system's dialog navigation answers for the dialog class only.
bool TakeOwnDialogKey(HWND dialog, const MSG& msg) {
  if (msg.hwnd != dialog && !IsChild(dialog, msg.hwnd)) return false;
  const HWND default_button = DefaultButton(dialog);
  // After the system's navigation of the last key, before this one.
  KeepDefaultLook(dialog, default_button);
  if (LabelMnemonic(dialog, msg)) return true;
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_RETURN) return false;
  // The key's window is the one with the focus when it was pressed.
  const HWND focus = msg.hwnd;
  MSG asked = msg;
  const LRESULT wants =
      SendMessageW(focus, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&asked));
  if ((wants & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) != 0 || InDroppedList(focus)) return false;
  const HWND button = IsPushButton(focus) ? focus : default_button;
  if (!button) return false;
  if (IsWindowEnabled(button) && IsWindowVisible(button)) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
  }
  return true;
}

}  // namespace

bool TakeDialogKey(HWND window, MSG& msg) {
  return window && IsWindow(window) &&
         (TakeOwnDialogKey(window, msg) || IsDialogMessageW(window, &msg));
}

bool LetMessagesRun(HWND window, bool dialog_keys) {
  const HWND dialog = dialog_keys && window ? GetAncestor(window, GA_ROOT) : nullptr;
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    if (TakeDialogKey(dialog, msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return !window || IsWindow(window);
}

FineTimeResolution::FineTimeResolution() { timeBeginPeriod(1); }

FineTimeResolution::~FineTimeResolution() { timeEndPeriod(1); }

void WaitForMessages(DWORD timeout_ms) {
  MsgWaitForMultipleObjectsEx(0, nullptr, timeout_ms, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

Ticker::Ticker(HWND window, UINT_PTR id, UINT interval_ms) : window_(window), id_(id) {
  SetTimer(window_, id_, interval_ms, nullptr);
}

Ticker::~Ticker() {
  if (IsWindow(window_)) KillTimer(window_, id_);
}

namespace {

int letting_in = 0;
ULONGLONG last_let_in = 0;

}  // namespace

bool LetSystemIn() {
  const ULONGLONG now = GetTickCount64();
  if (now - last_let_in < kLetSystemInMs) return false;
  last_let_in = now;
  ++letting_in;
  MSG msg;
  // Any look at the queue answers the messages sent meanwhile; only paints
  // are taken from it. A window that does not validate its update region
  // would come back at once: a few rounds are enough for every window.
  for (int round = 0; round < 64 && PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE);
       ++round) {
    DispatchMessageW(&msg);
  }
  --letting_in;
  return true;
}

bool LettingSystemIn() { return letting_in > 0; }

}  // namespace vx
