#include "app/page/page_painter_win.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "common/code_page.h"
#include "common/ui/gdi_win.h"

namespace vx {

namespace {

// The advance of one character in the selected font.
class CharWidths {
 public:
  explicit CharWidths(HDC dc) : dc_(dc) {}
  int Of(wchar_t c) {
    if (c < 0x100) {
      if (small_[c] < 0) small_[c] = Measure(c);
      return small_[c];
    }
    return Measure(c);
  }

 private:
  int Measure(wchar_t c) const {
    INT w = 0;
    return GetCharWidth32W(dc_, c, c, &w) ? w : 0;
  }
  HDC dc_;
  std::array<int, 0x100> small_ = MakeUnknown();
  static std::array<int, 0x100> MakeUnknown() {
    std::array<int, 0x100> a;
    a.fill(-1);
    return a;
  }
};

std::wstring Characters(const PageText& t) {
  return t.characters.empty() ? FromShiftJis(t.bytes) : t.characters;
}

// Draws the texts a line at a time: one call per run of texts on the same y in
// the same colour, each character placed where its own call would have put it.
// A call per cell costs several microseconds under Wine, a page has over a
// thousand cells, and a held arrow key repaints the page on every repeat.
void DrawTextRuns(HDC dc, const std::vector<PageText>& texts) {
  std::vector<const PageText*> order;
  order.reserve(texts.size());
  for (const PageText& t : texts) order.push_back(&t);
  std::stable_sort(order.begin(), order.end(), [](const PageText* a, const PageText* b) {
    return a->y != b->y ? a->y < b->y : a->x < b->x;
  });
  CharWidths widths(dc);
  std::vector<wchar_t> chars;
  std::vector<INT> advances;
  COLORREF current = CLR_INVALID;
  size_t i = 0;
  while (i < order.size()) {
    const PageText& first = *order[i];
    const COLORREF colour = ResolveColour(first.colour);
    chars.clear();
    advances.clear();
    int last_char_x = first.x;
    size_t j = i;
    for (; j < order.size(); ++j) {
      const PageText& t = *order[j];
      if (t.y != first.y || ResolveColour(t.colour) != colour) break;
      if (!chars.empty()) {
        // The previous text's last character advances to this text's x.
        if (t.x < last_char_x) break;
        advances.back() = t.x - last_char_x;
      }
      int x = t.x;
      bool first_char = true;
      for (wchar_t c : Characters(t)) {
        if (!first_char) x += advances.back();
        first_char = false;
        chars.push_back(c);
        advances.push_back(widths.Of(c));
        last_char_x = x;
      }
    }
    if (j == i) ++j;  // a text that converts to nothing
    if (!chars.empty()) {
      if (colour != current) {
        SetTextColor(dc, colour);
        current = colour;
      }
      ExtTextOutW(dc, first.x, first.y, 0, nullptr, chars.data(), static_cast<UINT>(chars.size()),
                  advances.data());
    }
    i = j;
  }
}

// Each text at its own position, as a printer is told cell by cell.
void DrawTextCells(HDC dc, const std::vector<PageText>& texts) {
  COLORREF current = CLR_INVALID;
  for (const PageText& t : texts) {
    const COLORREF colour = ResolveColour(t.colour);
    if (colour != current) {
      SetTextColor(dc, colour);
      current = colour;
    }
    const std::wstring chars = Characters(t);
    ExtTextOutW(dc, t.x, t.y, 0, nullptr, chars.data(), static_cast<UINT>(chars.size()), nullptr);
  }
}

void DrawLines(HDC dc, const std::vector<PageLine>& lines) {
  for (const PageLine& l : lines) {
    const Pen pen = MakePen(ResolveColour(l.colour));
    const Selection selected(dc, pen.get());
    MoveToEx(dc, l.x, l.top, nullptr);
    LineTo(dc, l.x, l.bottom);
  }
}

}  // namespace

void ReplayPage(HDC dc, const DumpPage& page, TextCalls calls) {
  for (const PageBox& b : page.boxes) {
    const Brush brush = MakeBrush(ResolveColour(b.colour));
    RECT r{b.left, b.top, b.right, b.bottom};
    FillRect(dc, &r, brush.get());
    FrameRect(dc, &r, brush.get());
  }
  if (!page.lines_over_texts) DrawLines(dc, page.lines);
  SetBkMode(dc, TRANSPARENT);
  SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  if (calls == TextCalls::PerCell) {
    DrawTextCells(dc, page.texts);
  } else {
    DrawTextRuns(dc, page.texts);
  }
  if (page.lines_over_texts) DrawLines(dc, page.lines);
}

}  // namespace vx
