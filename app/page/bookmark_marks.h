// The marks of bookmarked bytes on a screen page: under the byte's hex cell
// and its text cell, a bar of a dark stripe over a light one, so that one of
// the two stands out on a row of any colour. They grow with the page's line
// height, and so with the display's scale. The printed page shows none: a
// bookmark is a place to come back to, not part of the file.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "app/page/dump_page.h"

namespace vx {

inline constexpr Colour kBookmarkDark = 0x000000;
inline constexpr Colour kBookmarkLight = 0xFFFFFF;

// The height of each of the two stripes: two pixels at least, growing with
// the line height.
int BookmarkStripe(const DisplaySettingsRecord& settings);

// The boxes that mark the bookmarks at `offsets` (zero-based, ascending)
// that lie on the page starting at seek position `start` (from 1).
std::vector<PageBox> BookmarkMarks(const DisplaySettingsRecord& settings, int64_t start,
                                   std::span<const int64_t> offsets);

}  // namespace vx
