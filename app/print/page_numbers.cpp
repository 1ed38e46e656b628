#include "app/print/page_numbers.h"

#include <algorithm>

namespace vx {
namespace {

int64_t PageSize(const DisplaySettingsRecord& settings) {
  return int64_t{settings.LinesPerPage} * settings.BytesPerLine;
}

}  // namespace

int64_t PageCount(int64_t file_length, const DisplaySettingsRecord& settings) {
  // Divided before rounding up, so that the largest length cannot overflow.
  const int64_t length = std::max<int64_t>(file_length, 0);
  return length / PageSize(settings) + (length % PageSize(settings) != 0 ? 1 : 0);
}

int64_t PageOf(int64_t seek_position, const DisplaySettingsRecord& settings) {
  return seek_position / PageSize(settings) + 1;
}

int64_t PageStart(int64_t page, const DisplaySettingsRecord& settings) {
  return (page - 1) * PageSize(settings) + 1;
}

}  // namespace vx
