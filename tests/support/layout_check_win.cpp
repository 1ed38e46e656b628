#include "tests/support/layout_check_win.h"

#include <vector>

#include "common/ui/dpi_win.h"
#include "common/ui/gdi_win.h"
#include "tests/support/window_driver_win.h"

namespace vx::test {
namespace {

bool IsFrame(const Child& c) {
  return c.window_class == L"Button" &&
         (GetWindowLongW(c.hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

bool Overlap(const RECT& a, const RECT& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

std::wstring Name(const Child& c) { return c.window_class + L" \"" + c.text + L"\""; }

// The room a button's caption needs besides its text: the mark of a check
// box or an option with its gap, a frame's indents.
int CaptionRoom(HWND button) {
  switch (GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      return MetricForDpi(SM_CXMENUCHECK, WindowDpi(button)) + 2;
    case BS_GROUPBOX:
      return 8;
    default:
      return 0;
  }
}

// Whether a button's caption, its "&" marking the next character, fits on
// one line beside its mark.
bool CaptionFits(const Child& c) {
  const WindowDc dc(c.hwnd);
  const Selection font(dc.get(), reinterpret_cast<HFONT>(SendMessageW(c.hwnd, WM_GETFONT, 0, 0)));
  RECT need{0, 0, 0, 0};
  DrawTextW(dc.get(), c.text.c_str(), -1, &need, DT_CALCRECT | DT_SINGLELINE);
  RECT client;
  GetClientRect(c.hwnd, &client);
  return need.right + CaptionRoom(c.hwnd) <= client.right && need.bottom <= client.bottom;
}

}  // namespace

std::wstring LayoutFaults(HWND window, int margin) {
  RECT client;
  GetClientRect(window, &client);
  RECT area = client;
  InflateRect(&area, -margin, -margin);
  std::vector<Child> shown;
  for (const Child& c : Children(window)) {
    // Only the window's own controls: a control's parts are its own business.
    if (GetParent(c.hwnd) == window && IsWindowVisible(c.hwnd) && Overlap(c.rect, client)) {
      shown.push_back(c);
    }
  }
  std::wstring faults;
  for (size_t i = 0; i < shown.size(); ++i) {
    const Child& c = shown[i];
    if (!Inside(c.rect, area)) faults += Name(c) + L" is not inside the window's margin\n";
    if (c.window_class == L"Button" && !c.text.empty() && !CaptionFits(c)) {
      faults += Name(c) + L" cuts its caption\n";
    }
    for (size_t j = 0; j < shown.size(); ++j) {
      const Child& other = shown[j];
      if (i == j || !Overlap(c.rect, other.rect)) continue;
      if (IsFrame(other) && !IsFrame(c) && !Inside(c.rect, other.rect)) {
        faults += Name(c) + L" reaches out of the frame " + Name(other) + L"\n";
      }
      if (j > i && !IsFrame(c) && !IsFrame(other)) {
        faults += Name(c) + L" overlaps " + Name(other) + L"\n";
      }
    }
  }
  return faults + CutLabels(window);
}

}  // namespace vx::test
