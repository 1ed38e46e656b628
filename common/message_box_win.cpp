#include <windows.h>

#include "common/message_box.h"

namespace vx {

MsgAnswer PlatformMessageBox(const MessageRequest& request) {
  UINT type = 0;
  switch (request.buttons) {
    case MsgButtons::Ok: type |= MB_OK; break;
    case MsgButtons::OkCancel: type |= MB_OKCANCEL; break;
    case MsgButtons::YesNo: type |= MB_YESNO; break;
    case MsgButtons::YesNoCancel: type |= MB_YESNOCANCEL; break;
  }
  switch (request.icon) {
    case MsgIcon::None: break;
    case MsgIcon::Information: type |= MB_ICONINFORMATION; break;
    case MsgIcon::Exclamation: type |= MB_ICONEXCLAMATION; break;
    case MsgIcon::Critical: type |= MB_ICONERROR; break;
    case MsgIcon::Question: type |= MB_ICONQUESTION; break;
  }
  // Owned by the active window, so that it is modal over it like the program's windows.
  switch (MessageBoxW(GetActiveWindow(), request.text.c_str(), request.title.c_str(), type)) {
    case IDYES: return MsgAnswer::Yes;
    case IDNO: return MsgAnswer::No;
    case IDCANCEL: return MsgAnswer::Cancel;
    default: return MsgAnswer::Ok;
  }
}

}  // namespace vx
