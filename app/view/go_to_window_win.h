// Form8: the go-to-address window. Modal over the main window; it reads an
// address, plain or counted from the caret, in hexadecimal or decimal, and
// closes with the offset to put the caret on. A text that is no address is
// refused with a message and the window stays.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <optional>

#include "app/view/go_to_address.h"
#include "common/ui/modal_window_win.h"

namespace vx {

class Form8 : public ModalWindow {
 public:
  // `radix` is the choice of the last opening, and keeps this one's.
  Form8(AddressRadix& radix, int32_t caret, int32_t file_size);

  // After ShowModal: the offset chosen with "移動" (0 to the file size), or
  // nothing when the window was closed.
  std::optional<int32_t> chosen() const { return chosen_; }

  HWND Label1 = nullptr;
  HWND Text1 = nullptr;
  HWND Frame1 = nullptr;
  // By AddressRadix: [0] hexadecimal, [1] decimal.
  std::array<HWND, 2> Option1{};
  HWND Label2 = nullptr;
  HWND Command1 = nullptr;
  HWND Command2 = nullptr;

 private:
  void CreateControls() override;
  HWND FirstFocus() const override { return Text1; }
  bool OnCommand(int id, int code) override;
  void Command1_Click();
  AddressRadix ChosenRadix() const;

  AddressRadix& radix_;
  int32_t caret_;
  int32_t file_size_;
  std::optional<int32_t> chosen_;
};

}  // namespace vx
