#include "app/check/compare_window_win.h"

#include <algorithm>

#include "app/check/check_texts.h"
#include "app/page/dump_page.h"
#include "common/digit_groups.h"
#include "common/file_seam.h"
#include "common/hex_digits.h"
#include "common/message_box.h"
#include "common/ui/message_pump_win.h"

namespace vx {
namespace {

constexpr TwipRect kOtherRect{120, 120, 8760, 240};
constexpr TwipRect kMethodRect{120, 390, 8760, 240};
constexpr TwipRect kSummaryRect{120, 660, 8760, 480};
constexpr TwipRect kListRect{120, 1200, 8760, 3600};
constexpr TwipRect kProgressRect{120, 4950, 5400, 240};
constexpr TwipRect kCancelRect{5640, 4905, 1000, 330};
constexpr TwipRect kGoRect{6720, 4905, 1000, 330};
constexpr TwipRect kCloseRect{7800, 4905, 1080, 330};
constexpr TwipSize kClientSize{9000, 5355};

// Bytes of each file shown on a line; more are shortened.
constexpr int64_t kShownBytes = 8;

std::wstring HexAddress(int64_t offset, int digits) {
  std::wstring text(static_cast<size_t>(digits), L'0');
  for (int i = digits - 1; i >= 0 && offset > 0; --i, offset >>= 4) {
    text[static_cast<size_t>(i)] = static_cast<wchar_t>(kHexDigits[offset & 0xF]);
  }
  return text;
}

std::wstring ShownBytes(fs::File& file, const ByteRange& stretch) {
  uint8_t bytes[kShownBytes] = {};
  const int64_t count = std::min(kShownBytes, stretch.length);
  if (file.ReadAt(stretch.first, bytes, count) != count) return L"??";
  std::wstring text;
  for (int64_t i = 0; i < count; ++i) {
    if (i > 0) text += L' ';
    text += static_cast<wchar_t>(kHexDigits[bytes[i] >> 4]);
    text += static_cast<wchar_t>(kHexDigits[bytes[i] & 0xF]);
  }
  if (stretch.length > count) text += check_texts::kShortened;
  return text;
}

}  // namespace

CompareWindow::CompareWindow(CompareHost& host)
    : ModalWindow({L"VanteloxCompareWindow", check_texts::kCompareCaption, kClientSize}),
      host_(host) {}

void CompareWindow::ShowModeless(HWND owner, const std::wstring& other_path) {
  other_path_ = other_path;
  if (!Open(owner)) return;
  // Beside the owner where its monitor has the room, so that the page stays
  // in view; else where Open put it.
  RECT frame, beside;
  GetWindowRect(hwnd(), &frame);
  GetWindowRect(owner, &beside);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor) &&
      beside.right + (frame.right - frame.left) <= monitor.rcWork.right) {
    SetWindowPos(hwnd(), nullptr, beside.right, std::max(beside.top, monitor.rcWork.top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ShowWindow(hwnd(), SW_SHOWNORMAL);
  SetFocus(list_.hwnd());
}

void CompareWindow::CreateControls() {
  namespace t = check_texts;
  const ControlSite site = DialogSite();
  other_label_ = MakeLabel(site, {std::wstring(t::kCompareOther) + other_path_, kOtherRect,
                                  SS_LEFTNOWORDWRAP | SS_PATHELLIPSIS});
  MakeLabel(site, {t::kCompareMethod, kMethodRect});
  summary_ = MakeLabel(site, {L"", kSummaryRect});
  list_ = MakeListBox(
      site, {.rect = kListRect, .items = {}, .style = WS_TABSTOP | WS_VSCROLL | WS_BORDER});
  // Enter on the list and a double-click go to the stretch, wherever the
  // keys arrive from.
  list_keys_.Attach(list_.hwnd(), [this](UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    if (msg == WM_KEYDOWN && wp == VK_RETURN) {
      OnGo();
      result = 0;
      return true;
    }
    // The first click of the two has already selected the line.
    if (msg == WM_LBUTTONDBLCLK) OnGo();
    return false;
  });
  progress_bar_.Create(hwnd(), {.rect = kProgressRect, .edge = true});
  cancel_button_ = AddButton(
      {.caption = t::kCancel, .rect = kCancelRect, .on_click = [this] { cancelled_ = true; }});
  cancel_button_.Enable(false);
  AddButton({.caption = t::kGo, .rect = kGoRect, .on_click = [this] { OnGo(); }}, kEnterKey);
  AddButton({.caption = t::kClose, .rect = kCloseRect, .on_click = [this] { OnClose(); }}, kEscKey);
}

void CompareWindow::OnClose() {
  if (running_) {
    cancelled_ = true;
    close_after_ = true;
    return;
  }
  Close();
}

CompareOutcome CompareWindow::Run(FileComparison& comparison) {
  namespace t = check_texts;
  const HWND window = hwnd();
  if (!window) return CompareOutcome::Cancelled;
  summary_.SetText(t::kComparing);
  running_ = true;
  cancelled_ = false;
  cancel_button_.Enable(true);
  // The open file must not change under the comparison.
  EnableWindow(owner(), FALSE);
  const CompareOutcome outcome = comparison.Run([this, window](double share) {
    progress_bar_.Show(static_cast<int>(share * progress_bar_.width()));
    if (!LetMessagesRun(window, true)) cancelled_ = true;
    return !cancelled_;
  });
  EnableWindow(owner(), TRUE);
  if (!IsWindow(window)) return outcome;
  running_ = false;
  cancel_button_.Enable(false);
  progress_bar_.Show(0);
  switch (outcome) {
    case CompareOutcome::Done:
      ShowSummary(comparison.summary());
      FillList(comparison.summary(), comparison);
      break;
    case CompareOutcome::Cancelled:
      summary_.SetText(t::kCompareCancelled);
      break;
    case CompareOutcome::OpenFailed:
      summary_.SetText(t::kCompareOpenFailed);
      ShowMessage(t::kCompareOpenFailed, MsgButtons::Ok, MsgIcon::Exclamation);
      break;
    case CompareOutcome::OtherOpenFailed:
      summary_.SetText(t::kCompareOtherFailed);
      ShowMessage(t::kCompareOtherFailed, MsgButtons::Ok, MsgIcon::Exclamation);
      break;
    case CompareOutcome::ReadFailed:
      summary_.SetText(t::kCompareReadFailed);
      ShowMessage(t::kCompareReadFailed, MsgButtons::Ok, MsgIcon::Exclamation);
      break;
  }
  if (close_after_) Close();
  return outcome;
}

void CompareWindow::ShowSummary(const CompareSummary& summary) {
  namespace t = check_texts;
  if (summary.same()) {
    summary_.SetText(t::kCompareSame);
    return;
  }
  std::wstring text = std::wstring(t::kCompareStretches) + GroupedDigits(summary.stretches) +
                      t::kCompareStretchesUnit + GroupedDigits(summary.differing_bytes) +
                      t::kCompareBytesUnit;
  if (summary.open_size == summary.other_size) {
    text += t::kCompareSameLength;
  } else {
    const bool open_longer = summary.open_size > summary.other_size;
    text += std::wstring(open_longer ? t::kCompareOpenLonger : t::kCompareOtherLonger) +
            GroupedDigits(open_longer ? summary.open_size - summary.other_size
                                      : summary.other_size - summary.open_size) +
            t::kCompareLongerBy;
  }
  if (!summary.all_listed()) {
    text += std::wstring(L"\r\n") + t::kCompareListedFirst + GroupedDigits(summary.listed.size()) +
            t::kCompareListedUnit;
  }
  summary_.SetText(text);
}

void CompareWindow::FillList(const CompareSummary& summary, const FileComparison& comparison) {
  listed_ = summary.listed;
  SendMessageW(list_.hwnd(), WM_SETREDRAW, FALSE, 0);
  SendMessageW(list_.hwnd(), LB_RESETCONTENT, 0, 0);
  fs::File open = fs::OpenFileForReading(comparison.open_path());
  fs::File other = fs::OpenFileForReading(comparison.other_path());
  const int digits = AddressDigits(std::max(summary.open_size, summary.other_size));
  for (const ByteRange& stretch : listed_) {
    list_.Add(HexAddress(stretch.first, digits) + L"  " + GroupedDigits(stretch.length) +
              check_texts::kStretchBytes + ShownBytes(open, stretch) + check_texts::kStretchSides +
              ShownBytes(other, stretch));
  }
  SendMessageW(list_.hwnd(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_.hwnd(), nullptr, TRUE);
  if (!listed_.empty()) list_.Select(0);
}

void CompareWindow::SelectStretch(const ByteRange& stretch) {
  if (!hwnd()) return;
  const auto it =
      std::lower_bound(listed_.begin(), listed_.end(), stretch.first,
                       [](const ByteRange& listed, int64_t first) { return listed.first < first; });
  if (it != listed_.end() && it->first == stretch.first) {
    list_.Select(static_cast<int>(it - listed_.begin()));
  }
}

void CompareWindow::OnGo() {
  const int index = list_.Selected();
  if (running_ || index < 0 || static_cast<size_t>(index) >= listed_.size()) return;
  host_.ShowStretch(listed_[static_cast<size_t>(index)]);
}

}  // namespace vx
