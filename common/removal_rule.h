// What the setup and the uninstaller may remove. Both run as administrator,
// but the record (HKCU values), the list of copied files and the folders
// they name can be written by any program of the user, so every name taken
// from them is judged here, as input that may be anything, before anything
// is removed.
//
// The rule: a name is acted on only when it is a plain full name, which the
// system reads exactly as written; a folder goes only when it is an install
// folder the setup made (it holds the list file and the program, is no link,
// and is neither a root nor a system or profile folder nor holds one); a
// file goes only when it lies inside that folder; a shortcut goes only when
// it is a ".lnk" whose target is that folder's program.
#pragma once

#include <string>
#include <string_view>
#include <vector>

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
  bool exists = false;         // a folder
  bool is_link = false;        // a junction or symbolic link, itself or a folder above it
  bool is_protected = false;   // a root, a system or profile folder, or one that holds one
  bool holds_list = false;     // its list file
  bool holds_program = false;  // its Vantelox.exe
  bool list_names_program = false;
};

enum class FolderVerdict {
  NotRecorded,  // no install folder recorded: nothing to remove
  Missing,      // a plain name of a folder that is not there (any more)
  Remove,       // the install folder the setup made
  Refuse,       // anything else: left untouched and named to the person
};

FolderVerdict JudgeInstallFolder(std::wstring_view recorded, const InstallFolderFacts& facts);

// The facts, read from the file system. `folder` ends in "\".
InstallFolderFacts LookAtInstallFolder(const std::wstring& folder);

// `shortcut` (a recorded value) is this program's own: a plain full name
// ending in ".lnk" whose target, read from the file, is `program`.
bool IsOwnShortcut(std::wstring_view shortcut, std::wstring_view target, std::wstring_view program);

// The listed files that may be deleted: inside `folder`, plain, no folder
// on the way a link. In list order, each once.
std::vector<std::wstring> RemovableListedFiles(const std::wstring& folder,
                                               const std::vector<std::wstring>& listed);

// A folder on the way from `folder` down to `file` is a link to elsewhere.
bool PassesThroughLink(const std::wstring& folder, const std::wstring& file);

}  // namespace vx
