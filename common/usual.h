// Usual: the path texts, single-file operations, folder trees and shortcuts
// that all three programs share. It keeps no state; each program makes one
// and keeps it for good. (Its picture operations draw on Win32 device
// contexts and are in dib_picture_win.h.)
#pragma once

#include <string>
#include <vector>

#include "common/file_seam.h"

namespace vx {

// The attribute bit that asks the folder listings for folders.
inline constexpr int kDirectoryAttribute = 16;
// Every kind of file (normal, read-only, hidden, system), no folders.
inline constexpr int kAllFileAttributes = 15;

// MoveAllFilesEx's Method that erases the source tree after the copy.
inline constexpr int kMoveMethod = 2;

// The folder MakeShortCut's text names for a shortcut at `Path`: relative to
// the program menu, six levels up from it unless InProgramMenu, then down
// `Path` without its drive and its final "".
std::wstring ShortCutFolderArgument(const std::wstring& Path, bool InProgramMenu);

class Usual {
 public:
  // Path texts. A folder "with a mark" ends in one "\".
  std::wstring AddDirMark(const std::wstring& Fnm) const;
  std::wstring EraseDirMark(const std::wstring& Fnm) const;
  // The part after the last "\" (all of Fnm when there is none).
  std::wstring DirU(const std::wstring& Fnm) const;
  // The part up to and including the last "\" (empty when there is none).
  std::wstring GetFolderName(const std::wstring& Fnm) const;
  // The text before the first "."; empty without a dot or with a leading one.
  std::wstring GetDelExt(const std::wstring& Fnm) const;
  // The text after the last ".", in lower case; empty without a dot.
  std::wstring Getkakutyousi(const std::wstring& Fnm) const;

  // Files and folders: 0 / -1, or a closed File on failure. With errMsgOn the
  // operation tells the user itself why it failed.

  // Deletes exactly the one file Fnm. A name holding "*" or "?" (or a NUL)
  // is refused: no delete reads a pattern, and a name that came back from
  // code page 932 with "?" for a character it lacks never reaches one.
  int KillU(const std::wstring& Fnm, bool errMsgOn) const;
  // Opens for reading and writing, making the file and its missing folders.
  // A network path ("\\...") is opened as it is; a bare name fails.
  fs::File OpenBinary(const std::wstring& Fnm, bool errMsgOn) const;
  // Opens as a new empty file: an existing one is deleted first.
  fs::File KillOpen(const std::wstring& Fnm, bool errMsgOn) const;
  // Makes every missing folder of Fnm; the last one only when Fnm ends in "\".
  int MakeDir(const std::wstring& Fnm, bool errMsgOn) const;

  // Folder trees. Folder names end in "\" (one is added where it is missing).
  // Pending window messages run between the entries of every listing.

  // One level of DirName: its folders when Attributes has kDirectoryAttribute,
  // else its files, in listing order from index 0; folders end in "\".
  // AddFullPath puts DirName in front. The last index, or -1 for none.
  int GetFiles(const std::wstring& DirName, std::vector<std::wstring>& ResultM, int Attributes,
               bool AddFullPath) const;
  // The whole tree below DirName at indexes 1..n (index 0 stays empty): each
  // folder's own entries before those of its subfolders. Without AddFullPath
  // every occurrence of DirName is taken out of each entry. Links to folders
  // are listed but not entered. Returns n.
  int GetAllFiles(const std::wstring& DirName, std::vector<std::wstring>& ResultM, int Attributes,
                  bool AddFullPath) const;
  // Copies the tree FromDirName into ToDirName: folders first, then the
  // files, each over an older one, keeping its time of last change; a file
  // named NoMove directly in FromDirName stays behind. NewDir erases
  // ToDirName first; Method kMoveMethod erases FromDirName afterwards.
  // ResultM lists the copied files (full target paths) at 1..n.
  // 0, or -1 when a file could not be copied (the copy stops there; what was
  // copied stays) or when the target lies in the source (or, with NewDir,
  // the source in the target): then nothing is touched.
  int MoveAllFilesEx(const std::wstring& FromDirName, const std::wstring& ToDirName, int Method,
                     std::vector<std::wstring>& ResultM, bool NewDir,
                     const std::wstring& NoMove) const;
  // Deletes DirName with everything in it, ignoring what cannot be deleted.
  // A drive root, a folder of the system or of the user's profile (and a
  // folder holding one) is refused with "Error!". Links inside are removed,
  // never followed.
  void EraseDir(const std::wstring& DirName) const;

  // Writes the shortcut Title + ".lnk" to Linkto (started with CommandLine)
  // into the folder Path, making it when missing; with InProgramMenu, Path
  // is read below the program menu instead. 0, or -1 when it failed.
  int MakeShortCut(const std::wstring& Path, const std::wstring& Title, const std::wstring& Linkto,
                   bool InProgramMenu, const std::wstring& CommandLine) const;

 private:
  void CollectFiles(const std::wstring& DirName, std::vector<std::wstring>& ResultM, int Attributes,
                    bool AddFullPath) const;
  void EraseTree(const std::wstring& DirName,
                 const std::vector<std::wstring>& system_folders) const;
};

}  // namespace vx
