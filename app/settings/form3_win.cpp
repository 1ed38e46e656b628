#include "app/settings/form3_win.h"

#include <algorithm>
#include <string>

#include "app/settings/colour_choice.h"
#include "app/settings/colour_window_texts.h"
#include "app/settings/settings_window_texts.h"
#include "common/ui/controls_win.h"

namespace vx {
namespace {

constexpr wchar_t kClassName[] = L"VanteloxForm3";

constexpr int kClientWidth = TwipsToPixels(3915);
constexpr int kClientHeight = TwipsToPixels(2265);
constexpr TwipRect kOption1Rect{120, 60, 1455, 195};
constexpr TwipRect kOption2Rect{1860, 60, 1935, 195};
constexpr TwipRect kList1Rect{120, 360, 2835, 780};
constexpr TwipRect kLabel6Rect{3060, 360, 675, 195};
constexpr TwipRect kLabel5Rect{3000, 600, 795, 1275};
// Label1 to Label3 ("Red", "Green", "Blue"); the design gives only their places.
// Their tops are the tops of each row's value label and bar.
constexpr std::array<TwipRect, 3> kPartLabelRects{
    {{120, 1200, 405, 195}, {0, 1440, 525, 195}, {120, 1680, 405, 195}}};
constexpr int kLabel4Left = 540;
constexpr int kLabel4Width = 615;
constexpr int kHScroll1Left = 1140;
constexpr int kHScroll1Width = 1815;
constexpr int kRowHeight = 195;
constexpr TwipRect kCommand1Rect{2100, 1980, 735, 255};
constexpr TwipRect kCommand2Rect{3000, 1980, 915, 255};

constexpr int kFontCentipoints = 900;
constexpr int kPartMax = 255;
// The design leaves the bars' page step open.
constexpr int kPageStep = 16;

// Command1 is IDOK (Enter), Command2 IDCANCEL (Esc).
enum ControlId { kOption1 = 101, kOption2, kList1, kLabel5, kHScroll1 = 110 };

void Check(HWND option, bool on) {
  SendMessageW(option, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

int BarValue(HWND bar) { return GetScrollPos(bar, SB_CTL); }

}  // namespace

void Form3::ShowModal(HWND owner) {
  Form_Load(owner);
  RunModal(Command1);
}

void Form3::Form_Load(HWND owner) {
  if (!CreateModalFrame(kClassName, colour_window_texts::kCaption, kClientWidth, kClientHeight,
                        owner)) {
    return;
  }
  font_ = MakeFont({settings_window_texts::kFont, kFontCentipoints});
  initial_ = colour_;
  CreateControls();
  RefrectToHscroll();
}

void Form3::CreateControls() {
  namespace t = colour_window_texts;
  const HFONT f = font_.get();
  constexpr DWORD kLabel = SS_LEFT | SS_NOPREFIX;
  Option1 = MakeControl(hwnd(), {L"BUTTON", t::kSystemColour, kOption1Rect,
                                 BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, kOption1, f});
  Option2 = MakeControl(hwnd(),
                        {L"BUTTON", t::kUserColour, kOption2Rect, BS_AUTORADIOBUTTON, kOption2, f});
  List1 = MakeControl(
      hwnd(), {L"LISTBOX", L"", kList1Rect,
               LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP | WS_GROUP,
               kList1, f});
  for (const wchar_t* name : t::kSystemColourNames) {
    SendMessageW(List1, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
  }
  Label6 = MakeControl(hwnd(), {L"STATIC", t::kChosen, kLabel6Rect, kLabel, 0, f});
  Label5.Create(hwnd(), kLabel5Rect, kLabel5);
  for (size_t i = 0; i < HScroll1.size(); ++i) {
    const int top = kPartLabelRects[i].y;
    PartLabels[i] =
        MakeControl(hwnd(), {L"STATIC", t::kParts[i], kPartLabelRects[i], kLabel, 0, f});
    Label4[i] = MakeControl(
        hwnd(),
        {L"STATIC", L"0", TwipRect{kLabel4Left, top, kLabel4Width, kRowHeight}, kLabel, 0, f});
    HScroll1[i] = MakeControl(
        hwnd(), {L"SCROLLBAR", L"", TwipRect{kHScroll1Left, top, kHScroll1Width, kRowHeight},
                 SBS_HORZ | WS_TABSTOP | WS_GROUP, kHScroll1 + static_cast<int>(i)});
    SetScrollRange(HScroll1[i], SB_CTL, 0, kPartMax, FALSE);
  }
  Command1 = MakeControl(hwnd(), {L"BUTTON", settings_window_texts::kOk, kCommand1Rect,
                                  BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, IDOK, f});
  Command2 = MakeControl(hwnd(), {L"BUTTON", settings_window_texts::kCancel, kCommand2Rect,
                                  BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL, f});
}

void Form3::RefrectToHscroll() {
  // The controls are set quietly; the colour is then applied exactly once.
  suspended_ = true;
  const bool system = IsSystemColour(colour_);
  Check(Option1, system);
  Check(Option2, !system);
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

void Form3::hs1() {
  if (suspended_) return;
  const bool user = SendMessageW(Option2, BM_GETCHECK, 0, 0) == BST_CHECKED;
  for (HWND bar : HScroll1) EnableWindow(bar, user ? TRUE : FALSE);
  EnableWindow(List1, user ? FALSE : TRUE);
  Colour value;
  if (user) {
    value = ColourOf({BarValue(HScroll1[0]), BarValue(HScroll1[1]), BarValue(HScroll1[2])});
  } else {
    const LRESULT selected = SendMessageW(List1, LB_GETCURSEL, 0, 0);
    value = SystemColour(selected == LB_ERR ? 0 : static_cast<int>(selected));
  }
  Label5.SetColour(value);
  slot_ = value;
  host_.RefrectToForm1();
  for (size_t i = 0; i < HScroll1.size(); ++i) {
    SetWindowTextW(Label4[i], std::to_wstring(BarValue(HScroll1[i])).c_str());
    UpdateWindow(Label4[i]);
  }
}

void Form3::HScroll1_Scroll(HWND bar, int code, int position) {
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

void Form3::Command1_Click() {
  colour_ = Label5.colour();
  RefrectToHscroll();
  hs1();
  CloseModal();
}

void Form3::Command2_Click() {
  colour_ = initial_;
  RefrectToHscroll();
  hs1();
  CloseModal();
}

LRESULT Form3::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_HSCROLL:
      HScroll1_Scroll(reinterpret_cast<HWND>(lp), LOWORD(wp), HIWORD(wp));
      return 0;
    case WM_CTLCOLORSTATIC:
      if (reinterpret_cast<HWND>(lp) == Label5.hwnd()) return Label5.Colours();
      break;
    default:
      break;
  }
  return ModalWindow::HandleMessage(msg, wp, lp);
}

bool Form3::OnCommand(int id, int code) {
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
