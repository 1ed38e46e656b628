#include "app/view/com_d3_win.h"

#include "app/view/open_dialog_win.h"

namespace vx {

std::wstring ComD3::ShowOpenSingle() const {
  return ShowOpenDialog({title_, filter_, options_.Flags()});
}

}  // namespace vx
