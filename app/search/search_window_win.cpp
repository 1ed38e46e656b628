#include "app/search/search_window_win.h"

#include <algorithm>
#include <vector>

#include "app/search/search_messages.h"
#include "app/search/search_window_texts.h"
#include "common/digit_groups.h"
#include "common/message_box.h"
#include "common/ui/controls_win.h"
#include "common/ui/message_pump_win.h"

namespace vx {
namespace {

constexpr TwipRect kDataLabelRect{120, 120, 1500, 195};
constexpr TwipRect kDataFieldRect{120, 360, 5160, 300};
constexpr TwipRect kReplacementLabelRect{120, 780, 1500, 195};
constexpr TwipRect kReplacementFieldRect{120, 1020, 5160, 300};
constexpr TwipRect kTargetFrameRect{120, 1440, 3240, 1560};
constexpr TwipRect kBytesOptionRect{240, 1680, 1000, 210};
constexpr TwipRect kTextOptionRect{240, 1920, 1000, 210};
constexpr TwipRect kNumberOptionRect{240, 2160, 1000, 210};
// Dropped, the list of forms reaches below its box.
constexpr TwipRect kFormListRect{1320, 1650, 1920, 1800};
constexpr TwipRect kIgnoreCaseRect{240, 2430, 3000, 210};
constexpr TwipRect kBigEndianRect{240, 2700, 3000, 210};
constexpr TwipRect kStartFrameRect{3480, 1440, 1800, 1560};
constexpr TwipRect kFromBeginningOptionRect{3600, 1680, 1560, 210};
constexpr TwipRect kFromCaretOptionRect{3600, 1920, 1560, 210};
constexpr TwipRect kInSelectionRect{3600, 2430, 1560, 210};
constexpr TwipRect kSearchButtonRect{120, 3120, 615, 300};
constexpr TwipRect kFindNextButtonRect{795, 3120, 855, 300};
constexpr TwipRect kFindPreviousButtonRect{1710, 3120, 855, 300};
constexpr TwipRect kFindAllButtonRect{2625, 3120, 1020, 300};
constexpr TwipRect kReplaceButtonRect{120, 3480, 615, 300};
constexpr TwipRect kReplaceAllButtonRect{795, 3480, 1020, 300};
constexpr TwipRect kCloseButtonRect{3945, 3480, 615, 300};
constexpr TwipRect kExplainButtonRect{4620, 3480, 660, 300};
constexpr TwipRect kHelpRect{120, 3960, 5160, 1755};
constexpr TwipSize kClientSize{5400, 3900};

// The options' indexes in their groups.
enum TargetOption { kBytesOption, kTextOption, kNumberOption };
enum StartOption { kFromBeginningOption, kFromCaretOption };

// The search kinds of the text forms, in the list's order.
constexpr SearchKind kTextKinds[] = {SearchKind::Text, SearchKind::Utf8, SearchKind::Utf16Le,
                                     SearchKind::Utf16Be};
// The number forms: integers of 1, 2, 4 and 8 bytes, then floating point.
constexpr int kIntegerForms = 4;
constexpr int kNumberWidths[] = {1, 2, 4, 8, 4, 8};

std::vector<std::wstring> FormsOf(int target) {
  namespace t = search_window_texts;
  if (target == kTextOption) return {std::begin(t::kTextForms), std::end(t::kTextForms)};
  if (target == kNumberOption) return {std::begin(t::kNumberForms), std::end(t::kNumberForms)};
  return {};
}

// Keys and clicks given while the file was being changed were meant for
// the stop button that no longer stops anything: they are not taken for
// new commands.
void DropInputGivenMeanwhile() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
  }
  while (PeekMessageW(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
  }
}

}  // namespace

SearchWindow::SearchWindow(SearchHost& host, bool replacing)
    : ModalWindow({L"VanteloxSearchWindow", search_window_texts::kCaption, kClientSize}),
      host_(host),
      replacing_(replacing) {}

