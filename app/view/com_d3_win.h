// ComD3: the open-file dialog as the main window uses it. Create one for each
// use, set the title, the filter and the options, call ShowOpenSingle once.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "app/view/open_dialog_options.h"

namespace vx {

class ComD3 {
 public:
  void SetTitle(std::wstring title) { title_ = std::move(title); }
  const std::wstring& Title() const { return title_; }
  // "description|pattern|..."; read back in the dialog's NUL-separated form.
  void SetFilter(std::wstring_view filter) { filter_ = DialogFilter(filter); }
  const std::wstring& Filter() const { return filter_; }

  // Writing 1 switches it on for good: a shortcut file is then returned as
  // itself, not as its target.
  void SetFlag_Open_LinkThuru(int32_t value) { options_.SetShortcutsAsFiles(value); }

  // Shows the dialog modal to `owner`, which takes no keys or clicks while it
  // is up; the chosen full path, or empty on cancel or failure. A name that
  // does not exist is returned as typed.
  std::wstring ShowOpenSingle(HWND owner) const;

 private:
  std::wstring title_;
  std::wstring filter_ = DialogFilter(L"");
  OpenDialogOptions options_;
};

}  // namespace vx
