// ByteInputWindow: the byte input window. A small modeless popup owned by the main
// window, holding one text field Text1 in which the new value of the byte
// under the caret is typed. Its keys go to the owner's key handler; the owner
// places, fills, shows and hides it (ShowIP, FitIP, HideIP).
#pragma once

#include <windows.h>

#include <cstdint>

#include "app/edit/byte_text.h"
#include "app/edit/input_host.h"
#include "common/ui/controls_win.h"
#include "common/ui/gdi_win.h"
#include "common/ui/window_win.h"

namespace vx {

class ByteInputWindow : public Window {
 public:
  explicit ByteInputWindow(InputHost& host) : host_(host) {}
  ~ByteInputWindow() override { Unload(); }

  // Creates the window hidden, owned by `owner_window`, and measures
  // InputFieldOffsetX.
  void Form_Load(HWND owner_window);
  void Unload();

  // The field's maximum length and the widths of field and window for `radix`.
  void SizeFor(InputRadix radix);

  // Screen distance from the window's client origin to the field's, plus 5.
  int32_t InputFieldOffsetX = 0;
  HWND Text1 = nullptr;

 private:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  bool Text1_Message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  void Text1_KeyDown(int KeyCode, int Shift);
  // Whether the typed character is thrown away.
  bool Text1_KeyPress();
  void Text1_KeyUp(int KeyCode);

  InputHost& host_;
  Font font_;
  MessageHook text1_keys_;
  int32_t max_length_ = 0;
};

}  // namespace vx
