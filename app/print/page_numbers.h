// Page numbers of the open file: a page holds LinesPerPage x BytesPerLine
// bytes, page n starting at seek position (n - 1) x that + 1.
#pragma once

#include <cstdint>

#include "app/settings/display_settings.h"

namespace vx {

// The file's pages: its length divided by the page size, rounded up; 0 for an
// empty or missing file (a negative length). Only the pages that seek
// positions reach are counted, should the file have grown past them.
int32_t PageCount(int64_t file_length, const DisplaySettingsRecord& settings);
// The page that holds `seek_position`: Int(seek position / page size) + 1.
int32_t PageOf(int32_t seek_position, const DisplaySettingsRecord& settings);
// The seek position of the page's first byte.
int32_t PageStart(int32_t page, const DisplaySettingsRecord& settings);

}  // namespace vx