void SearchWindow::CreateControls() {
  namespace t = search_window_texts;
  const ControlSite site = DialogSite();
  // Creation order is the Tab order.
  MakeLabel(site, {t::kDataLabel, kDataLabelRect});
  data_field_ = MakeEditField(site, {.rect = kDataFieldRect,
                                     .on_change = [this] { HideFindNext(); },
                                     .style = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_GROUP});
  MakeLabel(site, {t::kReplacementLabel, kReplacementLabelRect});
  replacement_field_ = MakeEditField(
      site,
      {.rect = kReplacementFieldRect, .style = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_GROUP});
  MakeGroupFrame(site, {t::kTargetFrame, kTargetFrameRect, WS_GROUP});
  target_options_ = MakeOptionGroup(site, {.options = {{t::kBytes, kBytesOptionRect},
                                                       {t::kText, kTextOptionRect},
                                                       {t::kNumber, kNumberOptionRect}},
                                           .chosen = kBytesOption,
                                           .on_choose = [this](int) { OnTargetChosen(); }});
  form_list_ = MakeComboBox(site, {.rect = kFormListRect,
                                   .items = {},
                                   .on_select = [this](int) { HideFindNext(); },
                                   .style = CBS_DROPDOWNLIST | WS_TABSTOP | WS_VSCROLL | WS_GROUP});
  ignore_case_box_ = MakeCheckBox(site, {.caption = t::kIgnoreCase,
                                         .rect = kIgnoreCaseRect,
                                         .on_change = [this](bool) { HideFindNext(); }});
  big_endian_box_ = MakeCheckBox(site, {.caption = t::kBigEndian,
                                        .rect = kBigEndianRect,
                                        .on_change = [this](bool) { HideFindNext(); }});
  MakeGroupFrame(site, {t::kStartFrame, kStartFrameRect, WS_GROUP});
  start_options_ = MakeOptionGroup(site, {.options = {{t::kFromBeginning, kFromBeginningOptionRect},
                                                      {t::kFromCaret, kFromCaretOptionRect}},
                                          .chosen = kFromBeginningOption,
                                          .on_choose = [this](int) { HideFindNext(); }});
  in_selection_box_ = MakeCheckBox(site, {.caption = t::kInSelection,
                                          .rect = kInSelectionRect,
                                          .on_change = [this](bool) { HideFindNext(); },
                                          .more_style = WS_GROUP});
  // The selection the window was opened on: a match it finds is selected
  // in its place, and must not become the next search's scope.
  if (const std::optional<ByteRange> selected = host_.SelectedBytes()) {
    selection_scope_ = SearchScope{selected->first, selected->first + selected->length};
  }
  in_selection_box_.Enable(selection_scope_.has_value());
  // Enter presses "置換" in a window opened to replace, else "検索".
  search_button_ = AddButton({.caption = t::kSearch,
                              .rect = kSearchButtonRect,
                              .on_click = [this] { OnSearch(); },
                              .more_style = WS_GROUP},
                             replacing_ ? kClickOnly : kEnterKey);
  find_next_button_ = AddButton(
      {.caption = t::kFindNext, .rect = kFindNextButtonRect, .on_click = [this] { OnFindNext(); }});
  find_previous_button_ =
      AddButton({.caption = t::kFindPrevious, .rect = kFindPreviousButtonRect, .on_click = [this] {
                   OnFindPrevious();
                 }});
  find_all_button_ = AddButton(
      {.caption = t::kFindAll, .rect = kFindAllButtonRect, .on_click = [this] { OnFindAll(); }});
  replace_button_ = AddButton(
      {.caption = t::kReplace, .rect = kReplaceButtonRect, .on_click = [this] { OnReplace(); }},
      replacing_ ? kEnterKey : kClickOnly);
  replace_all_button_ =
      AddButton({.caption = t::kReplaceAll, .rect = kReplaceAllButtonRect, .on_click = [this] {
                   if (working_) {
                     stop_asked_ = true;
                   } else {
                     OnReplaceAll();
                   }
                 }});
  close_button_ = AddButton(
      {.caption = t::kClose, .rect = kCloseButtonRect, .on_click = [this] { OnClose(); }}, kEscKey);
  explain_button_ = AddButton(
      {.caption = t::kExplain, .rect = kExplainButtonRect, .on_click = [this] { OnExplain(); }});
  // The help text lies just below the client area at opening; it is as tall
  // as its lines need in the font it got, so that "説明" uncovers all of them.
  help_ = MakeLabel(site, {t::kHelp, kHelpRect});
  FitLabelToText(help_.hwnd());
  find_next_button_.Show(false);
  OnTargetChosen();
}

void SearchWindow::OnClose() {
  // The close box and Esc stop the work that runs; the window stays.
  if (working_) {
    stop_asked_ = true;
    return;
  }
  Close();
}

void SearchWindow::OnTargetChosen() {
  const int target = target_options_.Chosen();
  SendMessageW(form_list_.hwnd(), CB_RESETCONTENT, 0, 0);
  for (const std::wstring& form : FormsOf(target)) form_list_.Add(form);
  if (form_list_.Count() > 0) form_list_.Select(target == kNumberOption ? 2 : 0);
  form_list_.Enable(target != kBytesOption);
  ignore_case_box_.Enable(target == kTextOption);
  big_endian_box_.Enable(target == kNumberOption);
  HideFindNext();
}

PatternOptions SearchWindow::ChosenOptions() const {
  PatternOptions options;
  const int form = std::max(form_list_.Selected(), 0);
  switch (target_options_.Chosen()) {
    case kTextOption:
      options.kind = kTextKinds[std::min(form, 3)];
      options.ignore_case = ignore_case_box_.Checked();
      break;
    case kNumberOption:
      options.kind = form < kIntegerForms ? SearchKind::Integer : SearchKind::Float;
      options.width = kNumberWidths[std::min(form, 5)];
      options.big_endian = big_endian_box_.Checked();
      break;
    default:
      options.kind = SearchKind::Bytes;
      break;
  }
  return options;
}

SearchScope SearchWindow::ChosenScope() const {
  return in_selection_box_.Checked() && selection_scope_ ? *selection_scope_ : SearchScope{};
}

