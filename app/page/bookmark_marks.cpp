#include "app/page/bookmark_marks.h"

#include <algorithm>

namespace vx {

int BookmarkStripe(const DisplaySettingsRecord& settings) {
  return std::max(2, settings.LineHeight / 6);
}

std::vector<PageBox> BookmarkMarks(const DisplaySettingsRecord& settings, int64_t start,
                                   std::span<const int64_t> offsets) {
  const int columns = settings.BytesPerLine;
  const int64_t cells = int64_t{settings.LinesPerPage} * columns;
  const int stripe = BookmarkStripe(settings);
  const int hex_left = HexColumnsLeft(settings);
  const int text_left = TextColumnsLeft(settings);
  std::vector<PageBox> boxes;
  for (const int64_t offset : offsets) {
    const int64_t cell = offset + 1 - start;
    if (cell < 0 || cell >= cells) continue;
    const int row = static_cast<int>(cell / columns);
    const int column = static_cast<int>(cell % columns);
    const int bottom = settings.TopMargin + (row + 1) * settings.LineHeight;
    // A pixel apart from the next cell's mark, so that neighbours show as two.
    const int hex_x = hex_left + column * settings.HexCellWidth;
    const int text_x = text_left + column * settings.TextCellWidth;
    for (const auto& [left, width] :
         {std::pair{hex_x, settings.HexCellWidth}, std::pair{text_x, settings.TextCellWidth}}) {
      const int right = left + std::max(1, width - 1);
      boxes.push_back({left, bottom - 2 * stripe, right, bottom - stripe, kBookmarkDark});
      boxes.push_back({left, bottom - stripe, right, bottom, kBookmarkLight});
    }
  }
  return boxes;
}

}  // namespace vx
