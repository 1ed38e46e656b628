#include "app/view/page_painter_win.h"

#include <string>

namespace vx {

COLORREF ResolveColour(Colour colour) {
  if (colour & kSystemColourFlag) return GetSysColor(static_cast<int>(colour & 0xFF));
  return static_cast<COLORREF>(colour & 0x00FFFFFF);
}

void ReplayPage(HDC dc, const DumpPage& page) {
  for (const PageBox& b : page.boxes) {
    const COLORREF c = ResolveColour(b.colour);
    HBRUSH brush = CreateSolidBrush(c);
    RECT r{b.left, b.top, b.right, b.bottom};
    FillRect(dc, &r, brush);
    FrameRect(dc, &r, brush);
    DeleteObject(brush);
  }
  for (const PageLine& l : page.lines) {
    HPEN pen = CreatePen(PS_SOLID, 1, ResolveColour(l.colour));
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, l.x, l.top, nullptr);
    LineTo(dc, l.x, l.bottom);
    SelectObject(dc, old);
    DeleteObject(pen);
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  COLORREF current = CLR_INVALID;
  wchar_t wide[16];
  for (const PageText& t : page.texts) {
    const COLORREF c = ResolveColour(t.colour);
    if (c != current) {
      SetTextColor(dc, c);
      current = c;
    }
    // Cells are at most a few bytes; bytes outside Shift-JIS come out as the
    // converter's own characters, so nothing is replaced by a dot here.
    const int n = MultiByteToWideChar(932, 0, t.bytes.data(), static_cast<int>(t.bytes.size()),
                                      wide, static_cast<int>(std::size(wide)));
    if (n > 0) ExtTextOutW(dc, t.x, t.y, 0, nullptr, wide, static_cast<UINT>(n), nullptr);
  }
}

}  // namespace vx