std::optional<SearchPattern> SearchWindow::TypedPattern() {
  SearchPattern pattern;
  if (const std::optional<std::wstring> refusal =
          ParsePattern(data_field_.Text(), ChosenOptions(), pattern)) {
    ShowMessage(*refusal, MsgButtons::Ok, MsgIcon::Critical);
    data_field_.Focus();
    return std::nullopt;
  }
  return pattern;
}

std::optional<std::vector<uint8_t>> SearchWindow::TypedReplacement() {
  std::vector<uint8_t> bytes;
  if (const std::optional<std::wstring> refusal =
          ParseReplacement(replacement_field_.Text(), ChosenOptions(), bytes)) {
    ShowMessage(*refusal, MsgButtons::Ok, MsgIcon::Critical);
    replacement_field_.Focus();
    return std::nullopt;
  }
  return bytes;
}

void SearchWindow::OnSearch() {
  const std::optional<SearchPattern> pattern = TypedPattern();
  if (!pattern) return;
  const SearchScope scope = ChosenScope();
  const int64_t from = start_options_.Chosen() == kFromBeginningOption
                           ? scope.first
                           : std::clamp(host_.CaretOffset(), scope.first, scope.end);
  EnableSearching(false);
  const FindResult result =
      host_.Search().Start(EditedFile(host_.SearchedFileName()), from, *pattern, scope);
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

void SearchWindow::OnFindPrevious() {
  const std::optional<SearchPattern> pattern = TypedPattern();
  if (!pattern) return;
  EnableSearching(false);
  const FindResult result = host_.Search().StartBackward(
      EditedFile(host_.SearchedFileName()), host_.CaretOffset(), *pattern, ChosenScope());
  EnableSearching(true);
  if (host_.ShowSearchResult(result)) {
    find_previous_button_.Focus();
  } else {
    HideFindNext();
    data_field_.Focus();
  }
}

void SearchWindow::OnFindAll() {
  const std::optional<SearchPattern> pattern = TypedPattern();
  if (!pattern) return;
  const SearchScope scope = ChosenScope();
  // The list takes over beside the main window; this window is done.
  Close();
  host_.ListAllMatches(*pattern, scope);
}

void SearchWindow::OnReplace() {
  const std::optional<SearchPattern> pattern = TypedPattern();
  if (!pattern) return;
  const std::optional<std::vector<uint8_t>> replacement = TypedReplacement();
  if (!replacement) return;
  int64_t from = host_.CaretOffset();
  const std::optional<ByteRange> selected = host_.SelectedBytes();
  if (selected && selected->length == static_cast<int64_t>(pattern->length())) {
    std::vector<uint8_t> bytes(static_cast<size_t>(selected->length));
    const bool is_match =
        EditedFile(host_.SearchedFileName()).Read(selected->first, bytes) == ReadResult::Read &&
        pattern->Matches(bytes.data());
    if (is_match) {
      if (!host_.ReplaceMatch(selected->first, selected->length, *replacement)) return;
      from = selected->first + static_cast<int64_t>(replacement->size());
      // The selection searched in moves with a replace before it and grows
      // or shrinks with one inside it.
      const int64_t added = static_cast<int64_t>(replacement->size()) - selected->length;
      if (selection_scope_ && selected->first < selection_scope_->end) {
        if (selected->first < selection_scope_->first) selection_scope_->first += added;
        selection_scope_->end += added;
      }
    }
  }
  const SearchScope scope = ChosenScope();
  EnableSearching(false);
  const FindResult result =
      host_.Search().Start(EditedFile(host_.SearchedFileName()),
                           std::clamp(from, scope.first, scope.end), *pattern, scope);
  EnableSearching(true);
  if (host_.ShowSearchResult(result)) {
    replace_button_.Focus();
  } else {
    HideFindNext();
    data_field_.Focus();
  }
}

void SearchWindow::OnReplaceAll() {
  namespace t = search_window_texts;
  const std::optional<SearchPattern> pattern = TypedPattern();
  if (!pattern) return;
  const std::optional<std::vector<uint8_t>> replacement = TypedReplacement();
  if (!replacement) return;
  EnableSearching(false, true);
  const std::optional<int64_t> count =
      host_.ReplaceAll(*pattern, ChosenScope(), *replacement, [this] {
        LetMessagesRun(hwnd(), true);
        return !stop_asked_;
      });
  DropInputGivenMeanwhile();
  EnableSearching(true);
  HideFindNext();
  if (count) {
    ShowMessage(GroupedDigits(*count) + t::kReplacedCount);
  }
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

void SearchWindow::EnableSearching(bool enabled, bool stoppable) {
  namespace t = search_window_texts;
  working_ = !enabled;
  stop_asked_ = false;
  for (const PushButton& button : {search_button_, close_button_, find_next_button_,
                                   find_previous_button_, find_all_button_, replace_button_}) {
    button.Enable(enabled);
  }
  replace_all_button_.Enable(enabled || stoppable);
  replace_all_button_.SetText(enabled ? t::kReplaceAll : t::kStop);
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
