#include "app/check/hash_window_win.h"

#include "app/check/check_texts.h"
#include "app/check/system_hash_win.h"
#include "app/page/dump_page.h"
#include "common/digit_groups.h"
#include "common/hex_digits.h"
#include "common/message_box.h"
#include "common/ui/message_pump_win.h"

namespace vx {
namespace {

// The computing starts once the window is shown.
constexpr UINT kComputeMessage = WM_APP + 1;

constexpr int kLeft = 120;
constexpr int kNameWidth = 1200;
constexpr int kValueLeft = kLeft + kNameWidth + 60;
constexpr int kValueWidth = 7740;
constexpr int kCopyLeft = kValueLeft + kValueWidth + 120;
constexpr int kButtonWidth = 1080;
constexpr int kRowHeight = 330;
constexpr int kClientWidth = kCopyLeft + kButtonWidth + kLeft;
constexpr TwipRect kRangeRect{kLeft, 120, kClientWidth - 2 * kLeft, 240};
constexpr int kFirstRowTop = 480;
constexpr int kRowStep = 420;
// SHA-512's 128 digits take two lines.
constexpr int kTallRowHeight = 540;
constexpr int kRowsBottom = kFirstRowTop + 4 * kRowStep + kTallRowHeight;
constexpr TwipRect kProgressRect{kLeft, kRowsBottom + 180, kValueLeft + kValueWidth - kLeft, 240};
constexpr TwipRect kStatusRect{kLeft, kRowsBottom + 510, kValueLeft + kValueWidth - kLeft, 240};
constexpr int kButtonsTop = kRowsBottom + 900;
constexpr TwipRect kCancelRect{kCopyLeft - kButtonWidth - 120, kButtonsTop, kButtonWidth, 330};
constexpr TwipRect kCloseRect{kCopyLeft, kButtonsTop, kButtonWidth, 330};
constexpr TwipSize kClientSize{kClientWidth, kButtonsTop + 330 + 120};

std::wstring HexAddress(int64_t offset, int digits) {
  std::wstring text(static_cast<size_t>(digits), L'0');
  for (int i = digits - 1; i >= 0 && offset > 0; --i, offset >>= 4) {
    text[static_cast<size_t>(i)] = static_cast<wchar_t>(kHexDigits[offset & 0xF]);
  }
  return text;
}

}  // namespace

HashWindow::HashWindow(std::wstring path, int64_t file_size, std::optional<ByteRange> selected)
    : ModalWindow({L"VanteloxHashWindow", check_texts::kHashCaption, kClientSize}),
      path_(std::move(path)),
      file_size_(file_size),
      selected_(selected),
      range_(selected ? *selected : ByteRange{0, file_size}) {}

std::wstring HashWindow::RangeText() const {
  namespace t = check_texts;
  const int digits = AddressDigits(file_size_);
  return std::wstring(selected_ ? t::kHashOfSelection : t::kHashOfFile) + t::kRangeFirst +
         HexAddress(range_.first, digits) + t::kRangeLast + HexAddress(range_.last(), digits) +
         t::kRangeLength + GroupedDigits(range_.length) + t::kRangeBytes;
}

void HashWindow::CreateControls() {
  namespace t = check_texts;
  const ControlSite site = DialogSite();
  MakeLabel(site, {RangeText(), kRangeRect});
  for (size_t i = 0; i < rows_.size(); ++i) {
    const int top = kFirstRowTop + static_cast<int>(i) * kRowStep;
    const bool tall = kHashKinds[i] == HashKind::Sha512;
    HashRow& row = rows_[i];
    row.chosen = MakeCheckBox(site, {.caption = HashName(kHashKinds[i]),
                                     .rect = TwipRect{kLeft, top + 30, kNameWidth, 270},
                                     .checked = true,
                                     .on_change = [this](bool) { Compute(); }});
    row.value = MakeEditField(
        site, {.rect = TwipRect{kValueLeft, top, kValueWidth, tall ? kTallRowHeight : kRowHeight},
               .style = static_cast<DWORD>(ES_READONLY | WS_BORDER | WS_TABSTOP |
                                           (tall ? ES_MULTILINE : ES_AUTOHSCROLL))});
    row.copy = AddButton({.caption = t::kCopy,
                          .rect = TwipRect{kCopyLeft, top, kButtonWidth, kRowHeight},
                          .on_click = [this, i] { OnCopy(i); }});
  }
  progress_bar_.Create(hwnd(), {.rect = kProgressRect, .edge = true});
  status_ = MakeLabel(site, {L"", kStatusRect});
  cancel_button_ = AddButton(
      {.caption = t::kCancel, .rect = kCancelRect, .on_click = [this] { cancelled_ = true; }});
  close_button_ = AddButton(
      {.caption = t::kClose, .rect = kCloseRect, .on_click = [this] { OnClose(); }}, kEscKey);
  cancel_button_.Enable(false);
  PostMessageW(hwnd(), kComputeMessage, 0, 0);
}

LRESULT HashWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kComputeMessage) {
    Compute();
    return 0;
  }
  return ModalWindow::HandleMessage(msg, wp, lp);
}

