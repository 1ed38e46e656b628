// Typed controls: a push button, check box, option group, text field, list,
// combo box, frame and label, each made from an args struct and reporting
// through its callbacks (on_click, on_change, on_choose, on_select), so that
// no window decodes WM_COMMAND notification codes by hand. The window that
// holds them routes its controls' notices here (CommandRoutes).
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "common/ui/rects.h"

namespace vx {

// The notices of a window's controls, by control id, to their handlers.
class CommandRoutes {
 public:
  using Handler = std::function<void(int code)>;
  // Routes the notices of control `id` (a fresh id when 0) to `handler`;
  // the id the control is made with.
  int Add(int id, Handler handler);
  // True when control `id` has a route; its handler got `code`.
  bool Dispatch(int id, int code) const;

  // A scroll bar's moves (WM_HSCROLL, WM_VSCROLL: the scroll code and the
  // thumb's place) by the bar's id, which it must already have from Add.
  using ScrollHandler = std::function<void(int code, int thumb)>;
  void AddScroll(int id, ScrollHandler handler);
  // True when bar `id` has a scroll route; its handler got the move.
  bool DispatchScroll(int id, int code, int thumb) const;

  // A common control's notices (WM_NOTIFY) by the control's id, which it
  // must already have from Add; the handler's answer is the message's.
  using NotifyHandler = std::function<LRESULT(const NMHDR& notice)>;
  void AddNotify(int id, NotifyHandler handler);
  // True when control `id` has a notify route; `result` is its answer.
  bool DispatchNotify(const NMHDR& notice, LRESULT& result) const;

 private:
  std::map<int, Handler> routes_;
  std::map<int, ScrollHandler> scroll_routes_;
  std::map<int, NotifyHandler> notify_routes_;
  int next_id_ = 1000;
};

// Where typed controls are made: their parent, the font they get and the
// parent's routes.
struct ControlSite {
  HWND parent = nullptr;
  HFONT font = nullptr;
  CommandRoutes* routes = nullptr;
};

// What every typed control is: a child window of a standard class.
class Control {
 public:
  Control() = default;
  explicit Control(HWND hwnd) : hwnd_(hwnd) {}
  HWND hwnd() const { return hwnd_; }
  explicit operator bool() const { return hwnd_ != nullptr; }

  std::wstring Text() const;
  void SetText(const std::wstring& text) const;
  void Enable(bool enabled) const;
  bool Enabled() const;
  void Show(bool shown) const;
  bool Visible() const;
  void Focus() const;
  // Hides the control, first handing the keys to `next_focus` when it holds them.
  void HideFor(const Control& next_focus) const;

