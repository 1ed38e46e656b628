#include "common/shortcuts.h"

#include "common/file_operations.h"
#include "common/path_text.h"
#include "common/shell_link.h"

namespace vx {

bool MakeShortcut(const std::wstring& folder, const std::wstring& title,
                  const std::wstring& target) {
  if (title.empty() || folder.empty()) return false;
  const std::wstring marked = WithFolderMark(folder);
  return MakeFolders(marked) && WriteShellLink(marked + title + kShortcutExtension, target);
}

}  // namespace vx
