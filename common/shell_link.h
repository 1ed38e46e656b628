// Shortcut files. The Win32 twin writes a real shell link through
// IShellLinkW and IPersistFile; the native build makes a symbolic link, the
// nearest thing that also leads to its target.
#pragma once

#include <string>

namespace vx {

// Writes (or replaces) `link_file`, a shortcut that starts `target` in
// the target's folder. The folder of `link_file` must exist.
bool WriteShellLink(const std::wstring& link_file, const std::wstring& target);

// The target a shortcut file leads to, as stored in it; empty when the file
// is no shortcut or cannot be read.
std::wstring ReadShellLinkTarget(const std::wstring& link_file);

}  // namespace vx
