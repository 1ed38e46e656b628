#include <windows.h>

#include <algorithm>

#include "common/file_view.h"

namespace vx::fs {
namespace {

HANDLE AsHandle(intptr_t h) { return reinterpret_cast<HANDLE>(h); }

int64_t Granularity() {
  SYSTEM_INFO info;
  GetSystemInfo(&info);
  return info.dwAllocationGranularity;
}

}  // namespace

FileView FileView::Open(const std::wstring& name) {
  FileView result;
  HANDLE file = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) return result;
  result.file_ = reinterpret_cast<intptr_t>(file);
  return result;
}

int64_t FileView::Length() {
  LARGE_INTEGER size;
  if (file_ == kInvalid || !GetFileSizeEx(AsHandle(file_), &size)) return -1;
  return size.QuadPart;
}

std::optional<std::span<const uint8_t>> FileView::Map(int64_t offset, int64_t length) {
  Unmap();
  const int64_t file_length = Length();
  if (file_length < 0 || offset < 0 || length < 0) return std::nullopt;
  const int64_t end = std::min(offset + length, file_length);
  if (end <= offset) return std::span<const uint8_t>();
  // The section is made once for the file's length, and anew only when the
  // file grew past it; an empty file has none (the system refuses one).
  if (mapping_ == kInvalid || mapping_length_ < end) {
    if (mapping_ != kInvalid) CloseHandle(AsHandle(mapping_));
    mapping_ = kInvalid;
    HANDLE mapping = CreateFileMappingW(AsHandle(file_), nullptr, PAGE_READONLY, 0, 0, nullptr);
    if (!mapping) return std::nullopt;
    mapping_ = reinterpret_cast<intptr_t>(mapping);
    mapping_length_ = file_length;
  }
  static const int64_t granularity = Granularity();
  const int64_t start = offset - offset % granularity;
  ULARGE_INTEGER at;
  at.QuadPart = static_cast<uint64_t>(start);
  const size_t size = static_cast<size_t>(end - start);
  void* view = MapViewOfFile(AsHandle(mapping_), FILE_MAP_READ, at.HighPart, at.LowPart, size);
  if (!view) return std::nullopt;
  view_ = view;
  view_length_ = size;
  return std::span<const uint8_t>(static_cast<const uint8_t*>(view) + (offset - start),
                                  static_cast<size_t>(end - offset));
}

void FileView::Unmap() {
  if (view_) UnmapViewOfFile(view_);
  view_ = nullptr;
  view_length_ = 0;
}

void FileView::Close() {
  Unmap();
  if (mapping_ != kInvalid) CloseHandle(AsHandle(mapping_));
  if (file_ != kInvalid) CloseHandle(AsHandle(file_));
  mapping_ = file_ = kInvalid;
  mapping_length_ = 0;
}

}  // namespace vx::fs
