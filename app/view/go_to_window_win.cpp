#include "app/view/go_to_window_win.h"

#include "app/view/go_to_texts.h"
#include "common/message_box.h"
#include "common/ui/controls_win.h"

namespace vx {
namespace {

constexpr TwipRect kAddressLabelRect{120, 120, 2745, 195};
constexpr TwipRect kAddressFieldRect{120, 360, 2745, 300};
constexpr TwipRect kRadixFrameRect{120, 780, 2745, 495};
constexpr TwipRect kRadixOptionRects[2]{{240, 1020, 1275, 210}, {1560, 1020, 1275, 210}};
constexpr TwipRect kHintRect{120, 1380, 2745, 390};
constexpr TwipRect kGoButtonRect{1230, 1800, 795, 300};
constexpr TwipRect kCloseButtonRect{2070, 1800, 795, 300};

}  // namespace

GoToWindow::GoToWindow(AddressRadix& radix, int64_t caret, int64_t file_size)
    : ModalWindow({L"VanteloxGoToWindow", go_to_texts::kCaption, {2985, 2265}}),
      radix_(radix),
      caret_(caret),
      file_size_(file_size) {}

void GoToWindow::CreateControls() {
  namespace t = go_to_texts;
  const ControlSite site = DialogSite();
  // Creation order is the Tab order. The address label keeps its "&": its
  // mnemonic reaches the field after it.
  MakeLabel(site, {t::kAddressLabel, kAddressLabelRect, SS_LEFT, true});
  address_field_ = MakeEditField(site, {.rect = kAddressFieldRect,
                                        .style = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_GROUP});
  MakeGroupFrame(site, {t::kRadixFrame, kRadixFrameRect, WS_GROUP});
  radix_options_ = MakeOptionGroup(
      site, {.options = {{t::kHexadecimal, kRadixOptionRects[0]}, {t::kDecimal, kRadixOptionRects[1]}},
             .chosen = static_cast<int>(radix_),
             // Remembered at once, so that the choice holds however the window closes.
             .on_choose = [this](int) { radix_ = ChosenRadix(); }});
  // As tall as its two lines need in the font it got: at some densities the
  // font's lines come out a pixel taller than the layout's.
  const Label hint = MakeLabel(site, {t::kRelativeHint, kHintRect, SS_LEFT | WS_GROUP});
  FitLabelToText(hint.hwnd());
  AddButton({.caption = t::kGo, .rect = kGoButtonRect, .on_click = [this] { OnGo(); },
             .more_style = WS_GROUP},
            kEnterKey);
  AddButton({.caption = t::kClose, .rect = kCloseButtonRect, .on_click = [this] { Close(); }},
            kEscKey);
  // The caret's own address, selected: typing replaces it.
  address_field_.SetText(AddressText(caret_, radix_));
  address_field_.SelectAll();
}

AddressRadix GoToWindow::ChosenRadix() const {
  return radix_options_.Chosen() == 1 ? AddressRadix::Decimal : AddressRadix::Hexadecimal;
}

void GoToWindow::OnGo() {
  const AddressRadix radix = ChosenRadix();
  const GoToTarget target = ParseGoToAddress(address_field_.Text(), radix, caret_, file_size_);
  if (target.error != AddressError::None) {
    namespace t = go_to_texts;
    const wchar_t* message = target.error == AddressError::Empty  ? t::kEmpty
                             : radix == AddressRadix::Hexadecimal ? t::kNotHexadecimal
                                                                  : t::kNotDecimal;
    ShowMessage(message, MsgButtons::Ok, MsgIcon::Critical);
    // The field takes the keys again, its text selected for retyping.
    address_field_.Focus();
    address_field_.SelectAll();
    return;
  }
  chosen_ = target.offset;
  Close();
}

}  // namespace vx
