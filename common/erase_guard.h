// The folders that a tree erase must never take, whoever asks: the folder
// erase of the installers and the uninstaller's delete into the recycle bin.
#pragma once

#include <string>
#include <vector>

namespace vx {

// False for a drive root however it is written, for the folders of
// `system_folders` (see SystemFolders()) and for any folder that holds one
// of them, under every name the folder goes by: as written ("C:" alone is a
// root), as the system resolves it ("..\" up to a root) and in its long
// form (the 8.3 name of a system folder).
bool MayEraseFolder(const std::wstring& folder, const std::vector<std::wstring>& system_folders);
// The same against the system's folders as they are now.
bool MayEraseFolder(const std::wstring& folder);

}  // namespace vx
