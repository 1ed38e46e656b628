// PageView: the page of the main window. It draws the open document one page
// at a time with the caret's bars on it, takes the page's keys, the mouse
// and the focus, and holds the byte input window that floats over the caret.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "app/document/edited_document.h"
#include "app/document/selection.h"
#include "app/edit/byte_input_window_win.h"
#include "app/edit/input_host.h"
#include "app/settings/display_settings_record.h"
#include "app/view/caret_geometry.h"
#include "common/ui/gdi_win.h"
#include "common/ui/offscreen_image_win.h"
#include "common/ui/window_win.h"

namespace vx {

class PageView : public Window, private InputHost {
 public:
  // What the page tells the window that holds it.
  struct Events {
    // The page was drawn, before it is shown: the scroll bar and the caret's
    // status follow.
    std::function<void()> drawn;
    // A command worked on the file: its size, scroll range and journal follow.
    std::function<void()> file_changed;
    // The first change made a backup: it can be put back now.
    std::function<void()> backup_made;
    // Delete pressed with bytes selected: the window's Delete command.
    std::function<void()> delete_selection;
    // The value typed for Fill, entered.
    std::function<void(uint8_t)> fill_selection;
  };

  // The page shows and changes `selection`: the mouse and F8 select.
  PageView(EditedDocument& document, ByteSelection& selection)
      : document_(document), selection_(selection) {}

  // The page, disabled until a file is open, and the byte input window over it.
  bool Create(HWND parent, const ChildArgs& args, Events events);
  // In device pixels.
  void Move(int x, int y, int width, int height);
  int width() const { return image_.width(); }
  int height() const { return image_.height(); }
  // The dump's font, kept until the next one is drawn with.
  void SetFont(Font font);
  // The page drawn from the document with the caret on it, and shown.
  void Redraw();
  // The caret was moved from byte `from` by a command of the window (go to,
  // a search's match): F8's selecting follows it as it follows the keys,
  // and the page is drawn.
  void ShowCaretMoved(int64_t from);
  // The page takes the keys while a file is open.
  void Enable(bool on);
  // The keys to the page (to the window itself while no file is open, so that
  // its shortcut keys still arrive), unless another window holds them.
  void TakeKeys();

  // The column the caret types into; Tab and a click move it.
  CaretColumn caret_column() const { return caret_column_; }
  // The bytes of the page last drawn.
  const std::vector<uint8_t>& page_bytes() const { return page_bytes_; }
  // A pixel of the page's image (for checks).
  COLORREF PixelAt(int x, int y) const { return image_.PixelAt(x, y); }

  // The byte input window: sized for the radix of the settings, hidden,
  // closed with the program, and moved along to a new density.
  void FitInputToRadix();
  void HideByteInput() override;
  // The input window over the caret for Fill's value: Enter fills the
  // selection with it rather than writing it at the caret.
  void AskFillValue();
  void CloseInput() { byte_input_.Close(); }
  // The step before a change of the file, the keys' and the window's range
  // commands' alike: the first change's backup, which Restore can put back,
  // is told through the events. False when the change must not go ahead.
  bool BeginChange();
  void OnDpiChanged(int dpi);

 private:
  friend class MainWindowTestView;

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  // The page's key commands (`shift`: 1 Shift, 2 Ctrl, 4 Alt).
  void OnKey(int key, int shift);
  // The caret at `place` and the page drawn for it.
  void PlaceCaret(const CaretPlace& place);
  // The display settings as the page's density draws them: the page, the
  // caret, the mouse and the input window all place cells by them.
  DisplaySettingsRecord ScreenSettings() const;
  void OnPaint();
  // The left button pressed (`extend`: with Shift) or dragged over the page.
  void OnButtonDown(LPARAM lp, bool extend);
  void OnDrag(LPARAM lp);
  // The caret's place at a point of the page; none beside the columns.
  std::optional<CaretPlace> PlaceAt(LPARAM lp) const;
  void DrawCaret();
  // The marks of the bookmarks on the page starting at seek position `start`.
  void DrawBookmarks(int64_t start);
  // False when the caret cannot go there (then nothing is drawn).
  bool MoveCaret(int32_t columns, int32_t rows);
  // After the caret moved from byte `from`: F8's selecting follows it.
  void FollowCaret(int64_t from);
  // Escape: the input window goes, or else the selection.
  void OnEscape();
  bool MayEditAtCaret();
  // A character typed on the page (WM_CHAR, also what the input method
  // makes of its WM_IME_CHAR): the digit that opened the byte input window
  // goes into its field; in the text column the character is written.
  void OnCharacter(wchar_t unit);
  // `character` written over the bytes from the caret on in the text
  // column's encoding, one journal step, the caret behind it; refused with
  // a message when the encoding has no bytes for it or they would pass the
  // end of the file.
  void TypeCharacter(const std::wstring& character);
  // Whether a key of the page that makes a character is the text column's
  // to type: then Space and the digits do not open the byte input window.
  bool TypesText(int shift) const;
  void AfterFileChange(bool worked_on);

  // The byte input window (InputHost): its keys are the page's.
  void OnInputFieldKey(int key, int shift) override { OnKey(key, shift); }
  bool TakeCharacterRefusal() override;
  void ShowInput();
  // Placed over the caret's cell, showing its byte.
  void FitInput();
  // Nothing when the field holds no digit to read.
  std::optional<int32_t> TypedValue() const;
  void EnterTypedValue();
  void FillWithTypedValue();
  // The typed value when it fits a byte; the refusal shown when it does not.
  std::optional<uint8_t> TypedByte() const;

  EditedDocument& document_;
  ByteSelection& selection_;
  Events events_;
  OffscreenImage image_;
  Font font_;
  std::vector<uint8_t> page_bytes_;
  // Whether the byte input window refuses the next typed character.
  bool reject_next_char_ = false;
  bool input_visible_ = false;
  // The character of the digit key that opened the input window goes to its
  // field, as if typed there.
  bool forward_next_char_ = false;
  CaretColumn caret_column_ = CaretColumn::Hex;
  // The first half of a character beyond the 16-bit range, until its second.
  wchar_t high_surrogate_ = 0;
  // Whether the input window shown asks for Fill's value.
  bool asks_fill_value_ = false;
  ByteInputWindow byte_input_{*this};
};

}  // namespace vx
