#include "app/view/com_d3_win.h"

#include "app/view/open_dialog_win.h"

namespace vx {

std::wstring ComD3::ShowOpenSingle(HWND owner) const {
  return ShowOpenDialog({owner, title_, filter_, options_.Flags()});
}

}  // namespace vx
