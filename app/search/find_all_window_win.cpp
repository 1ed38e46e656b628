#include "app/search/find_all_window_win.h"

#include <algorithm>

#include "app/file/edited_file.h"
#include "app/search/match_row.h"
#include "app/search/search_window_texts.h"
#include "app/search/stoppable_search.h"
#include "common/digit_groups.h"
#include "common/ui/controls_win.h"
#include "common/ui/dpi_win.h"
#include "common/ui/message_pump_win.h"

namespace vx {
namespace {

constexpr TwipSize kClientSize{9000, 6000};
constexpr TwipRect kStatusRect{120, 120, 8760, 210};
constexpr TwipRect kStaleRect{120, 390, 8760, 210};
constexpr TwipRect kListRect{120, 660, 8760, 4740};
constexpr TwipRect kSearchAgainRect{120, 5550, 1020, 300};
constexpr TwipRect kStopRect{1260, 5550, 855, 300};
constexpr TwipRect kCloseRect{7860, 5550, 1020, 300};

}  // namespace

FindAllWindow::FindAllWindow(FindAllHost& host)
    : ModalWindow({L"VanteloxFindAllWindow", search_window_texts::kFindAllCaption, kClientSize}),
      host_(host) {}

void FindAllWindow::CreateControls() {
  namespace t = search_window_texts;
  const ControlSite site = DialogSite();
  status_label_ = MakeLabel(site, {L"", kStatusRect});
  stale_label_ = MakeLabel(site, {t::kStale, kStaleRect});
  stale_label_.Show(false);
  list_ = MakeListView(site,
                       {.rect = kListRect,
                        .columns = {{t::kHexAddressColumn, 110},
                                    {t::kDecimalAddressColumn, 120},
                                    {t::kBytesColumn, 210},
                                    {t::kTextColumn, 120}},
                        .cell_text = [this](int row, int column) { return CellText(row, column); },
                        .on_activate = [this](int row) { OnRowChosen(row); }});
  search_again_button_ = AddButton(
      {.caption = t::kSearchAgain, .rect = kSearchAgainRect, .on_click = [this] { Search(); }});
  stop_button_ = AddButton(
      {.caption = t::kStop, .rect = kStopRect, .on_click = [this] { stop_asked_ = true; }});
  close_button_ = AddButton(
      {.caption = t::kClose, .rect = kCloseRect, .on_click = [this] { OnClose(); }}, kEscKey);
}

void FindAllWindow::List(HWND owner, const SearchPattern& pattern, const SearchScope& scope) {
  if (!hwnd()) {
    if (!Open(owner)) return;
    PlaceBesideOwner();
  }
  pattern_ = pattern;
  scope_ = scope;
  ShowWindow(hwnd(), SW_SHOWNORMAL);
  SetForegroundWindow(hwnd());
  Search();
}

void FindAllWindow::PlaceBesideOwner() {
  RECT owner_rect, own;
  GetWindowRect(owner(), &owner_rect);
  GetWindowRect(hwnd(), &own);
  const int width = own.right - own.left;
  const int height = own.bottom - own.top;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(owner(), MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  // Right of the main window where there is room, else left of it, else
  // over its right edge, inside the work area.
  int x = owner_rect.right;
  if (x + width > work.right) x = owner_rect.left - width;
  if (x < work.left) x = work.right - width;
  const int y = std::clamp<int>(owner_rect.top, work.top, std::max(work.top, work.bottom - height));
  SetWindowPos(hwnd(), nullptr, std::max<int>(x, work.left), y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FindAllWindow::Search() {
  namespace t = search_window_texts;
  offsets_.clear();
  count_ = 0;
  stale_label_.Show(false);
  list_.SetRowCount(0);
  running_ = true;
  stop_asked_ = false;
  search_again_button_.Enable(false);
  stop_button_.Enable(true);
  // Nothing may change the file while its matches are counted.
  EnableWindow(owner(), FALSE);
  ShowStatus(t::kStillSearching);
  const FindAllResult result = FindAllUnlessStopped(
      EditedFile(host_.SearchedFileName()), pattern_, scope_,
      [&](int64_t offset, std::span<const uint8_t>) {
        if (++count_ <= kListedMatches) offsets_.push_back(offset);
        return true;
      },
      host_.Progress(),
      [&] {
        list_.SetRowCount(static_cast<int>(offsets_.size()));
        ShowStatus(t::kStillSearching);
        if (!LetMessagesRun(hwnd(), true)) stop_asked_ = true;
        return !stop_asked_;
      });
  count_ = result.count;
  const wchar_t* ending = result.outcome == FindAllOutcome::Failed      ? t::kFailed
                          : result.outcome == FindAllOutcome::Cancelled ? t::kStopped
                                                                        : L"";
  running_ = false;
  EnableWindow(owner(), TRUE);
  if (!hwnd()) return;
  list_.SetRowCount(static_cast<int>(offsets_.size()));
  ShowStatus(ending);
  search_again_button_.Enable(true);
  stop_button_.Enable(false);
  if (stop_asked_ && closing_) Close();
}

void FindAllWindow::ShowStatus(const wchar_t* state) {
  namespace t = search_window_texts;
  std::wstring text = t::kFoundCount + GroupedDigits(count_);
  if (count_ > static_cast<int64_t>(offsets_.size())) {
    text +=
        t::kListedFirst + GroupedDigits(static_cast<int64_t>(offsets_.size())) + t::kListedFirstEnd;
  }
  status_label_.SetText(text + state);
}

void FindAllWindow::MarkStale() {
  if (!hwnd() || offsets_.empty()) return;
  stale_label_.Show(true);
}

void FindAllWindow::OnRowChosen(int row) {
  if (row < 0 || static_cast<size_t>(row) >= offsets_.size()) return;
  host_.ShowMatch(offsets_[static_cast<size_t>(row)], pattern_.length());
}

std::wstring FindAllWindow::CellText(int row, int column) const {
  if (row < 0 || static_cast<size_t>(row) >= offsets_.size()) return {};
  const int64_t offset = offsets_[static_cast<size_t>(row)];
  switch (column) {
    case 0:
      return HexAddressText(offset);
    case 1:
      return GroupedDigits(offset);
    default:
      break;
  }
  const EditedFile file(host_.SearchedFileName());
  const MatchStretch stretch = StretchAround(offset, pattern_.length(), file.Length());
  std::vector<uint8_t> bytes(static_cast<size_t>(stretch.count));
  if (file.Read(stretch.first, bytes) != ReadResult::Read) return {};
  return column == 2 ? StretchHex(bytes, stretch, offset, pattern_.length()) : StretchText(bytes);
}

void FindAllWindow::OnClose() {
  if (running_) {
    stop_asked_ = true;
    closing_ = true;
    return;
  }
  Close();
}

}  // namespace vx
