// What the byte input window needs of the window that owns it: its keys are
// the page's keys, and its close box only hides it.
#pragma once

namespace vx {

class InputHost {
 public:
  // A key pressed in the input field (`shift`: 1 Shift, 2 Ctrl, 4 Alt),
  // handled as a key of the page.
  virtual void OnInputFieldKey(int key, int shift) = 0;
  virtual void HideByteInput() = 0;
  // Whether the character of the key just handled is to be thrown away;
  // asking clears it.
  virtual bool TakeCharacterRefusal() = 0;

 protected:
  ~InputHost() = default;
};

}  // namespace vx
