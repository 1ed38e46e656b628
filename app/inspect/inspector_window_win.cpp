#include "app/inspect/inspector_window_win.h"

#include <algorithm>

#include "app/inspect/inspector_texts.h"
#include "common/message_box.h"
#include "common/ui/dpi_win.h"

namespace vx {
namespace {

constexpr WindowClass kClass{L"VanteloxInspectorWindow"};
// A tool window: it stands beside the main window without a task-bar button.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;

// The layout in pixels of the 96-dot screen.
constexpr int kMargin = 8;
constexpr int kLabelWidth = 130;
constexpr int kFieldLeft = kMargin + kLabelWidth + 4;
constexpr int kFieldWidth = 230;
constexpr int kFieldHeight = 21;
constexpr int kOptionsTop = 8;
constexpr int kRowsTop = 36;
constexpr int kRowStep = 24;
constexpr int kClientWidth = kFieldLeft + kFieldWidth + kMargin;
constexpr int kClientHeight = kRowsTop + static_cast<int>(kInspectorRows.size()) * kRowStep + 4;

// A single-line field's own answer to WM_GETDLGCODE, and the message it
// wants besides: Enter and Esc are the row's, not the dialog manager's.
constexpr LRESULT kFieldKeys = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS | DLGC_WANTMESSAGE;

// Posted to the window itself: the rows read the caret's bytes again.
constexpr UINT kFollowAgain = WM_APP + 1;
constexpr UINT_PTR kFollowTimer = 1;

RECT WorkAreaAt(POINT point) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), &info);
  return info.rcWork;
}

}  // namespace

void InspectorWindow::Create(HWND owner, std::optional<std::pair<int, int>> place,
                             ByteOrder order) {
  order_ = order;
  const int dpi = WindowDpi(owner);
  const DpiScale d(dpi);
  RECT frame{0, 0, d(kClientWidth), d(kClientHeight)};
  AdjustFrameForDpi(frame, kStyle, false, kExStyle, dpi);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  RECT beside{};
  GetWindowRect(owner, &beside);
  POINT corner = place ? POINT{place->first, place->second} : POINT{beside.right, beside.top};
  // Kept on a screen: a place saved on a display that is gone, or a main
  // window at the right edge, would leave it out of reach.
  const RECT work = WorkAreaAt(corner);
  corner.x = std::max<LONG>(work.left, std::min<LONG>(corner.x, work.right - width));
  corner.y = std::max<LONG>(work.top, std::min<LONG>(corner.y, work.bottom - height));
  WindowArgs window;
  window.caption = inspector_texts::kTitle;
  window.style = kStyle;
  window.ex_style = kExStyle;
  window.x = corner.x;
  window.y = corner.y;
  window.width = width;
  window.height = height;
  window.parent = owner;
  if (!CreateBound(kClass, window)) return;
  if (WindowDpi(hwnd()) != dpi) KeepDpi(hwnd(), dpi);
  font_ = MakeDialogFont(WindowDpi(hwnd()));
  const ControlSite site = Site(font_.get());
  order_options_ = MakeOptionGroup(
      site, {.options = {{inspector_texts::kLittleEndian, {kMargin, kOptionsTop, kLabelWidth, 20}},
                         {inspector_texts::kBigEndian, {kFieldLeft, kOptionsTop, kLabelWidth, 20}}},
             .chosen = order == ByteOrder::Big ? 1 : 0,
             .on_choose = [this](int index) { OnOrderChosen(index); }});
  for (size_t i = 0; i < kInspectorRows.size(); ++i) {
    const int top = kRowsTop + static_cast<int>(i) * kRowStep;
    labels_[i] = MakeLabel(
        site, {.text = RowLabel(kInspectorRows[i]), .rect = {kMargin, top + 3, kLabelWidth, 16}});
    fields_[i] = MakeEditField(site, {.rect = {kFieldLeft, top, kFieldWidth, kFieldHeight}});
    field_keys_[i].Attach(fields_[i].hwnd(),
                          [this, i](UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
                            return OnFieldMessage(i, msg, wp, lp, result);
                          });
  }
}

