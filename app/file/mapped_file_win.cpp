#include <windows.h>

#include "app/file/mapped_file.h"
#include "common/file_seam.h"

namespace vx {
namespace {

HANDLE AsHandle(intptr_t h) { return reinterpret_cast<HANDLE>(h); }
intptr_t AsInt(HANDLE h) { return reinterpret_cast<intptr_t>(h); }

// Others may read a held record (a test watches one) but not write or delete it.
HANDLE OpenRecord(const std::wstring& name, DWORD disposition) {
  return CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                     disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

bool MappedFile::Map(size_t size) {
  ULARGE_INTEGER wanted;
  wanted.QuadPart = size;
  HANDLE mapping = CreateFileMappingW(AsHandle(file_), nullptr, PAGE_READWRITE, wanted.HighPart,
                                      wanted.LowPart, nullptr);
  if (!mapping) return false;
  mapping_ = AsInt(mapping);
  data_ = static_cast<uint8_t*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, size));
  size_ = data_ ? size : 0;
  return data_ != nullptr;
}

MappedFile MappedFile::Create(const std::wstring& name, size_t size) {
  MappedFile result;
  if (size == 0) return result;
  HANDLE file = OpenRecord(name, CREATE_NEW);
  if (file == INVALID_HANDLE_VALUE) return result;
  result.file_ = AsInt(file);
  if (!result.Map(size)) {
    result.Close();
    DeleteFileW(name.c_str());
  }
  return result;
}

MappedFile MappedFile::Open(const std::wstring& name) {
  MappedFile result;
  HANDLE file = OpenRecord(name, OPEN_EXISTING);
  if (file == INVALID_HANDLE_VALUE) return result;
  result.file_ = AsInt(file);
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file, &size) || size.QuadPart <= 0 ||
      !result.Map(static_cast<size_t>(size.QuadPart))) {
    result.Close();
  }
  return result;
}

bool MappedFile::Flush() {
  return data_ && (fs::FlushesSkipped() ||
                   (FlushViewOfFile(data_, size_) && FlushFileBuffers(AsHandle(file_))));
}

void MappedFile::Close() {
  if (data_) UnmapViewOfFile(data_);
  if (mapping_ != -1) CloseHandle(AsHandle(mapping_));
  if (file_ != -1) CloseHandle(AsHandle(file_));
  data_ = nullptr;
  size_ = 0;
  file_ = mapping_ = -1;
}

unsigned long CurrentProcessNumber() { return GetCurrentProcessId(); }

}  // namespace vx
