// The main window's side of the byte input window: placing, filling, showing
// and hiding it, and writing the typed byte at the caret.
#include <vector>

#include "app/edit/byte_text.h"
#include "app/edit/edit_texts.h"
#include "app/edit/input_field.h"
#include "app/settings/display_settings.h"
#include "app/view/main_window_win.h"
#include "common/message_box.h"
#include "common/ui/controls_win.h"
#include "common/ui/dpi_win.h"

namespace vx {
namespace {

InputRadix CurrentRadix() { return static_cast<InputRadix>(DisplaySettings.InputRadix); }

}  // namespace

void MainWindow::ShowIP() {
  FitIP();
  ShowWindow(byte_input_.hwnd(), SW_SHOW);
  InputVisible = true;
  byte_input_.FocusField();
}

void MainWindow::HideByteInput() {
  const bool was_visible = InputVisible;
  InputVisible = false;
  ShowWindow(byte_input_.hwnd(), SW_HIDE);
  // The keys go back to the page, not to whatever the system activates next.
  if (was_visible && IsWindowEnabled(Picture1.hwnd())) SetFocus(Picture1.hwnd());
}

void MainWindow::FitIP() {
  POINT origin{0, 0};
  ClientToScreen(Picture1.hwnd(), &origin);
  const InputTarget cell = InputTargetAt(ScreenSettings(), CaretX, CaretY);
  uint8_t b[1];
  // A byte that cannot be read (the file locked by another program) shows
  // as an empty field rather than as a value the file may not hold.
  const bool read = EditedFile(FileName).Read(GetSeekFromCaret(), b) == ReadResult::Read;
  const std::wstring text = read ? ByteFieldText(b[0], CurrentRadix()) : std::wstring();
  byte_input_.ShowValue(text);
  byte_input_.PlaceOver({origin.x + cell.x, origin.y + cell.y});
}

std::optional<int32_t> MainWindow::GetIP() const {
  return ParseByteText(byte_input_.Value(), CurrentRadix());
}

void MainWindow::EnterIP() {
  const int32_t seek = GetSeekFromCaret() + 1;
  const std::optional<int32_t> typed = GetIP();
  // Nothing to read: nothing is written and the window stays as it is.
  if (!typed) return;
  const int32_t value = *typed;
  if (value < 0 || value > 255) {
    ShowMessage(edit_texts::kOutOfRange, MsgButtons::Ok, MsgIcon::Critical);
    return;
  }
  const auto dat = static_cast<uint8_t>(value);
  const int32_t old = RePlaceU(seek, dat, false);
  if (old < 0) ShowMessage(edit_texts::kChangeFailed);
  // The size shown follows the file whether the write went through or not.
  RefreshFiles();
  RePaintFileStatus();
  if (old >= 0) RecordOverwrite(seek, static_cast<uint8_t>(old), dat);
  if (DisplaySettings.HideInputAfterEntry) HideByteInput();
  if (DisplaySettings.MoveAfterEntry) {
    CaretMove(1, 0);
  } else {
    RePaint();
  }
}

void MainWindow::Picture1_GotFocus() {
  if (InputVisible) byte_input_.FocusField();
}

}  // namespace vx
