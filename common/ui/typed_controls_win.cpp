#include "common/ui/typed_controls_win.h"

#include <algorithm>
#include <utility>

#include "common/ui/controls_win.h"

namespace vx {

int CommandRoutes::Add(int id, Handler handler) {
  if (id == 0) id = next_id_++;
  routes_[id] = std::move(handler);
  return id;
}

bool CommandRoutes::Dispatch(int id, int code) const {
  const auto route = routes_.find(id);
  if (route == routes_.end()) return false;
  if (route->second) route->second(code);
  return true;
}

void CommandRoutes::AddScroll(int id, ScrollHandler handler) {
  scroll_routes_[id] = std::move(handler);
}

bool CommandRoutes::DispatchScroll(int id, int code, int thumb) const {
  const auto route = scroll_routes_.find(id);
  if (route == scroll_routes_.end()) return false;
  route->second(code, thumb);
  return true;
}

void CommandRoutes::AddNotify(int id, NotifyHandler handler) {
  notify_routes_[id] = std::move(handler);
}

bool CommandRoutes::DispatchNotify(const NMHDR& notice, LRESULT& result) const {
  const auto route = notify_routes_.find(static_cast<int>(notice.idFrom));
  if (route == notify_routes_.end()) return false;
  result = route->second(notice);
  return true;
}

namespace {

// A child of a standard class in the site's font (unless `args` names
// another); a control that takes input gets an id of its own in the routes.
HWND MakeChild(const ControlSite& site, ControlArgs args, bool takes_input) {
  if (!args.font) args.font = site.font;
  if (takes_input && site.routes) args.id = site.routes->Add(args.id, nullptr);
  return MakeControl(site.parent, args);
}

// The made control's notices go to `handler`.
void Route(const ControlSite& site, HWND control, CommandRoutes::Handler handler) {
  if (site.routes && control && handler)
    site.routes->Add(GetDlgCtrlID(control), std::move(handler));
}

}  // namespace

std::wstring Control::Text() const { return ControlText(hwnd_); }
void Control::SetText(const std::wstring& text) const { SetControlText(hwnd_, text); }
void Control::Enable(bool enabled) const { EnableControl(hwnd_, enabled); }
bool Control::Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
void Control::Show(bool shown) const { ShowWindow(hwnd_, shown ? SW_SHOW : SW_HIDE); }
bool Control::Visible() const { return IsWindowVisible(hwnd_) != FALSE; }
void Control::Focus() const { SetFocus(hwnd_); }
void Control::HideFor(const Control& next_focus) const { HideControl(hwnd_, next_focus.hwnd()); }

Label MakeLabel(const ControlSite& site, const LabelArgs& args) {
  const DWORD style = args.kind | (args.mnemonic ? 0 : SS_NOPREFIX);
  return Label(MakeChild(site, {L"STATIC", args.text, args.rect, style, 0, args.font}, false));
}

GroupFrame MakeGroupFrame(const ControlSite& site, const FrameArgs& args) {
  return GroupFrame(MakeChild(
      site, {L"BUTTON", args.caption, args.rect, BS_GROUPBOX | args.more_style, 0, args.font},
      false));
}

PushButton MakePushButton(const ControlSite& site, ButtonArgs args) {
  const DWORD kind = args.is_default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  const HWND button = MakeChild(
      site, {L"BUTTON", args.caption, args.rect, kind | WS_TABSTOP | args.more_style, args.id},
      true);
  if (args.on_click) {
    Route(site, button, [on_click = std::move(args.on_click)](int code) {
      if (code == BN_CLICKED) on_click();
    });
  }
  return PushButton(button);
}

bool CheckBox::Checked() const { return IsChecked(hwnd_); }
void CheckBox::SetChecked(bool checked) const { ::vx::SetChecked(hwnd_, checked); }

CheckBox MakeCheckBox(const ControlSite& site, CheckBoxArgs args) {
  const CheckBox box(MakeChild(
      site, {L"BUTTON", args.caption, args.rect, BS_AUTOCHECKBOX | WS_TABSTOP | args.more_style},
      true));
  box.SetChecked(args.checked);
  if (args.on_change) {
    Route(site, box.hwnd(), [on_change = std::move(args.on_change), box](int code) {
      if (code == BN_CLICKED) on_change(box.Checked());
    });
  }
  return box;
}

int OptionGroup::Chosen() const {
  for (size_t i = 0; i < options_.size(); ++i) {
    if (IsChecked(options_[i].hwnd())) return static_cast<int>(i);
  }
  return -1;
}

void OptionGroup::Choose(int index) const {
  for (size_t i = 0; i < options_.size(); ++i) {
    SetChecked(options_[i].hwnd(), static_cast<int>(i) == index);
  }
}

void OptionGroup::Enable(bool enabled) const {
  for (const Control& option : options_) option.Enable(enabled);
}

OptionGroup MakeOptionGroup(const ControlSite& site, OptionGroupArgs args) {
  OptionGroup group;
  for (size_t i = 0; i < args.options.size(); ++i) {
    const DWORD style = BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP | args.more_style : 0);
    const HWND option =
        MakeChild(site, {L"BUTTON", args.options[i].caption, args.options[i].rect, style}, true);
    if (args.on_choose) {
      Route(site, option, [on_choose = args.on_choose, index = static_cast<int>(i)](int code) {
        if (code == BN_CLICKED) on_choose(index);
      });
    }
    group.options_.emplace_back(option);
  }
  group.Choose(args.chosen);
  return group;
}

