// ListView: a report list of many rows that holds none of them. The list
// asks for each cell's text as it draws it (the system's owner-data list
// view), so that a list of a hundred thousand rows costs its count only;
// Enter and a double-click on a row reach on_activate. Screen readers and
// UI tools read its rows as any list view's.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "common/ui/rects.h"
#include "common/ui/typed_controls_win.h"

namespace vx {

struct ListColumn {
  std::wstring caption;
  int width = 0;  // pixels of the 96-dot layout
};

struct ListViewArgs {
  PixelRect rect{};
  std::vector<ListColumn> columns;
  // The text of `row`'s cell in `column`, asked for as it is drawn.
  std::function<std::wstring(int row, int column)> cell_text{};
  // Enter or a double-click on `row`.
  std::function<void(int row)> on_activate{};
};

class ListView : public Control {
 public:
  using Control::Control;
  // The list shows `count` rows, asking anew for every cell it draws.
  void SetRowCount(int count) const;
  // The selected row, or -1.
  int Selected() const;
};

// Its notices come through the site's routes (WM_NOTIFY, FormWindow).
ListView MakeListView(const ControlSite& site, ListViewArgs args);

}  // namespace vx
