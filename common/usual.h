// Usual: the path texts and single-file operations that all three programs
// share. It keeps no state; each program makes one and keeps it for good.
#pragma once

#include <string>

#include "common/file_seam.h"

namespace vx {

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

  // Deletes the file, or every file that a "*" / "?" pattern in the last
  // part of Fnm matches (none matching is a failure).
  int KillU(const std::wstring& Fnm, bool errMsgOn) const;
  // Opens for reading and writing, making the file and its missing folders.
  // A network path ("\\...") is opened as it is; a bare name fails.
  fs::File OpenBinary(const std::wstring& Fnm, bool errMsgOn) const;
  // Opens as a new empty file: an existing one is deleted first.
  fs::File KillOpen(const std::wstring& Fnm, bool errMsgOn) const;
  // Makes every missing folder of Fnm; the last one only when Fnm ends in "\".
  int MakeDir(const std::wstring& Fnm, bool errMsgOn) const;
};

}  // namespace vx
