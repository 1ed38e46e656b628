// FileOperation: the main program's only way to its file. Every call opens the
// file by name, does its work and closes it again, so the file on disk is the
// one copy of the data and an edit is there as soon as the call returns.
// Seek positions count from 1; results are 0 / -1 unless said otherwise.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/file_seam.h"

namespace vx {

class FileOperation {
 public:
  // Length bytes from SeekPosition on into Bytes; bytes beyond the end of the
  // file read as 0. A missing file is made empty.
  int32_t Gets(const std::wstring& Fn, int32_t SeekPosition, int32_t Length,
               std::vector<uint8_t>& Bytes) const;
  // Opens for reading and writing, making the file and its missing folders;
  // a name without "\" fails. A closed File on failure.
  fs::File OpenBinary(const std::wstring& Fnm) const;
  // Writes Dat at SeekPos and returns the byte that stood there (0 when
  // SeekPos was just behind the end), or -1.
  int32_t RePlaceU(const std::wstring& Fnm, int32_t SeekPos, uint8_t Dat) const;
  // The long form of Fn, or Fn itself when the system knows none.
  std::wstring GetLongPath(const std::wstring& Fn) const;
  // The file that the program's command line names; empty for none.
  std::wstring GetFnmFromCommand(const std::wstring& CommandSt) const;
};

}  // namespace vx
