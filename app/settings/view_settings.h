// The settings that came after the 148-byte "Setting.dat": the data
// inspector's place, whether it is shown and its byte order, the text
// column's encoding and its control-byte dots. They live in a file of their
// own beside it, "ViewSetting.ini", lines of "name=value", so that the record
// stays as older versions read it; names not known are passed over and a
// value that cannot be read keeps its default.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/text_encoding.h"

namespace vx {

struct ViewSettings {
  bool inspector_shown = false;
  // The inspector window's top-left corner on the screen; none until it was placed.
  std::optional<std::pair<int32_t, int32_t>> inspector_place;
  bool inspector_big_endian = false;
  // How the text column reads the bytes, by the number of its encoding (0:
  // Shift-JIS, as the column always read them).
  int32_t text_encoding = 0;
  // Control bytes (below 0x20, and 0x7F) drawn as a dot in the text column.
  bool control_dots = false;

  bool operator==(const ViewSettings&) const = default;
};

// The program's view settings, loaded at start-up.
extern ViewSettings ViewOptions;

// The text column's encoding as ViewOptions name it; Shift-JIS for a number
// no encoding has.
TextEncoding TextColumnEncoding();

std::string FormatViewSettings(const ViewSettings& settings);
ViewSettings ParseViewSettings(std::string_view text);

// From the settings folder in use (or the one beside the program); the
// defaults when there is no file.
void LoadViewSettings();
// False when the file could not be written; the settings in memory stay.
bool SaveViewSettings();

}  // namespace vx
