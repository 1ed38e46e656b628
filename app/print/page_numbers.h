// Page numbers of the open file: a page holds LinesPerPage x BytesPerLine
// bytes, page n starting at seek position (n - 1) x that + 1.
#pragma once

#include <cstdint>

#include "app/settings/display_settings.h"

namespace vx {

// The file's pages: its length divided by the page size, rounded up; 0 for an
// empty or missing file (a negative length).
int64_t PageCount(int64_t file_length, const DisplaySettingsRecord& settings);
// The page that holds `seek_position`: Int(seek position / page size) + 1.
int64_t PageOf(int64_t seek_position, const DisplaySettingsRecord& settings);
// The seek position of the page's first byte.
int64_t PageStart(int64_t page, const DisplaySettingsRecord& settings);

}  // namespace vx
