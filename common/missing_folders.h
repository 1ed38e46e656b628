// Both file layers open a file in a folder that may not exist yet; this makes
// the folders on the way.
#pragma once

#include <string>

namespace vx {

// Makes, outer first, every folder named by a leading part of `path` up to
// one of its "\" that does not exist yet. The text after the last "\" is the
// file's name and is never made. The "\\server\share\" of a network path is
// only ever found, not made. False when a folder cannot be made.
bool MakeMissingFolders(const std::wstring& path);

}  // namespace vx
