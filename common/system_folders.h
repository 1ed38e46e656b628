// Folders of the system and of the user that the programs ask the platform
// for: where the program menu is, and what a folder-tree erase must never
// touch.
#pragma once

#include <string>
#include <vector>

namespace vx {

// The current user's program menu, ending in "\"; empty when the platform
// does not say.
std::wstring ProgramMenuFolder();

// The folders whose loss would break the system or lose the user's own
// files: the Windows and program-files folders, the user's profile and its
// known folders (desktop, documents, the program menu...). Read afresh on
// each call.
std::vector<std::wstring> SystemFolders();

}  // namespace vx
