// GoToWindow: the go-to-address window. Modal over the main window; it reads an
// address, plain or counted from the caret, in hexadecimal or decimal, and
// closes with the offset to put the caret on. A text that is no address is
// refused with a message and the window stays.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "app/view/go_to_address.h"
#include "common/ui/modal_window_win.h"

namespace vx {

class GoToWindow : public ModalWindow {
 public:
  // `radix` is the choice of the last opening, and keeps this one's.
  GoToWindow(AddressRadix& radix, int64_t caret, int64_t file_size);

  // After ShowModal: the offset chosen with "移動" (0 to the file size), or
  // nothing when the window was closed.
  std::optional<int64_t> chosen() const { return chosen_; }

 private:
  void CreateControls() override;
  HWND FirstFocus() const override { return address_field_.hwnd(); }
  // "移動": the caret goes to the address typed, or the text is refused.
  void OnGo();
  AddressRadix ChosenRadix() const;

  AddressRadix& radix_;
  int64_t caret_;
  int64_t file_size_;
  std::optional<int64_t> chosen_;
  EditField address_field_;
  // By AddressRadix: [0] hexadecimal, [1] decimal.
  OptionGroup radix_options_;
};

}  // namespace vx
