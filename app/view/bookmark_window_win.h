// BookmarkWindow: the bookmarks of the open file, listed by address with
// their names and the bytes there. Modal over the main window: the name of
// the chosen bookmark may be typed, a bookmark removed, and "移動" (Enter)
// closes the window with the caret to go to.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "app/document/bookmarks.h"
#include "app/file/edited_file.h"
#include "common/ui/modal_window_win.h"

namespace vx {

class BookmarkWindow : public ModalWindow {
 public:
  // The bookmarks of `file`, a file of `file_size` bytes, changed in place.
  BookmarkWindow(Bookmarks& bookmarks, EditedFile file, int64_t file_size);

  // After ShowModal: the bookmark chosen with "移動", or none.
  std::optional<int64_t> chosen() const { return chosen_; }

 private:
  void CreateControls() override;
  HWND FirstFocus() const override { return list_.hwnd(); }
  void FillList(int selected);
  std::wstring LineOf(const Bookmark& bookmark) const;
  void OnSelect(int index);
  void OnNameTyped();
  void OnRemove();
  void OnGo();
  // The bookmark of the selected line; none when no line is.
  const Bookmark* Selected() const;

  Bookmarks& bookmarks_;
  EditedFile file_;
  int64_t file_size_;
  std::optional<int64_t> chosen_;
  ListControl list_;
  EditField name_field_;
  PushButton remove_button_;
  // The offsets of the list's lines.
  std::vector<int64_t> shown_;
  // While the list is filled, the name field's changes are not typing.
  bool filling_ = false;
};

}  // namespace vx
