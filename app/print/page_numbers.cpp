#include "app/print/page_numbers.h"

#include <algorithm>

#include "app/file/file_limits.h"

namespace vx {
namespace {

int64_t PageSize(const DisplaySettingsRecord& settings) {
  return int64_t{settings.LinesPerPage} * settings.BytesPerLine;
}

}  // namespace

int32_t PageCount(int64_t file_length, const DisplaySettingsRecord& settings) {
  const int64_t length = std::clamp<int64_t>(file_length, 0, kRefusedFileSize - 1);
  return static_cast<int32_t>((length + PageSize(settings) - 1) / PageSize(settings));
}

int32_t PageOf(int32_t seek_position, const DisplaySettingsRecord& settings) {
  return static_cast<int32_t>(seek_position / PageSize(settings) + 1);
}

int32_t PageStart(int32_t page, const DisplaySettingsRecord& settings) {
  return static_cast<int32_t>((int64_t{page} - 1) * PageSize(settings) + 1);
}

}  // namespace vx