 protected:
  HWND hwnd_ = nullptr;
};

struct LabelArgs {
  std::wstring text{};
  PixelRect rect{};
  // Alignment or wrapping (SS_LEFT, SS_RIGHT, SS_LEFTNOWORDWRAP) and any more
  // style; the text is shown as it is (no & prefix) unless `mnemonic`.
  DWORD kind = SS_LEFT;
  bool mnemonic = false;
  HFONT font = nullptr;  // the site's when null
};
class Label : public Control {
 public:
  using Control::Control;
};
Label MakeLabel(const ControlSite& site, const LabelArgs& args);

struct FrameArgs {
  std::wstring caption{};
  PixelRect rect{};
  DWORD more_style = 0;
  HFONT font = nullptr;
};
class GroupFrame : public Control {
 public:
  using Control::Control;
};
GroupFrame MakeGroupFrame(const ControlSite& site, const FrameArgs& args);

struct ButtonArgs {
  std::wstring caption{};
  PixelRect rect{};
  std::function<void()> on_click{};
  DWORD more_style = 0;     // besides BS_PUSHBUTTON | WS_TABSTOP
  int id = 0;               // a fresh one when 0
  bool is_default = false;  // drawn as the default button
};
class PushButton : public Control {
 public:
  using Control::Control;
  int id() const { return GetDlgCtrlID(hwnd_); }
};
PushButton MakePushButton(const ControlSite& site, ButtonArgs args);

struct CheckBoxArgs {
  std::wstring caption{};
  PixelRect rect{};
  bool checked = false;
  std::function<void(bool checked)> on_change{};
  DWORD more_style = 0;  // besides BS_AUTOCHECKBOX | WS_TABSTOP
};
class CheckBox : public Control {
 public:
  using Control::Control;
  // Checked means BST_CHECKED, never the third state.
  bool Checked() const;
  void SetChecked(bool checked) const;
};
CheckBox MakeCheckBox(const ControlSite& site, CheckBoxArgs args);

// A set of options of which one is chosen; made in the order given (the Tab
// order), the first starting the group and holding its Tab stop.
struct OptionArgs {
  std::wstring caption{};
  PixelRect rect{};
};
struct OptionGroupArgs {
  std::vector<OptionArgs> options{};
  int chosen = 0;  // an index into options, or -1 for none
  std::function<void(int index)> on_choose{};
  DWORD more_style = 0;  // on the first option
};
class OptionGroup {
 public:
  OptionGroup() = default;
  // The chosen option's index, or -1 when none is.
  int Chosen() const;
  void Choose(int index) const;
  void Enable(bool enabled) const;
  size_t size() const { return options_.size(); }
  const Control& operator[](size_t index) const { return options_[index]; }

 private:
  friend OptionGroup MakeOptionGroup(const ControlSite& site, OptionGroupArgs args);
  std::vector<Control> options_{};
};
OptionGroup MakeOptionGroup(const ControlSite& site, OptionGroupArgs args);

struct EditFieldArgs {
  std::wstring text{};
  PixelRect rect{};
  std::function<void()> on_change{};
  DWORD style = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
  DWORD ex_style = 0;
  bool device_pixels = false;  // rect in the parent's own pixels
  HFONT font = nullptr;
};
class EditField : public Control {
 public:
  using Control::Control;
  void SelectAll() const;
  void Select(int first, int end) const;
  // At most `characters` can be typed in.
  void LimitLength(int characters) const;
};
EditField MakeEditField(const ControlSite& site, EditFieldArgs args);

// A list box or a drop-down list of texts.
struct ListArgs {
  PixelRect rect{};
  std::vector<std::wstring> items;
  std::function<void(int index)> on_select{};
  DWORD style = WS_TABSTOP | WS_VSCROLL;
  // A combo box whose text may also be typed, not only chosen.
  bool editable = false;
};
class ListControl : public Control {
 public:
  using Control::Control;
  void Add(const std::wstring& item) const;
  // The selected item's index, or -1 when none is.
  int Selected() const;
  void Select(int index) const;
  int Count() const;
  std::wstring ItemText(int index) const;
  // The index of the item that reads `text`, whatever its case, or -1.
  int FindExact(const std::wstring& text) const;

 private:
  friend ListControl MakeList(const ControlSite& site, ListArgs args, bool combo);
  bool combo_ = false;
};
ListControl MakeList(const ControlSite& site, ListArgs args, bool combo);
ListControl MakeListBox(const ControlSite& site, ListArgs args);
ListControl MakeComboBox(const ControlSite& site, ListArgs args);

// A scroll bar of the positions 0 to `max`: the arrows move one, a click
// beside the thumb `page_step`, the thumb where it is dragged.
struct ScrollBarArgs {
  PixelRect rect{};
  int max = 0;
  int page_step = 1;
  // Each move the person makes, once the bar shows it: also every step of
  // a dragged thumb.
  std::function<void(int position)> on_scroll{};
  DWORD style = SBS_HORZ | WS_TABSTOP;
};
class ScrollBar : public Control {
 public:
  using Control::Control;
  int Position() const;
  void SetPosition(int position) const;
};
ScrollBar MakeScrollBar(const ControlSite& site, ScrollBarArgs args);

}  // namespace vx
