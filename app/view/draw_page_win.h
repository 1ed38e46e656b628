#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/settings/display_settings_record.h"
#include "common/byte_range.h"

namespace vx {

// Reads the page from seek position `start` of path into page_bytes (the
// page and the byte behind it) and draws it on `dc` as `settings` lays it out (the
// settings scaled for the screen). When the file cannot be
// opened the user is told, and the DC and page_bytes keep what they had.
// The `selected` bytes are drawn highlighted.
void DrawPage(HDC dc, const DisplaySettingsRecord& settings, const std::wstring& path,
              int64_t start, std::vector<uint8_t>& page_bytes, int64_t file_size,
              const std::optional<ByteRange>& selected);

}  // namespace vx
