// What the setup and the uninstaller may remove. Both run as administrator,
// but the record (HKCU values), the list of copied files and the folders
// they name can be written by any program of the user, so every name taken
// from them is judged here, as input that may be anything, before anything
// is removed.
//
// The rule, for every place the uninstaller touches (the install folder
// with its help and settings folders, the user's settings folder, the
// program menu's folder, the desktop's and the send-to menu's shortcut, its
// own file in the Windows folder): an entry goes only when it is what the
// setup or the program made there — by its name (own_entries.h), a plain
// file with one name (no link, no second hard link), and for a shortcut one
// that leads to the recorded program or help. Everything else there is the
// person's: named, and kept unless the person agrees; a link goes as a link
// or stays, never followed. A name is acted on only when it is a plain full
// name, which the system reads exactly as written; the install folder is
// the setup's only when the installed-programs entry, which only an
// administrator can write, names it too, and it is no link, no root, no
// system or profile folder nor holds one.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/folder_clearing.h"

namespace vx {

// The text the system acts on: everything up to the first NUL.
std::wstring UpToNul(std::wstring_view value);

// "X:\" followed by names, each without a wildcard, ":", "/", one of
// <>|" or a control character, none empty, "." or "..", none ending in a
// dot or a blank; with or without a final "\". Such a name means the same
// file to every reader. Everything else (relative names, "C:x", shares,
// "\\?\" and "\\.\" names, streams, doubled marks) is not.
bool IsPlainFullName(std::wstring_view name);

// A plain full name as the system reads it: the long form of each part,
// spelt as the file system spells it, when the entry exists and that form
// is plain too; anything else unchanged. A final "\" is kept.
std::wstring SystemReading(const std::wstring& name);

// `file` is a plain full name below the plain full folder `folder`, letter
// case ignored. A folder is not inside itself.
bool IsPlainNameInside(std::wstring_view folder, std::wstring_view file);

// Two plain full names of one file, letter case ignored.
bool IsSamePlainName(std::wstring_view a, std::wstring_view b);

// What the machine says about a recorded install folder.
struct InstallFolderFacts {
  bool exists = false;        // a folder
  bool is_link = false;       // a junction or symbolic link, itself or a folder above it
  bool is_protected = false;  // a root, a system or profile folder, or one that holds one
  bool registered = false;    // the installed-programs entry names this folder
};

enum class FolderVerdict {
  NotRecorded,  // no install folder recorded: nothing to remove
  Missing,      // a plain name of a folder that is not there (any more)
  Remove,       // the install folder the setup made
  Refuse,       // anything else: left untouched and named to the person
};

FolderVerdict JudgeInstallFolder(std::wstring_view recorded, const InstallFolderFacts& facts);

// The facts, read from the file system; `registered_folder` is the folder
// the installed-programs entry names. `folder` ends in "\".
InstallFolderFacts LookAtInstallFolder(const std::wstring& folder,
                                       const std::wstring& registered_folder);

// `shortcut` (a recorded value) is this program's own: a plain full name
// ending in ".lnk" whose target, read from the file, is `program`.
bool IsOwnShortcut(std::wstring_view shortcut, std::wstring_view target, std::wstring_view program);

// The listed names that lie inside `folder` as the system reads them,
// relative to it, each once; no folder on the way a link.
std::vector<std::wstring> ListedInside(const std::wstring& folder,
                                       const std::vector<std::wstring>& listed);

// A place sorted by the rule: what the setup or the program made there,
// which goes, and everything else, which is the person's and is named.
struct SortedPlace {
  FolderSurvey survey;
  // Plain files with one name that `is_own` accepts.
  std::vector<std::wstring> own;
  // Files, links and names that cannot be joined, and folders (with a
  // mark) that `is_own` does not accept and that hold nothing named.
  std::vector<std::wstring> foreign;
};
// `is_own` takes a name relative to `folder` (a folder with a final "\").
SortedPlace SortPlace(const std::wstring& folder,
                      const std::function<bool(const std::wstring& relative)>& is_own);

// A folder on the way from `folder` down to `file` is a link to elsewhere.
bool PassesThroughLink(const std::wstring& folder, const std::wstring& file);

}  // namespace vx
