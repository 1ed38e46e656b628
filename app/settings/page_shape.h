// A page's shape: bytes a line and lines a page.
#pragma once

#include "app/settings/display_settings_record.h"

namespace vx {

struct PageShape {
  int bytes_per_line = 0;
  int lines = 0;
  bool operator==(const PageShape&) const = default;
};

inline PageShape ShapeOf(const DisplaySettingsRecord& s) {
  return {s.BytesPerLine, s.LinesPerPage};
}

// `s` with its page of `shape`.
inline DisplaySettingsRecord WithShape(DisplaySettingsRecord s, PageShape shape) {
  s.BytesPerLine = shape.bytes_per_line;
  s.LinesPerPage = shape.lines;
  return s;
}

}  // namespace vx
