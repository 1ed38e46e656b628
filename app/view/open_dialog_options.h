// The rules of the open-file dialog's settings that do not need the dialog:
// the filter list in the form the dialog takes, and the flag word.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vx {

// The dialog's flag bits, with the values the common dialog defines.
inline constexpr uint32_t kOfnHideReadOnly = 0x4;
inline constexpr uint32_t kOfnNoChangeDir = 0x8;
inline constexpr uint32_t kOfnCreatePrompt = 0x2000;
inline constexpr uint32_t kOfnNoReadOnlyReturn = 0x8000;
inline constexpr uint32_t kOfnNoNetworkButton = 0x20000;
inline constexpr uint32_t kOfnExplorer = 0x80000;
inline constexpr uint32_t kOfnNoDereferenceLinks = 0x100000;
inline constexpr uint32_t kOfnEnableSizing = 0x800000;
// Always set. Neither "file must exist" nor "path must exist" is among them:
// New relies on getting back a name that does not exist yet.
inline constexpr uint32_t kOfnAlways =
    kOfnExplorer | kOfnEnableSizing | kOfnNoNetworkButton | kOfnHideReadOnly;

// "description|pattern|..." with every "|" turned into NUL and ending in two
// NULs, as the dialog's filter list must.
std::wstring DialogFilter(std::wstring_view Filterst);

// The four options of the open dialog and the flag word they give.
class OpenDialogOptions {
 public:
  // Writing 1 switches the option on; any other value leaves it as it is.
  void SetLinkThuru(int32_t value) { SwitchOn(link_thuru_, value); }
  void SetCreatePrompt(int32_t value) { SwitchOn(create_prompt_, value); }
  void SetNoReadToMsg(int32_t value) { SwitchOn(no_read_to_msg_, value); }
  // Kept as given; only 1 has an effect.
  void SetNoChangeDir(int32_t value) { no_change_dir_ = value; }

  int32_t LinkThuru() const { return link_thuru_; }
  int32_t CreatePrompt() const { return create_prompt_; }
  int32_t NoReadToMsg() const { return no_read_to_msg_; }
  int32_t NoChangeDir() const { return no_change_dir_; }

  uint32_t Flags() const;

 private:
  static void SwitchOn(int32_t& option, int32_t value) {
    if (value == 1) option = 1;
  }

  int32_t link_thuru_ = 0;
  int32_t create_prompt_ = 0;
  int32_t no_read_to_msg_ = 0;
  int32_t no_change_dir_ = 0;
};

}  // namespace vx
