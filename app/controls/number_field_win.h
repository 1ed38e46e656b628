// NumberField: a field for a bounded whole number. A text box shows the
// number, with a plus and a minus button drawn to its right. The number
// changes by typing (taken when the text box loses the focus, or when the
// owner takes it; a text that is no number within the bounds is never
// taken), by Up and Down, by holding a button (it repeats, faster and faster) and by
// dragging the mouse up or down over the text box. Every change is bounded
// and reported to the owner.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>

#include "app/controls/number_field_layout.h"
#include "common/ui/controls_win.h"
#include "common/ui/gdi_win.h"
#include "common/ui/window_win.h"

namespace vx {

// What a field starts with. Its first number is bounded like any other but
// not reported.
struct NumberFieldArgs {
  PixelRect rect{};  // in the parent's client area
  int32_t min = 0;
  int32_t max = 255;
  int32_t value = 0;
  int32_t key_step = 1;   // of Up, Down and the buttons
  int32_t drag_step = 1;  // of each step of a drag
  bool enabled = true;
  bool visible = true;
  // After each assignment to the number, also when it stays the same; it may
  // come from inside the repeat of a held button.
  std::function<void(int32_t value)> on_change{};
};

class NumberField : public Window {
 public:
  NumberField() = default;
  // The window goes while its font is still there, and tells nobody.
  ~NumberField() override {
    text_box_hook_.Detach();
    on_change_ = nullptr;
    DestroyUnbound();
  }

  bool Create(HWND parent, NumberFieldArgs args);

  int32_t value() const { return value_; }
  int32_t min() const { return min_; }
  int32_t max() const { return max_; }
  // Takes the typed text as the number, as the focus leaving does. False,
  // with the number and the text left as they are, when the text is no whole
  // number within the bounds (ReadNumber).
  bool TakeTyped();
  // The keys to the text box, its text selected for typing over.
  void FocusText() const;
  // Bounds `value`, shows it at once and reports it, also when the number
  // stays the same.
  void SetValue(int32_t value);
  bool Enabled() const { return enabled_; }
  // A disabled field takes no keys, buttons or drags, and no Tab stop.
  void SetEnabled(bool enabled);

 private:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  bool OnTextBoxMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  // The layout of the surface's size, and the field's font for it.
  void LayOut();
  void OnResize();
  void Paint();
  // Every change of the number, bounded, shown and reported.
  void Assign(int64_t value);
  void OnTextBoxKey(int key);
  void OnDragStart(int y);
  void OnDrag(int y);
  void OnDragEnd();
  void OnButtonDown(UINT button, LPARAM lp);
  void OnDoubleClick();
  // Holds the repeat of the button under (x, y) until the mouse is released.
  void PressButton(int x, int y);
  // The typed text's number, when it is one within the bounds.
  std::optional<int32_t> TypedValue() const;

  int32_t min_ = 0;
  int32_t max_ = 255;
  int32_t key_step_ = 1;
  int32_t drag_step_ = 1;
  std::function<void(int32_t value)> on_change_;
  HWND text_box_ = nullptr;
  MessageHook text_box_hook_;
  Font font_;
  int font_points_ = 0;
  int font_dpi_ = 0;
  NumberFieldLayout layout_{};
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
