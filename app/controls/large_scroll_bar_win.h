// LargeScrollBar: a vertical scroll bar with a 64-bit range. It wraps one standard
// SCROLLBAR (inner_) whose own range stays 0..32767 and maps between them.
#pragma once

#include <windows.h>

#include <functional>

#include "app/controls/large_scroll_model.h"
#include "common/ui/window_win.h"

namespace vx {

class LargeScrollBar : public Window {
 public:
  bool Create(HWND parent, const ChildArgs& args);
  // The standard scroll bar inside, for the messages of a test.
  HWND inner() const { return inner_; }
  void Move(int x, int y, int width, int height);

  int64_t Value() const { return model_.Value(); }
  int64_t Max() const { return model_.Max(); }
  int32_t LargeChange() const { return model_.LargeChange(); }
  int32_t SmallChange() const { return model_.SmallChange(); }
  // Setting any of these never raises Scrolled: only the user's moves do.
  void SetValue(int64_t value);
  void SetMax(int64_t value);
  void SetLargeChange(int32_t value) { model_.SetLargeChange(value); }
  void SetSmallChange(int32_t value) { model_.SetSmallChange(value); }
  // Share of the whole range that one page covers: sets the thumb size.
  void SetLargePercent(double share);
  bool Enabled() const;
  void SetEnabled(bool on);

  // Raised after the user moved the bar (arrow, track or thumb).
  std::function<void()> Scrolled;

 private:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void OnScroll(WPARAM wp);
  void ShowInner(int inner);

  HWND inner_ = nullptr;
  LargeScrollModel model_;
  int inner_large_ = 2;
  bool showing_ = false;
};

}  // namespace vx
