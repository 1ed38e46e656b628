// The shortcuts the setup makes: on the desktop, in the send-to menu and in
// the program menu's folder of the product.
#pragma once

#include <string>

namespace vx {

// What a shortcut's file name ends in.
inline constexpr wchar_t kShortcutExtension[] = L".lnk";

// Writes the shortcut `title` + ".lnk" to `target` into `folder`, making the
// folder when it is missing; an older shortcut of the name is replaced.
// False when it could not be written.
bool MakeShortcut(const std::wstring& folder, const std::wstring& title,
                  const std::wstring& target);

}  // namespace vx