void InspectorWindow::Show(bool shown) {
  if (!hwnd()) return;
  if (!shown) {
    ShowWindow(hwnd(), SW_HIDE);
    return;
  }
  FollowNow();
  // Above the main window it stands beside, without taking the keys from it.
  SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

std::pair<int, int> InspectorWindow::Place() const {
  RECT r{};
  GetWindowRect(hwnd(), &r);
  return {r.left, r.top};
}

HWND InspectorWindow::FieldOf(InspectorRow row) const {
  for (size_t i = 0; i < kInspectorRows.size(); ++i) {
    if (kInspectorRows[i] == row) return fields_[i].hwnd();
  }
  return nullptr;
}

void InspectorWindow::Follow() {
  if (!hwnd() || follow_pending_) return;
  // A timer's message comes only once the queue holds nothing else.
  follow_pending_ = SetTimer(hwnd(), kFollowTimer, 0, nullptr) != 0;
  if (!follow_pending_) FollowNow();
}

void InspectorWindow::FollowNow() {
  if (!hwnd()) return;
  const std::optional<std::vector<uint8_t>> bytes = host_.BytesAtCaret();
  const CharacterCodec column = host_.ColumnCharacters();
  const HWND focus = GetFocus();
  for (size_t i = 0; i < kInspectorRows.size(); ++i) {
    const HWND field = fields_[i].hwnd();
    // What the person is typing stays until it is entered or left.
    if (field == focus && SendMessageW(field, EM_GETMODIFY, 0, 0)) continue;
    const std::wstring text = bytes ? RowText(kInspectorRows[i], *bytes, order_, column) : L"";
    // Setting a field's text costs a round through the system: only changes go.
    if (fields_[i].Text() == text) continue;
    fields_[i].SetText(text);
    SendMessageW(field, EM_SETMODIFY, FALSE, 0);
  }
}

void InspectorWindow::EnterRow(size_t index) {
  const InspectorRow row = kInspectorRows[index];
  const TypedRowValue typed =
      ParseRowValue(row, fields_[index].Text(), order_, host_.ColumnCharacters());
  if (!typed.refusal.empty()) {
    const std::wstring refused = fields_[index].Text();
    ShowMessage(typed.refusal, MsgButtons::Ok, MsgIcon::Exclamation);
    // The message took the focus, and the field went back to the file's
    // value: the refused text comes back to be mended.
    fields_[index].SetText(refused);
    SendMessageW(fields_[index].hwnd(), EM_SETMODIFY, TRUE, 0);
    SetFocus(fields_[index].hwnd());
    fields_[index].SelectAll();
    return;
  }
  // The field shows the file's bytes again once the host has written them.
  SendMessageW(fields_[index].hwnd(), EM_SETMODIFY, FALSE, 0);
  host_.WriteAtCaret(typed.bytes);
  FollowNow();
  fields_[index].SelectAll();
}

void InspectorWindow::OnOrderChosen(int index) {
  order_ = index == 1 ? ByteOrder::Big : ByteOrder::Little;
  FollowNow();
}

bool InspectorWindow::OnFieldMessage(size_t index, UINT msg, WPARAM wp, LPARAM lp,
                                     LRESULT& result) {
  result = 0;
  switch (msg) {
    case WM_GETDLGCODE: {
      const auto* key = reinterpret_cast<const MSG*>(lp);
      if (!key || key->message != WM_KEYDOWN ||
          (key->wParam != VK_RETURN && key->wParam != VK_ESCAPE)) {
        return false;
      }
      result = kFieldKeys;
      return true;
    }
    case WM_KEYDOWN:
      if (wp == VK_RETURN) {
        EnterRow(index);
        return true;
      }
      if (wp == VK_ESCAPE) {
        host_.ReturnKeys();
        return true;
      }
      return false;
    case WM_CHAR:
      // The characters of Enter and Esc would only beep in a one-line field.
      return wp == L'\r' || wp == 0x1B;
    case WM_KILLFOCUS:
      // A value left for another of the program's windows without Enter is
      // not written: the field shows the file again once the focus has gone.
      // Switching to another program keeps the typing, as any field does.
      if (!wp || GetWindowThreadProcessId(reinterpret_cast<HWND>(wp), nullptr) !=
                     GetCurrentThreadId()) {
        return false;
      }
      SendMessageW(fields_[index].hwnd(), EM_SETMODIFY, FALSE, 0);
      PostMessageW(hwnd(), kFollowAgain, 0, 0);
      return false;
    default:
      return false;
  }
}

void InspectorWindow::OnClose() {
  Show(false);
  host_.InspectorHidden();
}

void InspectorWindow::OnDpiChanged(int dpi) {
  Font font = MakeDialogFont(dpi);
  for (HWND child = GetWindow(hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    SetControlFont(child, font.get(), true);
  }
  font_ = std::move(font);
}

LRESULT InspectorWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kFollowAgain || (msg == WM_TIMER && wp == kFollowTimer)) {
    KillTimer(hwnd(), kFollowTimer);
    follow_pending_ = false;
    FollowNow();
    return 0;
  }
  if (msg == WM_NCDESTROY) {
    for (MessageHook& hook : field_keys_) hook.Detach();
  }
  return FormWindow::HandleMessage(msg, wp, lp);
}

}  // namespace vx
