// The status lines above the page at one display density. Their layout is
// written for the 96-dot screen; a denser display scales it, but the label
// font's characters do not scale in proportion (a 9-point character is 6
// pixels wide at 96 dots an inch, 8 rather than 7.5 at 120), so a label is
// also made as wide as its widest text measured in its font at that density.
#pragma once

#include <vector>

#include "common/ui/rects.h"

namespace vx {

// A label's widest text: its width in the label's font at the row's density,
// and at 96 dots an inch, where the layout was written round it.
struct WidestText {
  int width = 0;
  int width_at_base = 0;
};

// A row of labels left to right, in the parent's pixels at `dpi`: each label
// is its layout rectangle scaled, or, where that is more, as wide as its
// widest text with the room the layout leaves beside it scaled (so that
// values never run into the next label); it is pushed right to keep the
// layout's gap after a left neighbour that grew. Where the font scales in
// proportion, the row is the layout scaled.
std::vector<PixelRect> LayOutLabelRow(const std::vector<PixelRect>& layout,
                                      const std::vector<WidestText>& widest, int dpi);

// A frame round a row of labels laid out by LayOutLabelRow: the layout's
// frame scaled, widened so that it keeps the layout's margin right of the
// row's last label.
PixelRect FrameRoundRow(const PixelRect& frame_layout, const PixelRect& last_label_layout,
                        const PixelRect& last_label, int dpi);

}  // namespace vx
