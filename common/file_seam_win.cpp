#include "common/file_seam.h"

#include <windows.h>

#include <utility>

namespace vx::fs {
namespace {

HANDLE AsHandle(intptr_t h) { return reinterpret_cast<HANDLE>(h); }

// The name the system gives an open handle, without its "\\?\" prefix.
std::wstring HandleName(HANDLE h) {
  const DWORD needed = GetFinalPathNameByHandleW(h, nullptr, 0, VOLUME_NAME_DOS);
  if (needed == 0) return {};
  std::wstring buffer(needed, L'\0');
  const DWORD got = GetFinalPathNameByHandleW(h, buffer.data(), needed, VOLUME_NAME_DOS);
  if (got == 0 || got >= needed) return {};
  buffer.resize(got);
  if (buffer.starts_with(L"\\\\?\\UNC\\")) return L"\\\\" + buffer.substr(8);
  if (buffer.starts_with(L"\\\\?\\")) return buffer.substr(4);
  return buffer;
}

bool SameName(std::wstring a, std::wstring b) {
  for (std::wstring* name : {&a, &b}) {
    while (name->size() > 3 && name->back() == L'\\') name->pop_back();
  }
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

bool Seek(HANDLE h, int64_t offset) {
  LARGE_INTEGER distance;
  distance.QuadPart = offset;
  return SetFilePointerEx(h, distance, nullptr, FILE_BEGIN) != 0;
}

}  // namespace

bool File::Close() {
  if (handle_ == kInvalid) return false;
  const bool ok = CloseHandle(AsHandle(std::exchange(handle_, kInvalid))) != 0;
  return ok;
}

int64_t File::ReadAt(int64_t offset, void* buffer, int64_t length) {
  if (handle_ == kInvalid || offset < 0 || length < 0) return -1;
  if (!Seek(AsHandle(handle_), offset)) return -1;
  int64_t done = 0;
  auto* out = static_cast<char*>(buffer);
  while (done < length) {
    const DWORD chunk = static_cast<DWORD>(std::min<int64_t>(length - done, 1 << 30));
    DWORD got = 0;
    if (!ReadFile(AsHandle(handle_), out + done, chunk, &got, nullptr)) return -1;
    if (got == 0) break;
    done += got;
  }
  return done;
}

bool File::WriteAt(int64_t offset, const void* buffer, int64_t length) {
  if (handle_ == kInvalid || offset < 0 || length < 0) return false;
  if (!Seek(AsHandle(handle_), offset)) return false;
  int64_t done = 0;
  const auto* in = static_cast<const char*>(buffer);
  while (done < length) {
    const DWORD chunk = static_cast<DWORD>(std::min<int64_t>(length - done, 1 << 30));
    DWORD put = 0;
    if (!WriteFile(AsHandle(handle_), in + done, chunk, &put, nullptr) || put == 0) return false;
    done += put;
  }
  return true;
}

int64_t File::Length() {
  LARGE_INTEGER size;
  if (handle_ == kInvalid || !GetFileSizeEx(AsHandle(handle_), &size)) return -1;
  return size.QuadPart;
}

bool File::SetLength(int64_t length) {
  if (handle_ == kInvalid || length < 0) return false;
  return Seek(AsHandle(handle_), length) && SetEndOfFile(AsHandle(handle_)) != 0;
}

bool File::Flush() {
  if (handle_ == kInvalid) return false;
  return FlushesSkipped() || FlushFileBuffers(AsHandle(handle_)) != 0;
}

File OpenFile(const std::wstring& name, bool create, Share share) {
  const DWORD share_mode =
      share == Share::ReadWrite ? (FILE_SHARE_READ | FILE_SHARE_WRITE) : FILE_SHARE_READ;
  HANDLE h = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, share_mode, nullptr,
                         create ? OPEN_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_ARCHIVE, nullptr);
  if (h == INVALID_HANDLE_VALUE) return File();
  return File(reinterpret_cast<intptr_t>(h));
}

File OpenFileForReading(const std::wstring& name) {
  HANDLE h = CreateFileW(name.c_str(), GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return File();
  return File(reinterpret_cast<intptr_t>(h));
}

bool FileExists(const std::wstring& name) {
  const DWORD a = GetFileAttributesW(name.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

int64_t FileLength(const std::wstring& name) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(name.c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return -1;
  }
  return (static_cast<int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool IsFolderLink(const std::wstring& name) {
  const DWORD a = GetFileAttributesW(name.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) &&
         (a & FILE_ATTRIBUTE_REPARSE_POINT);
}

// Writing to a running program's file, or to a file another holds open
// without sharing, is refused as a sharing violation: so is deleting it.
// Any other refusal (a read-only file) is no use that ends by waiting.
bool CanRemoveFile(const std::wstring& name) {
  if (!FileExists(name)) return false;
  const HANDLE h = CreateFileW(name.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h != INVALID_HANDLE_VALUE) {
    CloseHandle(h);
    return true;
  }
  const DWORD error = GetLastError();
  return error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION;
}

bool FolderExists(const std::wstring& name) {
  const DWORD a = GetFileAttributesW(name.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

int64_t FreeSpace(const std::wstring& folder) {
  ULARGE_INTEGER available{};
  if (!GetDiskFreeSpaceExW(folder.c_str(), &available, nullptr, nullptr)) return -1;
  return static_cast<int64_t>(available.QuadPart);
}

bool MakeFolder(const std::wstring& name) {
  return CreateDirectoryW(name.c_str(), nullptr) != 0 || FolderExists(name);
}

bool RemoveFile(const std::wstring& name) { return DeleteFileW(name.c_str()) != 0; }

// A read-only mark does not keep the entry: it is taken off the entry
// itself, once the handle is known to be that entry.
bool MarkForDeletion(HANDLE h) {
  FILE_DISPOSITION_INFO disposition{TRUE};
  if (SetFileInformationByHandle(h, FileDispositionInfo, &disposition, sizeof disposition)) {
    return true;
  }
  FILE_BASIC_INFO basic{};
  if (!GetFileInformationByHandleEx(h, FileBasicInfo, &basic, sizeof basic) ||
      !(basic.FileAttributes & FILE_ATTRIBUTE_READONLY)) {
    return false;
  }
  basic.FileAttributes &= ~FILE_ATTRIBUTE_READONLY;
  if (basic.FileAttributes == 0) basic.FileAttributes = FILE_ATTRIBUTE_NORMAL;
  return SetFileInformationByHandle(h, FileBasicInfo, &basic, sizeof basic) &&
         SetFileInformationByHandle(h, FileDispositionInfo, &disposition, sizeof disposition);
}

std::wstring EntryFinalName(const std::wstring& name) {
  std::wstring full = FullPathName(name);
  while (full.size() > 3 && full.back() == L'\\') full.pop_back();
  const std::wstring long_name = full.empty() ? std::wstring() : LongPathName(full);
  const size_t mark = long_name.rfind(L'\\');
  if (mark == std::wstring::npos || mark + 1 == long_name.size()) return {};
  std::wstring folder = FinalPathName(long_name.substr(0, mark + 1));
  if (folder.empty()) return {};
  if (folder.back() != L'\\') folder += L'\\';
  return folder + long_name.substr(mark + 1);
}

bool RemoveEntry(const std::wstring& name) {
  const std::wstring expected = EntryFinalName(name);
  if (expected.empty()) return false;
  const HANDLE h = CreateFileW(name.c_str(), DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING,
                               FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  // A system that followed the link anyway (Wine does) names its target:
  // then nothing is deleted.
  const bool marked = SameName(HandleName(h), expected) && MarkForDeletion(h);
  CloseHandle(h);
  return marked;
}

bool IsSoleNamedFile(const std::wstring& name) {
  const std::wstring expected = EntryFinalName(name);
  if (expected.empty()) return false;
  const HANDLE h = CreateFileW(name.c_str(), FILE_READ_ATTRIBUTES,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING,
                               FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION info{};
  const bool plain =
      GetFileInformationByHandle(h, &info) &&
      !(info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) &&
      info.nNumberOfLinks == 1 && SameName(HandleName(h), expected);
  CloseHandle(h);
  return plain;
}

bool IsSameFile(const std::wstring& a, const std::wstring& b) {
  BY_HANDLE_FILE_INFORMATION info[2]{};
  int index = 0;
  for (const std::wstring* name : {&a, &b}) {
    const HANDLE h = CreateFileW(name->c_str(), FILE_READ_ATTRIBUTES,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    const bool read = GetFileInformationByHandle(h, &info[index++]) != 0;
    CloseHandle(h);
    if (!read) return false;
  }
  return info[0].dwVolumeSerialNumber == info[1].dwVolumeSerialNumber &&
         info[0].nFileIndexHigh == info[1].nFileIndexHigh &&
         info[0].nFileIndexLow == info[1].nFileIndexLow;
}

std::wstring FinalPathName(const std::wstring& name) {
  const HANDLE h = CreateFileW(name.c_str(), FILE_READ_ATTRIBUTES,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return {};
  std::wstring final_name = HandleName(h);
  CloseHandle(h);
  return final_name;
}

// On a junction or a folder's symbolic link this removes the link itself.
bool RemoveFolder(const std::wstring& name) { return RemoveDirectoryW(name.c_str()) != 0; }

bool RenameFile(const std::wstring& from, const std::wstring& to) {
  return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

bool RenameFileDurably(const std::wstring& from, const std::wstring& to) {
  return MoveFileExW(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool RemoveAtRestart(const std::wstring& name) {
  return MoveFileExW(name.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != 0;
}

int64_t LastWriteTime(const std::wstring& name) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(name.c_str(), GetFileExInfoStandard, &data)) return -1;
  return (static_cast<int64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
         data.ftLastWriteTime.dwLowDateTime;
}

bool SetLastWriteTime(const std::wstring& name, int64_t time) {
  HANDLE h = CreateFileW(name.c_str(), FILE_WRITE_ATTRIBUTES,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  FILETIME written;
  written.dwLowDateTime = static_cast<DWORD>(time & 0xFFFFFFFF);
  written.dwHighDateTime = static_cast<DWORD>(time >> 32);
  const bool ok = SetFileTime(h, nullptr, nullptr, &written) != 0;
  return CloseHandle(h) != 0 && ok;
}

std::vector<FolderEntry> ListFolder(const std::wstring& folder,
                                    const std::function<void()>& between_entries) {
  std::vector<FolderEntry> entries;
  std::wstring pattern = folder;
  if (pattern.empty() || pattern.back() != L'\\') pattern += L'\\';
  pattern += L'*';
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW(pattern.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return entries;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    if (between_entries && !entries.empty()) between_entries();
    const bool is_folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    entries.push_back({name, is_folder, (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0});
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return entries;
}

int LastSystemError() { return static_cast<int>(GetLastError()); }

std::wstring SystemErrorText(int code) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring words(text != nullptr ? text : L"", length);
  LocalFree(text);
  while (!words.empty() && (words.back() == L'\n' || words.back() == L'\r' || words.back() == L' ')) {
    words.pop_back();
  }
  return words;
}

std::wstring LongPathName(const std::wstring& name) {
  const DWORD needed = GetLongPathNameW(name.c_str(), nullptr, 0);
  if (needed == 0) return {};
  std::wstring buffer(needed, L'\0');
  const DWORD got = GetLongPathNameW(name.c_str(), buffer.data(), needed);
  if (got == 0 || got >= needed) return {};
  buffer.resize(got);
  return buffer;
}

std::wstring FullPathName(const std::wstring& name) {
  if (name.empty()) return {};
  const DWORD needed = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return {};
  std::wstring buffer(needed, L'\0');
  const DWORD got = GetFullPathNameW(name.c_str(), needed, buffer.data(), nullptr);
  if (got == 0 || got >= needed) return {};
  buffer.resize(got);
  return buffer;
}

}  // namespace vx::fs
