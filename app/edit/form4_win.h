// Form4: the byte input window. A small modeless popup owned by the main
// window, holding one text field Text1 in which the new value of the byte
// under the caret is typed. Its keys go to the main window's key handler; the
// main window places, fills, shows and hides it (ShowIP, FitIP, HideIP).
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <type_traits>

#include "app/edit/byte_text.h"

namespace vx {

class Form1;

class Form4 {
 public:
  explicit Form4(Form1& owner);
  ~Form4();
  Form4(const Form4&) = delete;
  Form4& operator=(const Form4&) = delete;

  // Creates the window hidden, owned by `owner_window`, and measures
  // InputFieldOffsetX.
  void Form_Load(HWND owner_window);
  void Unload();
  HWND hwnd() const { return hwnd_; }

  // The field's maximum length and the widths of field and window for `radix`.
  void SizeFor(InputRadix radix);
  int32_t MaxLength() const { return max_length_; }

  // Screen distance from the window's client origin to the field's, plus 5.
  int32_t InputFieldOffsetX = 0;
  HWND Text1 = nullptr;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK Text1Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                    DWORD_PTR self);
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  void Text1_KeyDown(int KeyCode, int Shift);
  // Whether the typed character is thrown away.
  bool Text1_KeyPress();
  void Text1_KeyUp(int KeyCode);

  struct FontDeleter {
    void operator()(HFONT f) const { DeleteObject(f); }
  };

  Form1& owner_;
  HWND hwnd_ = nullptr;
  std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter> font_;
  int32_t max_length_ = 0;
};

}  // namespace vx
