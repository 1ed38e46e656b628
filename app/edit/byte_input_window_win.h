// ByteInputWindow: the byte input window. A small modeless popup owned by the
// main window, holding the one field in which the new value of the byte under
// the caret is typed. Its keys go to the owner's key handler; the owner fills,
// places, shows and hides it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "app/edit/byte_text.h"
#include "app/edit/input_host.h"
#include "common/ui/controls_win.h"
#include "common/ui/dpi_win.h"
#include "common/ui/gdi_win.h"
#include "common/ui/window_win.h"

namespace vx {

class ByteInputWindow : public FormWindow {
 public:
  explicit ByteInputWindow(InputHost& host) : host_(host) {}
  ~ByteInputWindow() override { Close(); }

  // Makes the window, hidden, owned by `owner` and at its density.
  void Create(HWND owner);
  void Close() override;

  // The field's maximum length and the widths of field and window for `radix`.
  void SizeFor(InputRadix radix);
  // The field shows `text`, all of it selected, so that typing replaces it.
  void ShowValue(const std::wstring& text);
  std::wstring Value() const { return field_.Text(); }
  // Moves the window so that its field's text begins at `cell`, a point on
  // the screen: the field's frame stands a little left of it and above it.
  void PlaceOver(POINT cell);
  void FocusField() const { field_.Focus(); }
  // `character` typed into the field at its caret, as the keyboard types it.
  void TypeIntoField(wchar_t character) const {
    SendMessageW(field_.hwnd(), WM_CHAR, character, 1);
  }

 private:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  // The window lives as long as the program; its close box only hides it.
  void OnClose() override { host_.HideByteInput(); }
  void OnDpiChanged(int dpi) override;
  bool OnFieldMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  // A released digit that fills the field enters it, when so set.
  void OnFieldKeyUp(int key);
  void MeasureFieldOffset(const DpiScale& scale);

  InputHost& host_;
  HWND owner_ = nullptr;
  Font font_;
  EditField field_;
  MessageHook field_keys_;
  int32_t max_length_ = 0;
  // How far the window's left edge stands left of the cell it is placed
  // over: the distance between its client origin and the field's, and a
  // little more.
  int32_t field_offset_x_ = 0;
};

}  // namespace vx
