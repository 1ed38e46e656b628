// TextEx: a field for a bounded whole number. An edit field (Text1) shows the
// number, with a plus and a minus button drawn to its right. The number
// changes by typing (taken on Enter or when the field loses the focus), by
// Up and Down, by holding a button (it repeats, faster and faster) and by
// dragging the mouse up or down over the field. Every change is bounded and
// reported to the owner through ValueChanged.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "app/controls/text_ex_layout.h"
#include "common/ui/controls_win.h"
#include "common/ui/gdi_win.h"
#include "common/ui/window_win.h"

namespace vx {

// What a field starts with. Its first number is bounded like any other but
// not reported.
struct TextExArgs {
  PixelRect rect{0, 0, 0, 0};  // in the parent's client area
  int id = 0;
  int index = 0;  // reported with each change, for the owner of a group of fields
  int32_t MinValue = 0;
  int32_t MaxValue = 255;
  int32_t Value = 0;
  int32_t ChangeValue = 1;
  int32_t ChangeMouseValue = 1;
  bool Enabled = true;
  bool visible = true;
};

class TextEx : public Window {
 public:
  TextEx() = default;
  // The window goes while its font is still there, and tells nobody.
  ~TextEx() override {
    text1_hook_.Detach();
    ValueChanged = nullptr;
    DestroyUnbound();
  }

  bool Create(HWND parent, const TextExArgs& args);

  int32_t value() const { return value_; }
  // Bounds `v`, shows it at once and raises ValueChanged, also when the
  // number stays the same.
  void SetValue(int32_t v);
  bool Enabled() const { return enabled_; }
  // A disabled field takes no keys, buttons or drags, and no Tab stop.
  void SetEnabled(bool on);
  HWND Text1() const { return text1_; }

  // Plain storage: setting a bound does not bound the current number again.
  int32_t MinValue = 0;
  int32_t MaxValue = 255;
  int32_t ChangeValue = 1;
  int32_t ChangeMouseValue = 1;

  // Raised after each assignment to the value, with the field's index; the
  // owner may be called from inside the repeat of a held button.
  std::function<void(int index)> ValueChanged;

 private:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  bool Text1_Message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  // The layout of the surface's size, and the field's font for it.
  void LayOut();
  void RePaint();
  void Paint();
  // Every change of the number, bounded, shown and reported.
  void Assign(int64_t v);
  void Text1_KeyDown(int key);
  void Text1_MouseDown(int y);
  void Text1_MouseMove(int y);
  void Text1_MouseUp();
  void OnButtonDown(UINT button, LPARAM lp);
  void OnDoubleClick();
  // Holds the repeat of the button under (x, y) until the mouse is released.
  void PressButton(int x, int y);
  int32_t TypedValue() const;

  HWND text1_ = nullptr;
  MessageHook text1_hook_;
  Font font_;
  int font_points_ = 0;
  int font_dpi_ = 0;
  TextExLayout layout_{};
  int index_ = 0;
  int32_t value_ = 0;
  bool enabled_ = true;
  bool dragging_ = false;
  int drag_start_y_ = 0;
  int32_t drag_start_value_ = 0;
  bool repeat_stop_ = false;
  UINT last_button_ = 0;
  POINT last_press_{};
};

}  // namespace vx
