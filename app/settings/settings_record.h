// The 148-byte image of DisplaySettings in "Setting.dat": fields in declaration
// order, packed, little-endian; texts in Shift-JIS, blank-padded.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "app/settings/display_settings_record.h"

namespace vx {

inline constexpr size_t kSettingsRecordSize = 148;
using SettingsRecordBytes = std::array<uint8_t, kSettingsRecordSize>;

SettingsRecordBytes EncodeSettings(const DisplaySettingsRecord& settings);

// Reads the first 148 bytes, every value brought into the settings window's
// ranges (settings_ranges.h). Empty when there are fewer.
std::optional<DisplaySettingsRecord> DecodeSettings(std::span<const uint8_t> bytes);

}  // namespace vx
