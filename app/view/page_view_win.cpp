#include "app/view/page_view_win.h"

#include <windowsx.h>

#include <string>

#include "app/edit/byte_text.h"
#include "app/edit/edit_texts.h"
#include "app/edit/input_field.h"
#include "app/page/bookmark_marks.h"
#include "app/page/page_painter_win.h"
#include "app/page/column_characters.h"
#include "app/settings/display_settings.h"
#include "app/settings/page_geometry.h"
#include "app/settings/resolve_colour_win.h"
#include "app/view/caret_geometry.h"
#include "app/view/draw_page_win.h"
#include "app/view/typing_texts.h"
#include "common/message_box.h"
#include "common/ui/controls_win.h"
#include "common/ui/dpi_win.h"
#include "common/ui/shift_state_win.h"

namespace vx {
namespace {

constexpr WindowClass kClass{L"VxPageView", CS_DBLCLKS, -1};
// The page with no file open: the system colour of an empty work area.
constexpr int kEmptyPageColour = COLOR_APPWORKSPACE;

InputRadix CurrentRadix() { return static_cast<InputRadix>(DisplaySettings.InputRadix); }

void OutlineBox(HDC dc, const PageBox& b) {
  RECT r{b.left, b.top, b.right, b.bottom};
  FrameRect(dc, &r, MakeBrush(ResolveColour(b.colour)).get());
}

}  // namespace

bool PageView::Create(HWND parent, const ChildArgs& args, Events events) {
  events_ = std::move(events);
  WindowArgs window = WindowArgs::Child(parent, args.id, args.rect, WS_CLIPSIBLINGS);
  if (!args.visible) window.style &= ~DWORD{WS_VISIBLE};
  if (!CreateBound(kClass, window)) return false;
  // The image is as large as the window the parent's density made.
  image_.Resize(window.width, window.height);
  byte_input_.Create(parent);
  return true;
}

void PageView::Move(int x, int y, int width, int height) {
  if (width != image_.width() || height != image_.height()) image_.Resize(width, height);
  MoveWindow(hwnd(), x, y, width, height, TRUE);
}

void PageView::SetFont(Font font) {
  // The old font goes only once the image has let go of it.
  image_.SetFont(font.get());
  font_ = std::move(font);
}

DisplaySettingsRecord PageView::ScreenSettings() const {
  return ScaledForDpi(document_.PageSettings(), WindowDpi(hwnd()));
}

void PageView::Redraw() {
  if (!document_.IsOpen()) {
    image_.Clear(GetSysColor(kEmptyPageColour));
  } else {
    const int64_t start = document_.caret().top * document_.PageSettings().BytesPerLine + 1;
    DrawPage(image_.dc(), ScreenSettings(), document_.path(), start, page_bytes_, document_.size(),
             selection_.Range(document_.size()));
    DrawBookmarks(start);
    // The input window follows the caret and always shows the byte under it.
    if (input_visible_) FitInput();
    DrawCaret();
  }
  if (events_.drawn) events_.drawn();
  InvalidateRect(hwnd(), nullptr, FALSE);
  UpdateWindow(hwnd());
}

void PageView::DrawBookmarks(int64_t start) {
  std::vector<int64_t> offsets;
  for (const Bookmark& bookmark : document_.bookmarks().list()) offsets.push_back(bookmark.offset);
  ReplayPage(image_.dc(), {BookmarkMarks(ScreenSettings(), start, offsets), {}, {}});
}

void PageView::DrawCaret() {
  const DisplaySettingsRecord settings = ScreenSettings();
  const CaretPlace& caret = document_.caret();
  const CaretBars bars = CaretBarsAt(settings, caret.x, caret.y);
  OutlineBox(image_.dc(), bars.hex_bar);
  OutlineBox(image_.dc(), bars.text_bar);
  OutlineBox(image_.dc(), CaretColumnMark(settings, caret.x, caret.y, caret_column_));
}

void PageView::Enable(bool on) { EnableControl(hwnd(), on); }

void PageView::TakeKeys() {
  const HWND window = GetParent(hwnd());
  const HWND input = byte_input_.hwnd();
  const HWND focus = GetFocus();
  const bool ours = !focus || focus == window || IsChild(window, focus) || focus == input ||
                    IsChild(input, focus);
  if (!ours || !IsWindowVisible(window)) return;
  // Enabling the page gives it no focus: a file opened from the empty window
  // would leave the keys with the window, and the arrows would do nothing.
  // While the input window is shown, the page hands them on to it.
  SetFocus(IsWindowEnabled(hwnd()) ? hwnd() : window);
}

void PageView::PlaceCaret(const CaretPlace& place) {
  const int64_t from = document_.CaretOffset();
  document_.PlaceCaret(place);
  FollowCaret(from);
  Redraw();
}

bool PageView::MoveCaret(int32_t columns, int32_t rows) {
  const int64_t from = document_.CaretOffset();
  if (!document_.MoveCaret(columns, rows)) return false;
  FollowCaret(from);
  Redraw();
  return true;
}

void PageView::ShowCaretMoved(int64_t from) {
  FollowCaret(from);
  Redraw();
}

void PageView::FollowCaret(int64_t from) {
  if (selection_.extending()) selection_.ExtendTo(from, document_.CaretOffset());
}

void PageView::OnEscape() {
  if (input_visible_ || !(selection_.extending() || selection_.Range(document_.size()))) {
    HideByteInput();
    return;
  }
  selection_.Clear();
  Redraw();
}

void PageView::OnKey(int key, int shift) {
  const int32_t step = KeyStep(shift);
  const CaretPlace& caret = document_.caret();
  reject_next_char_ = RejectsNextChar(key, DisplaySettings.InputRadix);
  forward_next_char_ = false;
  switch (key) {
    case VK_RETURN:
      // A field with no digit to read writes nothing, so it asks for no backup.
      if (!input_visible_ || !TypedValue()) break;
      if (asks_fill_value_) {
        FillWithTypedValue();
        break;
      }
      if (!BeginChange()) break;
      EnterTypedValue();
      break;
    case VK_ESCAPE:
      OnEscape();
      break;
    case VK_F8:
      if (selection_.extending()) {
        selection_.StopExtending();
      } else {
        selection_.StartExtending(document_.CaretOffset());
      }
      Redraw();
      break;
    case VK_SPACE:
      // In the text column Space is a character like any other.
      if (!TypesText(shift)) ShowInput();
      break;
    case VK_TAB:
      if (input_visible_) break;
      caret_column_ = caret_column_ == CaretColumn::Hex ? CaretColumn::Text : CaretColumn::Hex;
      Redraw();
      break;
    case VK_INSERT:
      // With Shift or Ctrl it is a clipboard key, whether its command may act or not.
      if (shift == 0 && MayEditAtCaret()) AfterFileChange(document_.InsertAtCaret());
      break;
    case VK_DELETE:
      if (shift != 0) break;
      if (selection_.Range(document_.size()) && !input_visible_ && events_.delete_selection) {
        events_.delete_selection();
      } else if (MayEditAtCaret()) {
        AfterFileChange(document_.DeleteAtCaret());
      }
      break;
    case VK_PRIOR:
      PlaceCaret({caret.x, caret.y, PageUpTop(document_.PageSettings(), caret.top, step)});
      break;
    case VK_NEXT:
      PlaceCaret({caret.x, caret.y, PageDownTop(document_.PageSettings(), caret.top, step)});
      break;
    case VK_HOME:
      PlaceCaret({0, 0, 0});
      break;
    case VK_LEFT:
      MoveCaret(-step, 0);
      break;
    case VK_UP:
      MoveCaret(0, -step);
      break;
    case VK_RIGHT:
      MoveCaret(step, 0);
      break;
    case VK_DOWN:
      MoveCaret(0, step);
      break;
    default:
      // A digit of the input radix opens the byte input window with the
      // digit in it, as Space and then the digit would.
      if (!input_visible_ && shift == 0 && caret_column_ == CaretColumn::Hex &&
          IsDigitKey(key, CurrentRadix())) {
        ShowInput();
        forward_next_char_ = true;
      }
      break;
  }
}

bool PageView::TypesText(int shift) const {
  return caret_column_ == CaretColumn::Text && !input_visible_ && (shift & (2 | 4)) == 0;
}

void PageView::OnCharacter(wchar_t unit) {
  if (forward_next_char_) {
    forward_next_char_ = false;
    if (input_visible_) byte_input_.TypeIntoField(unit);
    return;
  }
  if (caret_column_ != CaretColumn::Text || input_visible_ || !document_.IsOpen()) return;
  // Enter, Tab, Esc and Backspace are keys of the page, not characters.
  if (unit < 0x20 || unit == 0x7F) return;
  if (unit >= 0xD800 && unit < 0xDC00) {
    high_surrogate_ = unit;
    return;
  }
  std::wstring character(1, unit);
  if (unit >= 0xDC00 && unit < 0xE000) {
    if (!high_surrogate_) return;
    character.insert(character.begin(), high_surrogate_);
  }
  high_surrogate_ = 0;
  TypeCharacter(character);
}

void PageView::TypeCharacter(const std::wstring& character) {
  const std::optional<std::string> bytes = TextColumnCharacters().write(character);
  if (!bytes) {
    ShowMessage(typing_texts::kCannotEncode, MsgButtons::Ok, MsgIcon::Exclamation);
    return;
  }
  const int64_t offset = document_.CaretOffset();
  const auto count = static_cast<int64_t>(bytes->size());
  if (count > document_.size() - offset) {
    ShowMessage(typing_texts::kPastEnd, MsgButtons::Ok, MsgIcon::Exclamation);
    return;
  }
  if (!BeginChange()) return;
  // One journal step for each character, however many bytes it takes.
  const std::span<const uint8_t> written(reinterpret_cast<const uint8_t*>(bytes->data()),
                                         bytes->size());
  if (!document_.OverwriteRange(offset, written, FailedCommand::Overwrite)) return;
  if (events_.file_changed) events_.file_changed();
  if (!MoveCaret(static_cast<int32_t>(count), 0)) Redraw();
}

bool PageView::BeginChange() {
  bool backup_made = false;
  const bool go_ahead = document_.BeginChange(&backup_made);
  if (backup_made && events_.backup_made) events_.backup_made();
  return go_ahead;
}

// Whether an editing key may change the file: the first-change step let it,
// and the input window is not in the way.
bool PageView::MayEditAtCaret() { return BeginChange() && !input_visible_; }

void PageView::AfterFileChange(bool worked_on) {
  if (!worked_on) return;
  // The bytes moved: what was selected is elsewhere now.
  selection_.Clear();
  if (events_.file_changed) events_.file_changed();
  Redraw();
}

bool PageView::TakeCharacterRefusal() {
  const bool reject = reject_next_char_;
  reject_next_char_ = false;
  return reject;
}

void PageView::ShowInput() {
  FitInput();
  ShowWindow(byte_input_.hwnd(), SW_SHOW);
  input_visible_ = true;
  byte_input_.FocusField();
}

void PageView::AskFillValue() {
  ShowInput();
  asks_fill_value_ = true;
}

void PageView::HideByteInput() {
  const bool was_visible = input_visible_;
  input_visible_ = false;
  asks_fill_value_ = false;
  ShowWindow(byte_input_.hwnd(), SW_HIDE);
  // The keys go back to the page, not to whatever the system activates next.
  if (was_visible && IsWindowEnabled(hwnd())) SetFocus(hwnd());
}

void PageView::FitInput() {
  POINT origin{0, 0};
  ClientToScreen(hwnd(), &origin);
  const InputTarget cell =
      InputTargetAt(ScreenSettings(), document_.caret().x, document_.caret().y);
  uint8_t b[1];
  // A byte that cannot be read (the file locked by another program) shows
  // as an empty field rather than as a value the file may not hold.
  const bool read = document_.file().Read(document_.CaretOffset(), b) == ReadResult::Read;
  byte_input_.ShowValue(read ? ByteFieldText(b[0], CurrentRadix()) : std::wstring());
  byte_input_.PlaceOver({origin.x + cell.x, origin.y + cell.y});
}

std::optional<int32_t> PageView::TypedValue() const {
  return ParseByteText(byte_input_.Value(), CurrentRadix());
}

std::optional<uint8_t> PageView::TypedByte() const {
  const std::optional<int32_t> typed = TypedValue();
  // Nothing to read: nothing is written and the window stays as it is.
  if (!typed) return std::nullopt;
  if (*typed < 0 || *typed > 255) {
    ShowMessage(edit_texts::kOutOfRange, MsgButtons::Ok, MsgIcon::Critical);
    return std::nullopt;
  }
  return static_cast<uint8_t>(*typed);
}

void PageView::FillWithTypedValue() {
  const std::optional<uint8_t> value = TypedByte();
  if (!value) return;
  HideByteInput();
  if (events_.fill_selection) events_.fill_selection(*value);
}

void PageView::EnterTypedValue() {
  const std::optional<uint8_t> typed = TypedByte();
  if (!typed) return;
  document_.OverwriteAtCaret(*typed);
  if (events_.file_changed) events_.file_changed();
  if (DisplaySettings.HideInputAfterEntry) HideByteInput();
  if (DisplaySettings.MoveAfterEntry) {
    MoveCaret(1, 0);
  } else {
    Redraw();
  }
}

void PageView::FitInputToRadix() { byte_input_.SizeFor(CurrentRadix()); }

void PageView::OnDpiChanged(int dpi) {
  // The input window floats over the page, on the same display.
  if (byte_input_.hwnd() && WindowDpi(byte_input_.hwnd()) != dpi) {
    RECT r;
    GetWindowRect(byte_input_.hwnd(), &r);
    SendMessageW(byte_input_.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&r));
  }
}

