#include "app/file/file_operation.h"

#include "common/environment.h"
#include "common/missing_folders.h"
#include "common/text_case.h"

namespace vx {
namespace {

// Seek positions count from 1, the seam's offsets from 0.
int64_t OffsetOf(int32_t seek_position) { return static_cast<int64_t>(seek_position) - 1; }

// The text before the first `mark`, or all of it.
std::wstring FirstPiece(const std::wstring& text, wchar_t mark) {
  return text.substr(0, text.find(mark));
}

}  // namespace

int32_t FileOperation::Gets(const std::wstring& Fn, int32_t SeekPosition, int32_t Length,
                            std::vector<uint8_t>& Bytes) const {
  if (SeekPosition < 1 || Length < 0) return -1;
  fs::File file = OpenBinary(Fn);
  if (!file) return -1;
  Bytes.assign(static_cast<size_t>(Length), 0);
  if (file.ReadAt(OffsetOf(SeekPosition), Bytes.data(), Length) < 0) return -1;
  return file.Close() ? 0 : -1;
}

fs::File FileOperation::OpenBinary(const std::wstring& Fnm) const {
  if (Fnm.find(L'\\') == std::wstring::npos || !MakeMissingFolders(Fnm)) return fs::File();
  return fs::OpenFile(Fnm, true, fs::Share::ReadWrite);
}

int32_t FileOperation::RePlaceU(const std::wstring& Fnm, int32_t SeekPos, uint8_t Dat) const {
  if (SeekPos < 1) return -1;
  fs::File file = OpenBinary(Fnm);
  if (!file) return -1;
  // Just behind the end nothing is read, and the old byte counts as 0.
  uint8_t old = 0;
  if (file.ReadAt(OffsetOf(SeekPos), &old, 1) < 0) return -1;
  if (!file.WriteAt(OffsetOf(SeekPos), &Dat, 1)) return -1;
  return file.Close() ? old : -1;
}

std::wstring FileOperation::GetLongPath(const std::wstring& Fn) const {
  std::wstring long_name = fs::LongPathName(Fn);
  return long_name.empty() ? Fn : long_name;
}

std::wstring FileOperation::GetFnmFromCommand(const std::wstring& CommandSt) const {
  if (CommandSt.empty()) return {};
  std::wstring name;
  if (LowerCase(GetEnvironmentText(L"OS")).find(L"nt") != std::wstring::npos) {
    // The NT family quotes a name with blanks; an unquoted line is one name.
    name = FirstPiece(CommandSt, L'"');
    if (name.empty()) name = FirstPiece(CommandSt.substr(1), L'"');
  } else {
    name = FirstPiece(CommandSt, L' ');
  }
  return GetLongPath(name);
}

}  // namespace vx
