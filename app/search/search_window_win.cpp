#include "app/search/search_window_win.h"

#include "app/search/search_messages.h"
#include "app/search/search_window_texts.h"
#include "common/message_box.h"
#include "common/ui/controls_win.h"

namespace vx {
namespace {

constexpr TwipRect kDataLabelRect{120, 120, 1500, 195};
constexpr TwipRect kDataFieldRect{120, 360, 2745, 300};
constexpr TwipRect kTargetFrameRect{120, 780, 1335, 735};
constexpr TwipRect kBytesOptionRect{240, 1020, 1155, 210};
constexpr TwipRect kTextOptionRect{240, 1260, 1155, 210};
constexpr TwipRect kStartFrameRect{1530, 780, 1335, 735};
constexpr TwipRect kFromBeginningOptionRect{1650, 1020, 1155, 210};
constexpr TwipRect kFromCaretOptionRect{1650, 1260, 1155, 210};
constexpr TwipRect kSearchButtonRect{120, 1620, 615, 300};
constexpr TwipRect kFindNextButtonRect{795, 1620, 855, 300};
constexpr TwipRect kCloseButtonRect{1710, 1620, 615, 300};
constexpr TwipRect kExplainButtonRect{2385, 1620, 480, 300};
constexpr TwipRect kHelpRect{120, 2040, 2745, 1755};

// The options' indexes in their groups.
enum TargetOption { kBytesOption, kTextOption };
enum StartOption { kFromBeginningOption, kFromCaretOption };

}  // namespace

SearchWindow::SearchWindow(SearchHost& host)
    : ModalWindow({L"VanteloxSearchWindow", search_window_texts::kCaption, {2985, 1980}}),
      host_(host) {}

void SearchWindow::CreateControls() {
  namespace t = search_window_texts;
  const ControlSite site = DialogSite();
  // Creation order is the Tab order.
  MakeLabel(site, {t::kDataLabel, kDataLabelRect});
  data_field_ = MakeEditField(site, {.rect = kDataFieldRect,
                                     .on_change = [this] { HideFindNext(); },
                                     .style = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_GROUP});
  MakeGroupFrame(site, {t::kTargetFrame, kTargetFrameRect, WS_GROUP});
  target_options_ = MakeOptionGroup(
      site, {.options = {{t::kBytes, kBytesOptionRect}, {t::kText, kTextOptionRect}},
             .chosen = kBytesOption,
             .on_choose = [this](int) { HideFindNext(); }});
  MakeGroupFrame(site, {t::kStartFrame, kStartFrameRect, WS_GROUP});
  start_options_ = MakeOptionGroup(site, {.options = {{t::kFromBeginning, kFromBeginningOptionRect},
                                                      {t::kFromCaret, kFromCaretOptionRect}},
                                          .chosen = kFromBeginningOption,
                                          .on_choose = [this](int) { HideFindNext(); }});
  search_button_ = AddButton({.caption = t::kSearch,
                              .rect = kSearchButtonRect,
                              .on_click = [this] { OnSearch(); },
                              .more_style = WS_GROUP},
                             kEnterKey);
  find_next_button_ = AddButton(
      {.caption = t::kFindNext, .rect = kFindNextButtonRect, .on_click = [this] { OnFindNext(); }});
  close_button_ = AddButton(
      {.caption = t::kClose, .rect = kCloseButtonRect, .on_click = [this] { Close(); }}, kEscKey);
  explain_button_ = AddButton(
      {.caption = t::kExplain, .rect = kExplainButtonRect, .on_click = [this] { OnExplain(); }});
  // The help text lies just below the client area at opening; it is as tall
  // as its lines need in the font it got, so that "説明" uncovers all of them.
  help_ = MakeLabel(site, {t::kHelp, kHelpRect});
  FitLabelToText(help_.hwnd());
  find_next_button_.Show(false);
}

SearchKind SearchWindow::Kind() const {
  return target_options_.Chosen() == kTextOption ? SearchKind::Text : SearchKind::Bytes;
}

void SearchWindow::OnSearch() {
  SearchPattern pattern;
  if (const auto message = ParsePattern(data_field_.Text(), {.kind = Kind()}, pattern)) {
    ShowMessage(*message, MsgButtons::Ok, MsgIcon::Critical);
    return;
  }
  const int64_t from = start_options_.Chosen() == kFromBeginningOption ? 0 : host_.CaretOffset();
  EnableSearching(false);
  const FindResult result =
      host_.Search().Start(EditedFile(host_.SearchedFileName()), from, pattern);
  EnableSearching(true);
  ShowResult(result);
}

void SearchWindow::OnFindNext() {
  EnableSearching(false);
  const FindResult result = host_.Search().ContinueInWindow(EditedFile(host_.SearchedFileName()));
  EnableSearching(true);
  find_next_button_.Focus();
  ShowResult(result);
}

void SearchWindow::ShowResult(const FindResult& result) {
  if (host_.ShowSearchResult(result)) {
    find_next_button_.Show(true);
    find_next_button_.Focus();
  } else {
    // The search must be started again, so the data field takes the keys.
    HideFindNext();
    data_field_.Focus();
  }
}

void SearchWindow::EnableSearching(bool enabled) const {
  for (const PushButton& button : {search_button_, close_button_, find_next_button_}) {
    button.Enable(enabled);
  }
  target_options_.Enable(enabled);
  start_options_.Enable(enabled);
}

void SearchWindow::HideFindNext() const { find_next_button_.HideFor(data_field_); }

void SearchWindow::OnExplain() {
  // The client area grows down to the help text's bottom.
  RECT help, client, frame;
  GetWindowRect(help_.hwnd(), &help);
  MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&help), 2);
  GetClientRect(hwnd(), &client);
  GetWindowRect(hwnd(), &frame);
  SetWindowPos(hwnd(), nullptr, 0, 0, frame.right - frame.left,
               frame.bottom - frame.top + help.bottom - client.bottom,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  explain_button_.HideFor(search_button_);
}

}  // namespace vx