std::optional<CaretPlace> PageView::PlaceAt(LPARAM lp) const {
  const PageCell cell = PointToCell(ScreenSettings(), GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
  if (cell.column < 0 || cell.row < 0) return std::nullopt;
  return CaretPlace{cell.column, cell.row, document_.caret().top};
}

void PageView::OnButtonDown(LPARAM lp, bool extend) {
  const std::optional<CaretPlace> place = PlaceAt(lp);
  if (!place) return;
  caret_column_ = ColumnAt(ScreenSettings(), GET_X_LPARAM(lp));
  if (extend) {
    selection_.ExtendTo(document_.CaretOffset(), OffsetOfPlace(document_.PageSettings(), *place));
  } else {
    selection_.Clear();
  }
  PlaceCaret(*place);
}

void PageView::OnDrag(LPARAM lp) {
  const std::optional<CaretPlace> place = PlaceAt(lp);
  if (!place) return;
  const int64_t from = document_.CaretOffset();
  const int64_t to = OffsetOfPlace(document_.PageSettings(), *place);
  if (to == from) return;
  // The selection reaches from the byte the button went down on.
  selection_.ExtendTo(from, to);
  PlaceCaret(*place);
}

void PageView::OnPaint() {
  PAINTSTRUCT ps;
  image_.Blit(BeginPaint(hwnd(), &ps));
  EndPaint(hwnd(), &ps);
}

LRESULT PageView::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the blit covers everything
    case WM_GETDLGCODE:
      // The arrows and Enter are the page's own keys, not dialog navigation.
      return DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
      OnKey(static_cast<int>(wp), ShiftState());
      return 0;
    case WM_CHAR:
      OnCharacter(static_cast<wchar_t>(wp));
      return 0;
    case WM_SYSKEYDOWN:
      // Alt arrives here; the system still gets the key for Alt+F4 and the menus.
      OnKey(static_cast<int>(wp), ShiftState());
      break;
    case WM_SETFOCUS:
      if (input_visible_) byte_input_.FocusField();
      break;
    case WM_LBUTTONDOWN:
      SetFocus(hwnd());
      // Captured, so that a drag that leaves the page still ends here.
      SetCapture(hwnd());
      OnButtonDown(lp, (wp & MK_SHIFT) != 0);
      return 0;
    case WM_MOUSEMOVE:
      if ((wp & MK_LBUTTON) == 0) break;
      OnDrag(lp);
      return 0;
    case WM_LBUTTONUP:
      if (GetCapture() == hwnd()) ReleaseCapture();
      return 0;
    default:
      break;
  }
  return Default(msg, wp, lp);
}

}  // namespace vx
