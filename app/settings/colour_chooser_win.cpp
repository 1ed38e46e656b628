#include "app/settings/colour_chooser_win.h"

#include <algorithm>
#include <string>

#include "app/settings/colour_choice.h"
#include "app/settings/colour_window_texts.h"
#include "app/settings/settings_window_texts.h"
#include "common/ui/controls_win.h"

namespace vx {
namespace {

constexpr TwipRect kOption1Rect{120, 60, 1455, 195};
constexpr TwipRect kOption2Rect{1860, 60, 1935, 195};
constexpr TwipRect kList1Rect{120, 360, 2835, 780};
constexpr TwipRect kLabel6Rect{3060, 360, 675, 195};
constexpr TwipRect kLabel5Rect{3000, 600, 795, 1275};
// The part labels ("Red", "Green", "Blue"); their tops are the tops of each
// row's value label and bar.
constexpr std::array<TwipRect, 3> kPartLabelRects{
    {{120, 1200, 405, 195}, {0, 1440, 525, 195}, {120, 1680, 405, 195}}};
constexpr int kLabel4Left = 540;
constexpr int kLabel4Width = 615;
constexpr int kHScroll1Left = 1140;
constexpr int kHScroll1Width = 1815;
constexpr int kRowHeight = 195;
constexpr TwipRect kCommand1Rect{2100, 1980, 735, 255};
constexpr TwipRect kCommand2Rect{3000, 1980, 915, 255};

constexpr int kPartMax = 255;
// A click beside the thumb moves a sixteenth of the range.
constexpr int kPageStep = 16;

// Command1 is IDOK (Enter), Command2 IDCANCEL (Esc).
enum ControlId { kOption1 = 101, kOption2, kList1, kLabel5, kHScroll1 = 110 };

int BarValue(HWND bar) { return GetScrollPos(bar, SB_CTL); }

}  // namespace

ColourChooser::ColourChooser(ColourChooserHost& host, Colour& slot, Colour colour)
    : ModalWindow({L"VanteloxColourChooser", colour_window_texts::kCaption, {3915, 2265}}),
      host_(host),
      slot_(slot),
      colour_(colour),
      initial_(colour) {}

void ColourChooser::CreateControls() {
  namespace t = colour_window_texts;
  Option1 = AddControl({L"BUTTON", t::kSystemColour, kOption1Rect,
                        BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, kOption1});
  Option2 = AddControl({L"BUTTON", t::kUserColour, kOption2Rect, BS_AUTORADIOBUTTON, kOption2});
  List1 = AddControl(
      {L"LISTBOX", L"", kList1Rect,
       LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP | WS_GROUP, kList1});
  for (const wchar_t* name : t::kSystemColourNames) {
    SendMessageW(List1, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
  }
  Label6 = AddLabel(t::kChosen, kLabel6Rect);
  Label5.Create(hwnd(), {kLabel5Rect});
  for (size_t i = 0; i < HScroll1.size(); ++i) {
    const int top = kPartLabelRects[i].y;
    PartLabels[i] = AddLabel(t::kParts[i], kPartLabelRects[i]);
    Label4[i] = AddLabel(L"0", TwipRect{kLabel4Left, top, kLabel4Width, kRowHeight});
    HScroll1[i] =
        AddControl({L"SCROLLBAR", L"", TwipRect{kHScroll1Left, top, kHScroll1Width, kRowHeight},
                    SBS_HORZ | WS_TABSTOP | WS_GROUP, kHScroll1 + static_cast<int>(i)});
    SetScrollRange(HScroll1[i], SB_CTL, 0, kPartMax, FALSE);
  }
  Command1 = AddButton(settings_window_texts::kOk, kCommand1Rect, IDOK, kEnterKey, WS_GROUP);
  Command2 = AddButton(settings_window_texts::kCancel, kCommand2Rect, IDCANCEL, kEscKey);
  RefrectToHscroll();
}

void ColourChooser::RefrectToHscroll() {
  // The controls are set quietly; the colour is then applied exactly once.
  suspended_ = true;
  const bool system = IsSystemColour(colour_);
  SetChecked(Option1, system);
  SetChecked(Option2, !system);
  if (system) {
    SendMessageW(List1, LB_SETCURSEL, static_cast<WPARAM>(SystemColourElement(colour_)), 0);
  } else {
    const ColourParts parts = PartsOf(colour_);
    const std::array<int, 3> values{parts.red, parts.green, parts.blue};
    for (size_t i = 0; i < HScroll1.size(); ++i) SetScrollPos(HScroll1[i], SB_CTL, values[i], TRUE);
  }
  suspended_ = false;
  hs1();
}

void ColourChooser::hs1() {
  if (suspended_) return;
  const bool user = IsChecked(Option2);
  for (HWND bar : HScroll1) EnableControl(bar, user);
  EnableControl(List1, !user);
  Colour value;
  if (user) {
    value = ColourOf({BarValue(HScroll1[0]), BarValue(HScroll1[1]), BarValue(HScroll1[2])});
  } else {
    const LRESULT selected = SendMessageW(List1, LB_GETCURSEL, 0, 0);
    value = SystemColour(selected == LB_ERR ? 0 : static_cast<int>(selected));
  }
  Label5.SetColour(value);
  slot_ = value;
  host_.ApplyChanges();
  for (size_t i = 0; i < HScroll1.size(); ++i) {
    SetControlText(Label4[i], std::to_wstring(BarValue(HScroll1[i])));
    UpdateWindow(Label4[i]);
  }
}

void ColourChooser::HScroll1_Scroll(HWND bar, int code, int position) {
  int value = BarValue(bar);
  switch (code) {
    case SB_LINELEFT:
      --value;
      break;
    case SB_LINERIGHT:
      ++value;
      break;
    case SB_PAGELEFT:
      value -= kPageStep;
      break;
    case SB_PAGERIGHT:
      value += kPageStep;
      break;
    case SB_LEFT:
      value = 0;
      break;
    case SB_RIGHT:
      value = kPartMax;
      break;
    case SB_THUMBTRACK:  // dragging the thumb recolours as it goes
    case SB_THUMBPOSITION:
      value = position;
      break;
    default:
      return;
  }
  SetScrollPos(bar, SB_CTL, std::clamp(value, 0, kPartMax), TRUE);
  hs1();
}

void ColourChooser::Command1_Click() {
  colour_ = Label5.colour();
  RefrectToHscroll();
  hs1();
  Close();
}

void ColourChooser::Command2_Click() {
  colour_ = initial_;
  RefrectToHscroll();
  hs1();
  Close();
}

LRESULT ColourChooser::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_HSCROLL:
      HScroll1_Scroll(reinterpret_cast<HWND>(lp), LOWORD(wp), HIWORD(wp));
      return 0;
    default:
      break;
  }
  return ModalWindow::HandleMessage(msg, wp, lp);
}

bool ColourChooser::OnCommand(int id, int code) {
  switch (id) {
    case IDOK:
      Command1_Click();
      return true;
    case IDCANCEL:
      Command2_Click();
      return true;
    case kOption1:
    case kOption2:
      if (code == BN_CLICKED) hs1();  // Option1_Click, Option2_Click
      return true;
    case kList1:
      if (code == LBN_SELCHANGE) hs1();  // List1_Click
      return true;
    default:
      return false;
  }
}

}  // namespace vx
