// The rules of the open-file dialog's settings that do not need the dialog:
// the filter list in the form the dialog takes, and the flag word.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vx {

// The dialog's flag bits, with the values the common dialog defines.
inline constexpr uint32_t kOfnHideReadOnly = 0x4;
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
std::wstring DialogFilter(std::wstring_view filter);

// The dialog's flag word; with `shortcuts_as_files` a shortcut file chosen
// is returned as itself, not as its target.
constexpr uint32_t OpenDialogFlags(bool shortcuts_as_files) {
  return kOfnAlways | (shortcuts_as_files ? kOfnNoDereferenceLinks : 0u);
}

}  // namespace vx
