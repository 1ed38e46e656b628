// What the setup installs: its own distribution, named by the list the build
// writes, never whatever else lies in the folder it is started from (a
// downloads folder holds a person's own files). Nothing leaves the setup
// folder before the whole install has succeeded, and a failed copy takes
// back what it made, so that the setup can be run again.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vx::setup {

// The distribution's files for the install folder, relative to the setup
// folder: the main program and the help pages.
std::vector<std::wstring> DistributionFiles();

// What a setup folder lacks of its distribution (the files above and the
// uninstaller), relative names; empty when it is whole.
std::vector<std::wstring> MissingDistributionFiles(const std::wstring& setup_folder);

// What a setup stopped half way (killed, or cut off by a power cut) left
// beside the installed file `target`: its new copy goes, and its earlier
// file returns to a place the stop left empty, or goes where the new file
// already stands. Each copy begins with it.
void TakeBackLeftovers(const std::wstring& target);

struct DistributionCopy {
  // Every file is in its place in the install folder.
  bool complete = false;
  // The full names of the files in the install folder, in order.
  std::vector<std::wstring> copied;
  // What this copy made that was not there before: files and folders, each
  // folder before what it holds.
  std::vector<std::wstring> made;
  // The files whose earlier copy waits beside its place until the install is
  // kept (KeepInstall) or taken back (TakeBackInstall).
  std::vector<std::wstring> moved_aside;
  // Stopped by the test seam (install_stop.h) as a killed setup stops.
  bool stopped = false;
  // Where a failed copy stopped, and the system's code for why.
  std::wstring failed_at;
  int system_error = 0;
};

// Copies `files` (relative names) from `setup_folder` into `install_folder`,
// making folders as needed, once what a setup stopped half way left there
// is taken back: each first beside its place under a fresh name,
// and only once all are there do they take their places, an older copy
// stepping aside first, keeping their times of last change.
// `between_blocks` runs between the blocks of every copy. The setup folder
// is not changed. A failure takes back the whole copy: every older copy
// returns to its place and what the copy made goes; nothing is done when
// the install folder lies in the setup folder. A whole copy stays undoable
// until the install is kept or taken back.
DistributionCopy CopyDistribution(const std::wstring& setup_folder,
                                  const std::wstring& install_folder,
                                  const std::vector<std::wstring>& files,
                                  const std::function<void()>& between_blocks);

struct CopyResult {
  bool ok = false;
  int system_error = 0;  // the system's code for a failure
};

// Copies the file `from` over `to` by way of a fresh copy beside it, so
// that an older `to` stays whole until the new one is complete; notes `to`
// in `made` when it was not there before.
CopyResult CopyReplacing(const std::wstring& from, const std::wstring& to,
                         std::vector<std::wstring>& made);

// Removes what a copy (or a later step) made, in the reverse order: a
// folder only when it is empty by then.
void RemoveMade(const std::vector<std::wstring>& made);

// Takes back a whole copy and the steps after it: every earlier file of
// `moved_aside` returns to its place, and `made` goes (RemoveMade).
void TakeBackInstall(const std::vector<std::wstring>& moved_aside,
                     const std::vector<std::wstring>& made);

// The install is kept: the earlier files waiting beside their places go.
// One that a running program holds goes at the system's next start: those
// are given back.
std::vector<std::wstring> KeepInstall(const std::vector<std::wstring>& moved_aside);

// After a whole install: the setup folder loses exactly its distribution,
// the uninstaller and the setup program, and the folders this empties; the
// running setup program stays where the system keeps it in use. False when
// the folder is one that must never be erased (a drive root): then it
// keeps everything.
bool EmptySetupFolder(const std::wstring& setup_folder, const std::vector<std::wstring>& files);

}  // namespace vx::setup
