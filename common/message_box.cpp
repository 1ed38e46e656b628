#include "common/message_box.h"

#include <utility>

namespace vx {
namespace {

MessageHandler& Handler() {
  static MessageHandler handler;
  return handler;
}

std::wstring& Title() {
  static std::wstring title;
  return title;
}

}  // namespace

MsgAnswer ShowMessage(const std::wstring& text, MsgButtons buttons, MsgIcon icon) {
  const MessageRequest request{text, Title(), buttons, icon};
  if (Handler()) return Handler()(request);
  return PlatformMessageBox(request);
}

void SetMessageHandler(MessageHandler handler) { Handler() = std::move(handler); }

void SetAppTitle(std::wstring title) { Title() = std::move(title); }

const std::wstring& AppTitle() { return Title(); }

}  // namespace vx
