// The caret of the main window: its moves, the key commands of the page area
// and caret placement with the mouse.
#include <windowsx.h>

#include "app/settings/display_settings.h"
#include "app/view/caret_moves.h"
#include "app/view/main_window_win.h"
#include "common/ui/shift_state_win.h"

namespace vx {

void MainWindow::CaretChange(int32_t X, int32_t Y, int32_t VscValue) {
  const CaretPlace p = ClampedCaret(DisplaySettings, VscrollEx1.Max(), {X, Y, VscValue});
  CaretX = p.x;
  CaretY = p.y;
  VscrollEx1.SetValue(p.top);
  RePaint();
}

void MainWindow::CaretMove(int32_t MoveX, int32_t MoveY) {
  const std::optional<CaretPlace> p =
      MovedCaret(DisplaySettings, {CaretX, CaretY, VscrollEx1.Value()}, MoveX, MoveY);
  if (!p) return;
  VscrollEx1.SetValue(p->top);
  CaretX = p->x;
  CaretY = p->y;
  RePaint();
}

void MainWindow::MoveCaretFromSeek(int32_t SeekPosition) {
  const CaretPlace p = CaretAtSeek(DisplaySettings, VscrollEx1.Max(), SeekPosition);
  CaretChange(p.x, p.y, p.top);
}

void MainWindow::Picture1_KeyDown(int KeyCode, int Shift) {
  const int32_t m = KeyStep(Shift);
  RejectNextChar = RejectsNextChar(KeyCode, DisplaySettings.InputRadix);
  switch (KeyCode) {
    case VK_RETURN:
      // A field with no digit to read writes nothing, so it asks for no backup.
      if (!InputVisible || !GetIP()) break;
      if (!Changed && FileChanged(true) == -1) break;
      EnterIP();
      break;
    case VK_ESCAPE:
      HideByteInput();
      break;
    case VK_SPACE:
      ShowIP();
      break;
    case VK_INSERT:
      if (MayEditAtCaret()) InsertU(GetSeekFromCaret() + 1, 0);
      break;
    case VK_DELETE:
      if (MayEditAtCaret()) DeleteU(GetSeekFromCaret() + 1);
      break;
    case VK_PRIOR:
      CaretChange(CaretX, CaretY, PageUpTop(DisplaySettings, VscrollEx1.Value(), m));
      break;
    case VK_NEXT:
      CaretChange(CaretX, CaretY, PageDownTop(DisplaySettings, VscrollEx1.Value(), m));
      break;
    case VK_HOME:
      CaretChange(0, 0, 0);
      break;
    case VK_LEFT:
      CaretMove(-m, 0);
      break;
    case VK_UP:
      CaretMove(0, -m);
      break;
    case VK_RIGHT:
      CaretMove(m, 0);
      break;
    case VK_DOWN:
      CaretMove(0, m);
      break;
    default:
      break;
  }
}

void MainWindow::KeysToPage() {
  const HWND focus = GetFocus();
  const bool ours = !focus || focus == hwnd() || IsChild(hwnd(), focus) || focus == byte_input_.hwnd() ||
                    IsChild(byte_input_.hwnd(), focus);
  if (!ours || !IsWindowVisible(hwnd())) return;
  // Enabling the page gives it no focus: a file opened from the empty window
  // would leave the keys with the window, and the arrows would do nothing.
  // While the input window is shown, the page hands them on to it.
  SetFocus(IsWindowEnabled(Picture1.hwnd()) ? Picture1.hwnd() : hwnd());
}

void MainWindow::OnInputFieldKey(int key, int shift) { Picture1_KeyDown(key, shift); }

bool MainWindow::TakeCharacterRefusal() {
  const bool reject = RejectNextChar;
  RejectNextChar = false;
  return reject;
}

bool MainWindow::Picture1_Message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  const auto place_caret = [this, lp] {
    const PageCell cell = PointToCell(ScreenSettings(), GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
    if (cell.column >= 0 && cell.row >= 0) CaretChange(cell.column, cell.row, VscrollEx1.Value());
  };
  switch (msg) {
    case WM_GETDLGCODE:
      // The arrows and Enter are the page's own keys, not dialog navigation.
      result = DLGC_WANTALLKEYS;
      return true;
    case WM_KEYDOWN:
      Picture1_KeyDown(static_cast<int>(wp), ShiftState());
      result = 0;
      return true;
    case WM_SYSKEYDOWN:
      // Alt arrives here; the system still gets the key for Alt+F4 and the menus.
      Picture1_KeyDown(static_cast<int>(wp), ShiftState());
      return false;
    case WM_SETFOCUS:
      Picture1_GotFocus();
      return false;
    case WM_LBUTTONDOWN:
      SetFocus(Picture1.hwnd());
      // Captured, so that a drag that leaves the page still ends here.
      SetCapture(Picture1.hwnd());
      place_caret();
      result = 0;
      return true;
    case WM_MOUSEMOVE:
      if ((wp & MK_LBUTTON) == 0) return false;
      place_caret();
      result = 0;
      return true;
    case WM_LBUTTONUP:
      if (GetCapture() == Picture1.hwnd()) ReleaseCapture();
      result = 0;
      return true;
    default:
      return false;
  }
}

}  // namespace vx
