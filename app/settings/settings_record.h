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

// Reads the first 148 bytes. Empty when there are fewer, or when a value lies
// outside what the program can work with (settings_ranges.h).
std::optional<DisplaySettingsRecord> DecodeSettings(std::span<const uint8_t> bytes);

}  // namespace vx
