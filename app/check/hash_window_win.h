// HashWindow: the hashes of the selection, or of the whole file without one.
// Modal over the main window; each hash shows in a read-only text field that
// can be selected and copied, with a button that copies it. The hashes are
// computed as the window opens, and again when the choice of them changes,
// with a progress bar and Cancel; the file is read once for all of them.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "app/check/hash_kinds.h"
#include "common/byte_range.h"
#include "common/ui/modal_window_win.h"
#include "common/ui/progress_bar_win.h"

namespace vx {

class HashWindow : public ModalWindow {
 public:
  // The file `path` of `file_size` bytes, and the bytes selected in it.
  HashWindow(std::wstring path, int64_t file_size, std::optional<ByteRange> selected);

  // The hash text shown for `kind` (for tests).
  std::wstring ShownText(HashKind kind) const;

 private:
  struct HashRow {
    CheckBox chosen;
    EditField value;
    PushButton copy;
  };

  void CreateControls() override;
  HWND FirstFocus() const override { return close_button_.hwnd(); }
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  // Closing while the hashes are computed stops them first.
  void OnClose() override;
  // The chosen hashes computed over the range and shown; a failure shown.
  void Compute();
  // Computing: the choices wait and Cancel can be pressed.
  void ShowComputing(bool computing);
  void OnCopy(size_t row);
  std::wstring RangeText() const;

  std::wstring path_;
  int64_t file_size_;
  std::optional<ByteRange> selected_;
  ByteRange range_;
  std::array<HashRow, kHashKinds.size()> rows_;
  Label status_;
  ProgressBar progress_bar_;
  PushButton cancel_button_;
  PushButton close_button_;
  bool computing_ = false;
  bool cancelled_ = false;
  bool close_after_ = false;
};

}  // namespace vx
