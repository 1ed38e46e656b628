// What the progress area shows for a progress value: a caption, nothing, or a
// bar with its percentage. Long work reports after every block; the area is
// redrawn only when what it shows changes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vx {

inline constexpr unsigned kProgressBarColour = 0xDD4422;  // 0x00BBGGRR

struct ProgressView {
  enum class Kind { Caption, Done, Bar };
  Kind kind = Kind::Done;
  std::wstring caption;  // Kind::Caption
  int bar_width = 0;     // Kind::Bar: pixels from the left edge
  int percent = 0;       // Kind::Bar: Int(value x 100)

  bool operator==(const ProgressView&) const = default;
};

// value < 0: the caption; value >= 1: done; else a bar of value x width.
ProgressView ProgressViewFor(double value, const std::wstring& caption, int width);

// A moving bar is drawn at most this often: each redraw reaches the screen at
// once, and a bar that changes a few hundred times in a second would cost a
// tenth of the work it shows.
inline constexpr uint32_t kProgressFrameMs = 100;

// Whether `next` must be drawn over `shown` (nothing shown yet: empty), drawn
// `since_drawn_ms` ago. Captions and the end are always drawn at once.
bool ProgressNeedsDrawing(const std::optional<ProgressView>& shown, const ProgressView& next,
                          uint32_t since_drawn_ms);

}  // namespace vx
