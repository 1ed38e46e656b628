// The one view that tests and benchmarks have into the main window's own
// state, controls and procedures, which the program keeps private.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/view/main_window_win.h"

namespace vx {

class MainWindowTestView {
 public:
  explicit MainWindowTestView(MainWindow& window) : window_(window) {}

  // The open document and what the page shows of it.
  const std::wstring& file_path() const { return window_.document_.path(); }
  int64_t file_size() const { return window_.document_.size(); }
  const std::vector<uint8_t>& page_bytes() const { return window_.page_view_.page_bytes(); }
  int32_t caret_column() const { return window_.document_.caret().x; }
  int32_t caret_row() const { return window_.document_.caret().y; }
  int64_t caret_offset() const { return window_.document_.CaretOffset(); }
  bool changed() const { return window_.document_.changed(); }
  void set_changed(bool changed) { window_.document_.set_changed(changed); }
  const UndoJournal& journal() const { return window_.document_.journal(); }
  // The shape the page shows while the screen cannot hold the saved one.
  const std::optional<PageShape>& limited_shape() const {
    return window_.document_.limited_shape();
  }
  DisplaySettingsRecord page_settings() const { return window_.document_.PageSettings(); }
  // What the print window is given for the page header.
  std::wstring print_header_name() const { return window_.PrintHeaderName(); }
  bool refuses_next_character() const { return window_.page_view_.reject_next_char_; }
  bool input_visible() const { return window_.page_view_.input_visible_; }
  std::optional<ByteRange> selected() const {
    return window_.selection_.Range(window_.document_.size());
  }
  // The list of all matches, once made.
  HWND find_all_window() const {
    return window_.find_all_window_ ? window_.find_all_window_->hwnd() : nullptr;
  }
  // The bytes from `anchor` to `end` selected, as a drag selects them.
  void Select(int64_t anchor, int64_t end) {
    window_.selection_.Select(anchor, end);
    window_.page_view_.Redraw();
  }
  const Bookmarks& bookmarks() const { return window_.document_.bookmarks(); }
  // The comparison's list while it is there.
  CompareWindow* compare_window() const { return window_.compare_window_.get(); }

  // Controls, by their roles.
  HWND file_name_label() const { return window_.file_name_label_.hwnd(); }
  HWND size_label() const { return window_.size_label_.hwnd(); }
  HWND caret_address_label() const { return window_.caret_address_label_.hwnd(); }
  HWND four_byte_label() const { return window_.four_byte_label_.hwnd(); }
  HWND two_byte_label() const { return window_.two_byte_label_.hwnd(); }
  HWND one_byte_label() const { return window_.one_byte_label_.hwnd(); }
  HWND binary_label() const { return window_.binary_label_.hwnd(); }
  HWND selection_label() const { return window_.selection_label_.hwnd(); }
  HWND progress_caption_label() const { return window_.progress_caption_label_.hwnd(); }
  PageView& page_view() { return window_.page_view_; }
  ProgressBar& progress_bar() { return window_.progress_bar_; }
  LargeScrollBar& scroll_bar() { return window_.scroll_bar_; }
  const ByteInputWindow& input_window() const { return window_.page_view_.byte_input_; }
  InspectorWindow& inspector() { return window_.inspector_; }
  void ShowInspector(bool shown) { window_.ShowInspector(shown); }

  // Procedures.
  int32_t OpenFile(const std::wstring& path) { return window_.OpenFile(path); }
  void RefreshScrollRange() { window_.RefreshScrollRange(); }
  void ApplySettings() { window_.ApplySettings(); }
  void RedrawPage() { window_.page_view_.Redraw(); }
  void ShowProgress(double value, const std::wstring& caption) {
    window_.ShowProgress(value, caption);
  }
  void PlaceCaret(int32_t column, int32_t row, int64_t top) {
    window_.page_view_.PlaceCaret({column, row, top});
  }
  // The caret on byte `offset`, as a search result puts it.
  void GoTo(int64_t offset) {
    window_.document_.GoTo(offset);
    window_.page_view_.Redraw();
  }
  // The page scrolled to `top` as the scroll bar does it.
  void ScrollTo(int64_t top) {
    window_.scroll_bar_.SetValue(top);
    window_.scroll_bar_.Scrolled();
  }
  // A key of the input field, which the page handles as its own.
  void InputFieldKey(int key, int shift) {
    static_cast<InputHost&>(window_.page_view_).OnInputFieldKey(key, shift);
  }
  // A journalled insertion or deletion at `offset`, shown as the keys show it.
  void Insert(int64_t offset, uint8_t value) {
    window_.page_view_.AfterFileChange(window_.document_.Insert(offset, value));
  }
  void Delete(int64_t offset) {
    window_.page_view_.AfterFileChange(window_.document_.Delete(offset));
  }
  // An overwrite already in the file, journalled.
  void RecordOverwrite(int64_t offset, uint8_t before, uint8_t after) {
    window_.document_.journal().Record(EditKind::Overwrite, offset, before, after);
    window_.EnableUndoCommands();
  }

 private:
  MainWindow& window_;
};

}  // namespace vx