void EditField::SelectAll() const { Select(0, -1); }
void EditField::Select(int first, int end) const { SendMessageW(hwnd_, EM_SETSEL, first, end); }
void EditField::LimitLength(int characters) const {
  SendMessageW(hwnd_, EM_LIMITTEXT, static_cast<WPARAM>(characters), 0);
}

EditField MakeEditField(const ControlSite& site, EditFieldArgs args) {
  const EditField field(MakeChild(
      site,
      {L"EDIT", args.text, args.rect, args.style, 0, args.font, args.ex_style, args.device_pixels},
      true));
  if (args.on_change) {
    Route(site, field.hwnd(), [on_change = std::move(args.on_change)](int code) {
      if (code == EN_CHANGE) on_change();
    });
  }
  return field;
}

void ListControl::Add(const std::wstring& item) const {
  SendMessageW(hwnd_, combo_ ? CB_ADDSTRING : LB_ADDSTRING, 0,
               reinterpret_cast<LPARAM>(item.c_str()));
}

int ListControl::Selected() const {
  const LRESULT selected = SendMessageW(hwnd_, combo_ ? CB_GETCURSEL : LB_GETCURSEL, 0, 0);
  return selected < 0 ? -1 : static_cast<int>(selected);
}

void ListControl::Select(int index) const {
  SendMessageW(hwnd_, combo_ ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int ListControl::Count() const {
  const LRESULT n = SendMessageW(hwnd_, combo_ ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
  return n < 0 ? 0 : static_cast<int>(n);
}

std::wstring ListControl::ItemText(int index) const {
  const LRESULT length =
      SendMessageW(hwnd_, combo_ ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT n = SendMessageW(hwnd_, combo_ ? CB_GETLBTEXT : LB_GETTEXT,
                                 static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(n < 0 ? 0 : static_cast<size_t>(n));
  return text;
}

int ListControl::FindExact(const std::wstring& text) const {
  const LRESULT found =
      SendMessageW(hwnd_, combo_ ? CB_FINDSTRINGEXACT : LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(text.c_str()));
  return found < 0 ? -1 : static_cast<int>(found);
}

ListControl MakeList(const ControlSite& site, ListArgs args, bool combo) {
  const DWORD kind = combo ? (args.editable ? CBS_DROPDOWN : CBS_DROPDOWNLIST) : LBS_NOTIFY;
  ListControl list(
      MakeChild(site, {combo ? L"COMBOBOX" : L"LISTBOX", L"", args.rect, kind | args.style}, true));
  list.combo_ = combo;
  for (const std::wstring& item : args.items) list.Add(item);
  if (args.on_select) {
    const int selection_changed = combo ? CBN_SELCHANGE : LBN_SELCHANGE;
    Route(site, list.hwnd(),
          [on_select = std::move(args.on_select), list, selection_changed](int code) {
            if (code == selection_changed) on_select(list.Selected());
          });
  }
  return list;
}

ListControl MakeListBox(const ControlSite& site, ListArgs args) {
  return MakeList(site, std::move(args), false);
}

ListControl MakeComboBox(const ControlSite& site, ListArgs args) {
  return MakeList(site, std::move(args), true);
}

int ScrollBar::Position() const { return GetScrollPos(hwnd_, SB_CTL); }
void ScrollBar::SetPosition(int position) const { SetScrollPos(hwnd_, SB_CTL, position, TRUE); }

ScrollBar MakeScrollBar(const ControlSite& site, ScrollBarArgs args) {
  const ScrollBar bar(MakeChild(site, {L"SCROLLBAR", L"", args.rect, args.style}, true));
  SetScrollRange(bar.hwnd(), SB_CTL, 0, args.max, FALSE);
  if (site.routes && bar && args.on_scroll) {
    site.routes->AddScroll(GetDlgCtrlID(bar.hwnd()),
                           [bar, max = args.max, page = args.page_step,
                            on_scroll = std::move(args.on_scroll)](int code, int thumb) {
                             int position = bar.Position();
                             switch (code) {
                               case SB_LINELEFT:  // SB_LINEUP
                                 --position;
                                 break;
                               case SB_LINERIGHT:  // SB_LINEDOWN
                                 ++position;
                                 break;
                               case SB_PAGELEFT:
                                 position -= page;
                                 break;
                               case SB_PAGERIGHT:
                                 position += page;
                                 break;
                               case SB_LEFT:
                                 position = 0;
                                 break;
                               case SB_RIGHT:
                                 position = max;
                                 break;
                               case SB_THUMBTRACK:
                               case SB_THUMBPOSITION:
                                 position = thumb;
                                 break;
                               default:  // SB_ENDSCROLL: the move is over, nothing moves
                                 return;
                             }
                             bar.SetPosition(std::clamp(position, 0, max));
                             on_scroll(bar.Position());
                           });
  }
  return bar;
}

}  // namespace vx
