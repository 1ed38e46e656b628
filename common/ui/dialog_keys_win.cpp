#include "common/ui/dialog_keys_win.h"

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

// The property's name as an atom of its own, made once: a name given as a
// text would take a reference on it for every window that is never given back.
LPCWSTR DefaultButtonProperty() {
  static const ATOM atom = GlobalAddAtomW(L"VanteloxDefaultButton");
  return MAKEINTATOM(atom);
}

// The window's default button as it was made (BS_DEFPUSHBUTTON), remembered
// on the window: the system's dialog navigation takes the style off as the
// focus moves, and asks the window for its default with DM_GETDEFID, which
// only the dialog class answers. Null when the window has none.
HWND DefaultButton(HWND dialog) {
  auto remembered = static_cast<HWND>(GetPropW(dialog, DefaultButtonProperty()));
  if (!remembered) {
    remembered = dialog;  // stands for "none"
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
      if (IsPushButton(c) && ButtonKind(c) == BS_DEFPUSHBUTTON) remembered = c;
    }
    SetPropW(dialog, DefaultButtonProperty(), remembered);
  }
  return remembered == dialog ? nullptr : remembered;
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

}  // namespace

bool HandleDialogKey(HWND dialog, const MSG& msg) {
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

}  // namespace vx
