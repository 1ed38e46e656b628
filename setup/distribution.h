// What the setup moves: its own distribution, named by the list the build
// writes, never whatever else lies in the folder it is started from (a
// downloads folder holds a person's own files).
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vx::setup {

// The distribution's files for the install folder, relative to the setup
// folder: the main program and the help pages.
std::vector<std::wstring> DistributionFiles();

struct DistributionMove {
  // Every file reached the install folder and left the setup folder.
  bool complete = false;
  // The full names of the files that reached the install folder, in order.
  std::vector<std::wstring> copied;
  // The install folder's folder that could not be made: the copy stopped there.
  std::wstring unmade_folder;
  // The setup folder is one that must never be erased (a drive root): it
  // keeps everything.
  bool setup_folder_kept = false;
};

// Copies `files` (relative names) from `setup_folder` into `install_folder`,
// making folders as needed, each over an older copy and keeping its time of
// last change. `between_blocks` runs between the blocks of every copy. Then
// the copied files and the setup program are deleted from the setup folder
// and the folders this empties are removed; nothing else there is moved,
// listed or deleted. Incomplete when a file is missing or a copy failed
// (the copy stops there, what was copied stays and the setup folder is kept
// whole), or when the install folder lies in the setup folder (then nothing
// is done).
DistributionMove MoveDistribution(const std::wstring& setup_folder,
                                  const std::wstring& install_folder,
                                  const std::vector<std::wstring>& files,
                                  const std::function<void()>& between_blocks);

}  // namespace vx::setup
