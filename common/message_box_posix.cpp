#include <cstdio>

#include "common/message_box.h"
#include "common/posix_names.h"

namespace vx {

// The native build has no screen: the message goes to standard error and is
// answered with its first button.
MsgAnswer PlatformMessageBox(const MessageRequest& request) {
  std::fprintf(stderr, "[%s] %s\n", Utf8FromWide(request.title).c_str(),
               Utf8FromWide(request.text).c_str());
  return request.buttons == MsgButtons::YesNo || request.buttons == MsgButtons::YesNoCancel
             ? MsgAnswer::Yes
             : MsgAnswer::Ok;
}

}  // namespace vx
