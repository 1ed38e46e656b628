#include "app/view/go_to_window_win.h"

#include "app/view/go_to_texts.h"
#include "common/message_box.h"
#include "common/ui/controls_win.h"

namespace vx {
namespace {

constexpr wchar_t kClassName[] = L"VanteloxForm8";

constexpr int kClientWidth = TwipsToPixels(2985);
constexpr int kClientHeight = TwipsToPixels(2265);

constexpr TwipRect kLabel1Rect{120, 120, 2745, 195};
constexpr TwipRect kText1Rect{120, 360, 2745, 300};
constexpr TwipRect kFrame1Rect{120, 780, 2745, 495};
constexpr TwipRect kOption1Rects[2]{{240, 1020, 1275, 210}, {1560, 1020, 1275, 210}};
constexpr TwipRect kLabel2Rect{120, 1380, 2745, 390};
constexpr TwipRect kCommand1Rect{1230, 1800, 795, 300};
constexpr TwipRect kCommand2Rect{2070, 1800, 795, 300};

constexpr int kFontCentipoints = 900;

// Command1 is IDOK and the default button (Enter), Command2 IDCANCEL (Esc).
enum ControlId { kText1 = 101, kOption1 = 110 };

}  // namespace

std::optional<int32_t> Form8::ShowModal(HWND owner) {
  Form_Load(owner);
  RunModal(Text1);
  return chosen_;
}

void Form8::Form_Load(HWND owner) {
  if (!CreateModalFrame(kClassName, go_to_texts::kCaption, kClientWidth, kClientHeight, owner)) {
    return;
  }
  font_ = MakeFont({go_to_texts::kFont, kFontCentipoints});
  CreateControls();
  SendMessageW(Option1[static_cast<int>(radix_)], BM_SETCHECK, BST_CHECKED, 0);
  // The caret's own address, selected: typing replaces it.
  SetWindowTextW(Text1, AddressText(caret_, radix_).c_str());
  SendMessageW(Text1, EM_SETSEL, 0, -1);
}

void Form8::CreateControls() {
  namespace t = go_to_texts;
  const HFONT f = font_.get();
  constexpr DWORD kOption = BS_AUTORADIOBUTTON;
  constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
  // Creation order is the Tab order; the label's mnemonic reaches the field after it.
  Label1 = MakeControl(hwnd(), {L"STATIC", t::kAddressLabel, kLabel1Rect, SS_LEFT, 0, f});
  Text1 = MakeControl(hwnd(), {L"EDIT", L"", kText1Rect,
                               ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_GROUP, kText1, f});
  Frame1 =
      MakeControl(hwnd(), {L"BUTTON", t::kRadixFrame, kFrame1Rect, BS_GROUPBOX | WS_GROUP, 0, f});
  Option1[0] = MakeControl(hwnd(), {L"BUTTON", t::kHexadecimal, kOption1Rects[0],
                                    kOption | WS_GROUP | WS_TABSTOP, kOption1, f});
  Option1[1] =
      MakeControl(hwnd(), {L"BUTTON", t::kDecimal, kOption1Rects[1], kOption, kOption1 + 1, f});
  Label2 = MakeControl(
      hwnd(), {L"STATIC", t::kRelativeHint, kLabel2Rect, SS_LEFT | SS_NOPREFIX | WS_GROUP, 0, f});
  Command1 = MakeControl(hwnd(), {L"BUTTON", t::kGo, kCommand1Rect,
                                  BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, IDOK, f});
  Command2 = MakeControl(hwnd(), {L"BUTTON", t::kClose, kCommand2Rect, kButton, IDCANCEL, f});
}

AddressRadix Form8::ChosenRadix() const {
  return SendMessageW(Option1[1], BM_GETCHECK, 0, 0) == BST_CHECKED ? AddressRadix::Decimal
                                                                    : AddressRadix::Hexadecimal;
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
  CloseModal();
}

bool Form8::OnCommand(int id, int code) {
  switch (id) {
    case IDOK:
      Command1_Click();
      return true;
    case IDCANCEL:
      CloseModal();
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
