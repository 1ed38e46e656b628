#include "common/whole_file.h"

#include "common/file_operations.h"
#include "common/file_seam.h"

namespace vx {

std::wstring WholeFileTempName(const std::wstring& path) { return path + L".tmp"; }

bool WriteWholeFile(const std::wstring& path, std::string_view bytes) {
  const std::wstring temp = WholeFileTempName(path);
  bool written = false;
  {
    // A stale temporary goes first: a fresh file is written without the
    // truncation that costs ext4 a flush at close.
    if (fs::FileExists(temp) && !DeleteExactFile(temp)) return false;
    fs::File file = fs::OpenFile(temp, true, fs::Share::Read);
    written = file && file.WriteAt(0, bytes.data(), static_cast<int64_t>(bytes.size())) &&
              file.Flush() && file.Close();
  }
  if (written && fs::RenameFileDurably(temp, path)) return true;
  fs::RemoveFile(temp);
  return false;
}

bool PutWholeFileInPlace(const std::wstring& temp, const std::wstring& path, int* system_error) {
  if (FlushFile(temp) && fs::RenameFileDurably(temp, path)) return true;
  // Taken before the clean-up can change it.
  if (system_error) *system_error = fs::LastSystemError();
  fs::RemoveFile(temp);
  return false;
}

bool FlushFile(const std::wstring& name) {
  fs::File file = fs::OpenFile(name, false, fs::Share::Read);
  return file && file.Flush() && file.Close();
}

}  // namespace vx
