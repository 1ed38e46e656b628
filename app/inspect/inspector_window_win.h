// InspectorWindow: the data inspector, a modeless window beside the main
// window. Each row is a label and a real text field showing the bytes at the
// caret read one way (inspector_rows.h); a value typed into a field and
// entered with Enter is written at the caret. Two options set the byte order
// of every row. Its close box only hides it.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <utility>

#include "app/inspect/inspector_host.h"
#include "app/inspect/inspector_rows.h"
#include "common/ui/controls_win.h"
#include "common/ui/gdi_win.h"
#include "common/ui/typed_controls_win.h"
#include "common/ui/window_win.h"

namespace vx {

class InspectorWindow : public FormWindow {
 public:
  explicit InspectorWindow(InspectorHost& host) : host_(host) {}
  ~InspectorWindow() override { DestroyUnbound(); }

  // Made hidden, owned by `owner`, at its density; at `place` (a top-left
  // corner on the screen) or else beside the owner, within the work area.
  void Create(HWND owner, std::optional<std::pair<int, int>> place, ByteOrder order);
  void Show(bool shown);
  bool Shown() const { return hwnd() && IsWindowVisible(hwnd()); }
  // The rows read the bytes at the caret again as soon as no key or other
  // message waits: a held arrow key steps the caret and draws the page at
  // its own pace, and the rows (whose fields cost about a millisecond each
  // to set under Wine) follow the caret where it stops, or between repeats.
  void Follow();
  // At once; a field being typed into keeps its text.
  void FollowNow();
  // The window's top-left corner on the screen.
  std::pair<int, int> Place() const;
  ByteOrder order() const { return order_; }
  HWND FieldOf(InspectorRow row) const;

 private:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void OnClose() override;
  void OnDpiChanged(int dpi) override;
  bool OnFieldMessage(size_t index, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  // Enter in the field of row `index`: its value written, or refused.
  void EnterRow(size_t index);
  void OnOrderChosen(int index);

  InspectorHost& host_;
  Font font_;
  ByteOrder order_ = ByteOrder::Little;
  OptionGroup order_options_;
  std::array<Label, kInspectorRows.size()> labels_;
  std::array<EditField, kInspectorRows.size()> fields_;
  std::array<MessageHook, kInspectorRows.size()> field_keys_;
  bool follow_pending_ = false;
};

}  // namespace vx
