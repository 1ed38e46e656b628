#include "app/print/page_numbers.h"

#include <algorithm>

#include "app/file/file_limits.h"

namespace vx {
namespace {

int64_t PageSize(const DisplaySettingsRecord& s) {
  return int64_t{s.LinesPerPage} * s.BytesPerLine;
}

}  // namespace

int32_t GetMaxPage(int64_t file_length, const DisplaySettingsRecord& s) {
  const int64_t length = std::clamp<int64_t>(file_length, 0, kRefusedFileSize - 1);
  return static_cast<int32_t>((length + PageSize(s) - 1) / PageSize(s));
}

int32_t GetNowPage(int32_t seek_position, const DisplaySettingsRecord& s) {
  return static_cast<int32_t>(seek_position / PageSize(s) + 1);
}

int32_t GetSeekFromPage(int32_t Page, const DisplaySettingsRecord& s) {
  return static_cast<int32_t>((int64_t{Page} - 1) * PageSize(s) + 1);
}

}  // namespace vx