void HashWindow::OnClose() {
  if (computing_) {
    cancelled_ = true;
    close_after_ = true;
    return;
  }
  Close();
}

void HashWindow::ShowComputing(bool computing) {
  computing_ = computing;
  for (const HashRow& row : rows_) {
    row.chosen.Enable(!computing);
    row.copy.Enable(!computing);
  }
  cancel_button_.Enable(computing);
  if (computing)
    cancel_button_.Focus();
  else
    close_button_.Focus();
}

void HashWindow::Compute() {
  if (computing_) return;
  namespace t = check_texts;
  std::vector<HashKind> kinds;
  for (size_t i = 0; i < rows_.size(); ++i) {
    rows_[i].value.SetText(L"");
    if (rows_[i].chosen.Checked()) kinds.push_back(kHashKinds[i]);
  }
  if (kinds.empty()) {
    status_.SetText(t::kNoneChosen);
    return;
  }
  cancelled_ = false;
  status_.SetText(t::kHashing);
  progress_bar_.Show(0);
  ShowComputing(true);
  const HWND window = hwnd();
  const RangeHashes hashes =
      HashRange(path_, file_size_, range_, kinds, [this, window](double share) {
        progress_bar_.Show(static_cast<int>(share * progress_bar_.width()));
        if (!LetMessagesRun(window, true)) cancelled_ = true;
        return !cancelled_;
      });
  // A program that is ending has taken the window already.
  if (!IsWindow(window)) return;
  ShowComputing(false);
  progress_bar_.Show(0);
  switch (hashes.outcome) {
    case ReadOnceOutcome::Done:
      for (size_t i = 0; i < rows_.size(); ++i) rows_[i].value.SetText(hashes.texts[i]);
      status_.SetText(t::kHashed);
      break;
    case ReadOnceOutcome::Cancelled:
      status_.SetText(t::kHashCancelled);
      break;
    case ReadOnceOutcome::NotOpened:
      status_.SetText(t::kHashNotOpened);
      ShowMessage(t::kHashNotOpened, MsgButtons::Ok, MsgIcon::Exclamation);
      break;
    case ReadOnceOutcome::ReadFailed:
      status_.SetText(t::kHashReadFailed);
      ShowMessage(t::kHashReadFailed, MsgButtons::Ok, MsgIcon::Exclamation);
      break;
    case ReadOnceOutcome::SizeChanged:
      status_.SetText(t::kHashSizeChanged);
      ShowMessage(t::kHashSizeChanged, MsgButtons::Ok, MsgIcon::Exclamation);
      break;
  }
  if (hashes.unavailable && hashes.outcome == ReadOnceOutcome::Done) {
    ShowMessage(std::wstring(t::kHashUnavailable) + HashName(*hashes.unavailable), MsgButtons::Ok,
                MsgIcon::Exclamation);
  }
  if (close_after_) Close();
}

void HashWindow::OnCopy(size_t row) {
  // The field copies its own text, as Ctrl+C in it does.
  const EditField& field = rows_[row].value;
  if (field.Text().empty()) return;
  field.SelectAll();
  SendMessageW(field.hwnd(), WM_COPY, 0, 0);
}

std::wstring HashWindow::ShownText(HashKind kind) const {
  return rows_[static_cast<size_t>(kind)].value.Text();
}

}  // namespace vx
