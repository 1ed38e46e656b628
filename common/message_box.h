// Every message to the user goes through ShowMessage, so that a test can
// answer it and record what was shown. The real one is the system's modal
// message box, titled with the program's own name.
#pragma once

#include <functional>
#include <string>

namespace vx {

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Information, Exclamation, Critical, Question };
enum class MsgAnswer { Ok, Cancel, Yes, No };

struct MessageRequest {
  std::wstring text;
  std::wstring title;
  MsgButtons buttons = MsgButtons::Ok;
  MsgIcon icon = MsgIcon::None;
};

using MessageHandler = std::function<MsgAnswer(const MessageRequest&)>;

MsgAnswer ShowMessage(const std::wstring& text, MsgButtons buttons = MsgButtons::Ok,
                      MsgIcon icon = MsgIcon::None);

// Replaces the real message box (tests); an empty handler restores it.
void SetMessageHandler(MessageHandler handler);

// The title of every message box: the program's own name.
void SetAppTitle(std::wstring title);
const std::wstring& AppTitle();

// The platform's own message box (message_box_win.cpp / message_box_posix.cpp).
MsgAnswer PlatformMessageBox(const MessageRequest& request);

}  // namespace vx
