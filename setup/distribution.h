// What the setup moves: its own distribution, named by the list the build
// writes, never whatever else lies in the folder it is started from (a
// downloads folder holds a person's own files).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/usual.h"

namespace vx::setup {

// The distribution's files for the install folder, relative to the setup
// folder: the main program and the help pages.
std::vector<std::wstring> DistributionFiles();

// Copies `files` (relative names) from SourceFolder into InstallFolder,
// making folders as needed, each over an older copy and keeping its time of
// last change; ResultM lists the targets at 1..n. `between_blocks` runs
// between the blocks of every copy. Then the copied files and the setup
// program are deleted from SourceFolder and the folders this empties are
// removed; nothing else there is moved, listed or deleted. A setup folder
// that must never be erased (a drive root) keeps everything ("Error!").
// 0; -1 when a file is missing or a copy failed (the copy stops there, what
// was copied stays and the setup folder is kept whole), or when the install
// folder lies in the setup folder (then nothing is done).
int MoveDistribution(const Usual& usual, const std::wstring& SourceFolder,
                     const std::wstring& InstallFolder, const std::vector<std::wstring>& files,
                     std::vector<std::wstring>& ResultM,
                     const std::function<void()>& between_blocks);

}  // namespace vx::setup
