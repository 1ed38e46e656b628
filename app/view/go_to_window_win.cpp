#include "app/view/go_to_window_win.h"

#include "app/view/go_to_texts.h"
#include "common/message_box.h"
#include "common/ui/controls_win.h"

namespace vx {
namespace {

constexpr TwipRect kLabel1Rect{120, 120, 2745, 195};
constexpr TwipRect kText1Rect{120, 360, 2745, 300};
constexpr TwipRect kFrame1Rect{120, 780, 2745, 495};
constexpr TwipRect kOption1Rects[2]{{240, 1020, 1275, 210}, {1560, 1020, 1275, 210}};
constexpr TwipRect kLabel2Rect{120, 1380, 2745, 390};
constexpr TwipRect kCommand1Rect{1230, 1800, 795, 300};
constexpr TwipRect kCommand2Rect{2070, 1800, 795, 300};

// Command1 is IDOK and the default button (Enter), Command2 IDCANCEL (Esc).
enum ControlId { kText1 = 101, kOption1 = 110 };

}  // namespace

Form8::Form8(AddressRadix& radix, int32_t caret, int32_t file_size)
    : ModalWindow({L"VanteloxForm8", go_to_texts::kCaption, {2985, 2265}}),
      radix_(radix),
      caret_(caret),
      file_size_(file_size) {}

void Form8::CreateControls() {
  namespace t = go_to_texts;
  constexpr DWORD kOption = BS_AUTORADIOBUTTON;
  // Creation order is the Tab order. Label1 keeps its "&": its mnemonic
  // reaches the field after it.
  Label1 = AddControl({L"STATIC", t::kAddressLabel, kLabel1Rect, SS_LEFT});
  Text1 = AddControl(
      {L"EDIT", L"", kText1Rect, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_GROUP, kText1});
  Frame1 = AddControl({L"BUTTON", t::kRadixFrame, kFrame1Rect, BS_GROUPBOX | WS_GROUP});
  Option1[0] = AddControl(
      {L"BUTTON", t::kHexadecimal, kOption1Rects[0], kOption | WS_GROUP | WS_TABSTOP, kOption1});
  Option1[1] = AddControl({L"BUTTON", t::kDecimal, kOption1Rects[1], kOption, kOption1 + 1});
  Label2 = AddLabel(t::kRelativeHint, kLabel2Rect, SS_LEFT | WS_GROUP);
  Command1 = AddButton(t::kGo, kCommand1Rect, IDOK, kEnterKey, WS_GROUP);
  Command2 = AddButton(t::kClose, kCommand2Rect, IDCANCEL, kEscKey);
  SetChecked(Option1[static_cast<int>(radix_)], true);
  // The caret's own address, selected: typing replaces it.
  SetControlText(Text1, AddressText(caret_, radix_));
  SendMessageW(Text1, EM_SETSEL, 0, -1);
}

AddressRadix Form8::ChosenRadix() const {
  return IsChecked(Option1[1]) ? AddressRadix::Decimal : AddressRadix::Hexadecimal;
}

void Form8::Command1_Click() {
  const AddressRadix radix = ChosenRadix();
  const GoToTarget target = ParseGoToAddress(ControlText(Text1), radix, caret_, file_size_);
  if (target.error != AddressError::None) {
    namespace t = go_to_texts;
    const wchar_t* message = target.error == AddressError::Empty  ? t::kEmpty
                             : radix == AddressRadix::Hexadecimal ? t::kNotHexadecimal
                                                                  : t::kNotDecimal;
    ShowMessage(message, MsgButtons::Ok, MsgIcon::Critical);
    // The field takes the keys again, its text selected for retyping.
    SetFocus(Text1);
    SendMessageW(Text1, EM_SETSEL, 0, -1);
    return;
  }
  chosen_ = target.offset;
  Close();
}

bool Form8::OnCommand(int id, int code) {
  switch (id) {
    case IDOK:
      Command1_Click();
      return true;
    case IDCANCEL:
      Close();
      return true;
    case kOption1:
    case kOption1 + 1:
      // Remembered at once, so that the choice holds however the window closes.
      if (code == BN_CLICKED) radix_ = ChosenRadix();
      return true;
    default:
      return false;
  }
}

}  // namespace vx
