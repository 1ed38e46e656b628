// Shortcut files. The Win32 twin writes a real shell link through
// IShellLinkW and IPersistFile; the native build makes a symbolic link, the
// nearest thing that also leads to its target.
#pragma once

#include <string>

namespace vx {

// Writes (or replaces) LinkFile, a shortcut to Target started with
// Arguments in Target's folder. The folder of LinkFile must exist.
bool WriteShellLink(const std::wstring& LinkFile, const std::wstring& Target,
                    const std::wstring& Arguments);

// The target a shortcut file leads to, as stored in it; empty when the file
// is no shortcut or cannot be read.
std::wstring ReadShellLinkTarget(const std::wstring& LinkFile);

}  // namespace vx
