#pragma once

#include <deque>
#include <string>
#include <vector>

#include "common/message_box.h"

namespace vx::test {

// Answers every message box while it lives and keeps what was shown. Answers
// queued with Answer() are used in order; without one, Yes/No questions get
// Yes and everything else Ok.
class MessageRecorder {
 public:
  MessageRecorder();
  ~MessageRecorder();
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  void Answer(MsgAnswer answer) { answers_.push_back(answer); }
  const std::vector<MessageRequest>& shown() const { return shown_; }
  // The texts of the boxes shown, in order.
  std::vector<std::wstring> texts() const;
  void Clear() { shown_.clear(); }

 private:
  std::deque<MsgAnswer> answers_;
  std::vector<MessageRequest> shown_;
};

}  // namespace vx::test
