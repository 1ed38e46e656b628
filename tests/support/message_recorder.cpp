#include "tests/support/message_recorder.h"

namespace vx::test {

MessageRecorder::MessageRecorder() {
  SetMessageHandler([this](const MessageRequest& request) {
    shown_.push_back(request);
    if (!answers_.empty()) {
      const MsgAnswer a = answers_.front();
      answers_.pop_front();
      return a;
    }
    return request.buttons == MsgButtons::YesNo || request.buttons == MsgButtons::YesNoCancel
               ? MsgAnswer::Yes
               : MsgAnswer::Ok;
  });
}

MessageRecorder::~MessageRecorder() { SetMessageHandler({}); }

std::vector<std::wstring> MessageRecorder::texts() const {
  std::vector<std::wstring> texts;
  for (const MessageRequest& r : shown_) texts.push_back(r.text);
  return texts;
}

}  // namespace vx::test
