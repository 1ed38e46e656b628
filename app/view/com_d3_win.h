// ComD3: the open-file dialog as the main window uses it. Create one for each
// use, set the title, the filter and the options, call ShowOpenSingle once.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "app/view/open_dialog_options.h"

namespace vx {

class ComD3 {
 public:
  void SetTitle(std::wstring TitleSt) { title_ = std::move(TitleSt); }
  const std::wstring& Title() const { return title_; }
  // "description|pattern|..."; read back in the dialog's NUL-separated form.
  void SetFilter(std::wstring_view Filterst) { filter_ = DialogFilter(Filterst); }
  const std::wstring& Filter() const { return filter_; }

  // When on, a shortcut file is returned as itself, not as its target.
  void SetFlag_Open_LinkThuru(int32_t value) { options_.SetLinkThuru(value); }
  int32_t Flag_Open_LinkThuru() const { return options_.LinkThuru(); }
  void SetFlag_Open_CreatePrompt(int32_t value) { options_.SetCreatePrompt(value); }
  int32_t Flag_Open_CreatePrompt() const { return options_.CreatePrompt(); }
  void SetFlag_Open_NoReadToMsg_Destroy(int32_t value) { options_.SetNoReadToMsg(value); }
  int32_t Flag_Open_NoReadToMsg_Destroy() const { return options_.NoReadToMsg(); }
  void SetFlag_NoChangeDir_Destroy(int32_t value) { options_.SetNoChangeDir(value); }
  int32_t Flag_NoChangeDir_Destroy() const { return options_.NoChangeDir(); }

  // Shows the dialog modally; the chosen full path, or empty on cancel or
  // failure. A name that does not exist is returned as typed.
  std::wstring ShowOpenSingle() const;

 private:
  std::wstring title_;
  std::wstring filter_ = DialogFilter(L"");
  OpenDialogOptions options_;
};

}  // namespace vx
