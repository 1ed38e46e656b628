// The data inspector beside the main window: the bytes it reads at the caret,
// the value it writes there, and its being shown.
#include <algorithm>

#include "app/inspect/inspector_texts.h"
#include "app/settings/view_settings.h"
#include "app/view/main_window_win.h"
#include "app/view/menu_commands.h"
#include "common/message_box.h"

namespace vx {

namespace {
// The widest row reads 8 bytes.
constexpr int64_t kInspectedBytes = 8;
}  // namespace

std::optional<std::vector<uint8_t>> MainWindow::InspectorSide::BytesAtCaret() const {
  const EditedDocument& document = window_.document_;
  if (!document.IsOpen()) return std::nullopt;
  const int64_t offset = document.CaretOffset();
  const int64_t count = std::clamp<int64_t>(document.size() - offset, 0, kInspectedBytes);
  std::vector<uint8_t> bytes(static_cast<size_t>(count));
  // The page just drawn holds them unless the caret stands near its end:
  // a caret step then costs no read of the file.
  const std::vector<uint8_t>& page = window_.page_view_.page_bytes();
  const int64_t on_page =
      offset - document.caret().top * int64_t{document.PageSettings().BytesPerLine};
  if (on_page >= 0 && on_page + count <= static_cast<int64_t>(page.size())) {
    std::copy_n(page.begin() + on_page, count, bytes.begin());
    return bytes;
  }
  if (document.file().Read(offset, bytes) != ReadResult::Read) return std::nullopt;
  return bytes;
}

void MainWindow::InspectorSide::WriteAtCaret(std::span<const uint8_t> bytes) {
  EditedDocument& document = window_.document_;
  if (!document.IsOpen() || bytes.empty()) return;
  const int64_t offset = document.CaretOffset();
  // Overwrite only: the file's length never changes here.
  if (static_cast<int64_t>(bytes.size()) > document.size() - offset) {
    ShowMessage(inspector_texts::kWritePastEnd, MsgButtons::Ok, MsgIcon::Exclamation);
    return;
  }
  if (!window_.page_view_.BeginChange()) return;
  window_.AfterRangeCommand(document.OverwriteRange(offset, bytes, FailedCommand::Overwrite), false,
                            offset);
}

CharacterCodec MainWindow::InspectorSide::ColumnCharacters() const {
  return TextColumnCharacters();
}

void MainWindow::ShowInspector(bool shown) {
  // Beside the page, not in its way: the keys stay where they were.
  const HWND focus = GetFocus();
  inspector_.Show(shown);
  if (shown && focus && GetFocus() != focus) SetFocus(focus);
  CheckMenuItem(GetMenu(hwnd()), menu_commands::kInspector,
                MF_BYCOMMAND | (shown ? MF_CHECKED : MF_UNCHECKED));
}

void MainWindow::KeepInspectorSettings() {
  if (!inspector_.hwnd()) return;
  ViewOptions.inspector_shown = inspector_.Shown();
  ViewOptions.inspector_place = inspector_.Place();
  ViewOptions.inspector_big_endian = inspector_.order() == ByteOrder::Big;
}

}  // namespace vx
