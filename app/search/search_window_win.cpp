#include "app/search/search_window_win.h"

#include <string>
#include <vector>

#include "app/search/search_messages.h"
#include "app/search/search_window_texts.h"
#include "common/message_box.h"
#include "common/ui/controls_win.h"

namespace vx {
namespace {

constexpr TwipRect kLabel2Rect{120, 120, 1500, 195};
constexpr TwipRect kText1Rect{120, 360, 2745, 300};
constexpr TwipRect kFrame1Rect{120, 780, 1335, 735};
constexpr TwipRect kOption1Rects[2]{{240, 1260, 1155, 210}, {240, 1020, 1155, 210}};
constexpr TwipRect kFrame2Rect{1530, 780, 1335, 735};
constexpr TwipRect kOption2Rects[2]{{1650, 1260, 1155, 210}, {1650, 1020, 1155, 210}};
constexpr TwipRect kCommand1Rect{120, 1620, 615, 300};
constexpr TwipRect kCommand3Rect{795, 1620, 855, 300};
constexpr TwipRect kCommand2Rect{1710, 1620, 615, 300};
constexpr TwipRect kCommand4Rect{2385, 1620, 480, 300};
constexpr TwipRect kLabel1Rect{120, 2040, 2745, 1755};

// Command1 is IDOK so that Enter searches, Command2 IDCANCEL so that Esc closes.
enum ControlId {
  kText1 = 101,
  kCommand3,
  kCommand4,
  kOption1 = 110,  // + index
  kOption2 = 120,  // + index
};

}  // namespace

SearchWindow::SearchWindow(SearchHost& host)
    : ModalWindow({L"VanteloxSearchWindow", search_window_texts::kCaption, {2985, 1980}}), host_(host) {}

void SearchWindow::CreateControls() {
  namespace t = search_window_texts;
  constexpr DWORD kOption = BS_AUTORADIOBUTTON;
  // Creation order is the Tab order; WS_GROUP starts each set of options.
  Label2 = AddLabel(t::kDataLabel, kLabel2Rect);
  Text1 = AddControl(
      {L"EDIT", L"", kText1Rect, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_GROUP, kText1});
  Frame1 = AddControl({L"BUTTON", t::kTargetFrame, kFrame1Rect, BS_GROUPBOX | WS_GROUP});
  Option1[1] = AddControl(
      {L"BUTTON", t::kBytes, kOption1Rects[1], kOption | WS_GROUP | WS_TABSTOP, kOption1 + 1});
  Option1[0] = AddControl({L"BUTTON", t::kText, kOption1Rects[0], kOption, kOption1});
  Frame2 = AddControl({L"BUTTON", t::kStartFrame, kFrame2Rect, BS_GROUPBOX | WS_GROUP});
  Option2[1] = AddControl({L"BUTTON", t::kFromBeginning, kOption2Rects[1],
                           kOption | WS_GROUP | WS_TABSTOP, kOption2 + 1});
  Option2[0] = AddControl({L"BUTTON", t::kFromCaret, kOption2Rects[0], kOption, kOption2});
  Command1 = AddButton(t::kSearch, kCommand1Rect, IDOK, kEnterKey, WS_GROUP);
  Command3 = AddButton(t::kFindNext, kCommand3Rect, kCommand3);
  Command2 = AddButton(t::kClose, kCommand2Rect, IDCANCEL, kEscKey);
  Command4 = AddButton(t::kExplain, kCommand4Rect, kCommand4);
  // Label1 lies just below the client area at opening; it is as tall as its
  // lines need in the font it got, so that "説明" uncovers all of them.
  Label1 = AddLabel(t::kHelp, kLabel1Rect);
  FitLabelToText(Label1);
  SetChecked(Option1[static_cast<int>(SearchTarget::Bytes)], true);
  SetChecked(Option2[1], true);
  ShowWindow(Command3, SW_HIDE);
}

SearchTarget SearchWindow::Target() const {
  return IsChecked(Option1[static_cast<int>(SearchTarget::Bytes)]) ? SearchTarget::Bytes
                                                                   : SearchTarget::Text;
}

void SearchWindow::FindStart() {
  std::vector<uint8_t> pattern;
  const PatternRefusal refusal = PatternFromText(ControlText(Text1), Target(), pattern);
  if (const wchar_t* message = RefusalMessage(refusal)) {
    ShowMessage(message, MsgButtons::Ok, MsgIcon::Critical);
    return;
  }
  const int32_t from = IsChecked(Option2[1]) ? 0 : host_.GetSeekFromCaret();
  AllEnabled(false);
  const FindResult result =
      host_.Search().Start(EditedFile(host_.SearchedFileName()), from, pattern);
  AllEnabled(true);
  FindAfter(result);
}

void SearchWindow::Command3_Click() {
  AllEnabled(false);
  const FindResult result = host_.Search().ContinueInWindow(EditedFile(host_.SearchedFileName()));
  AllEnabled(true);
  SetFocus(Command3);
  FindAfter(result);
}

void SearchWindow::FindAfter(const FindResult& result) {
  if (host_.FindAfter(result)) {
    ShowWindow(Command3, SW_SHOW);
    SetFocus(Command3);
  } else {
    // The search must be started again, so the data field takes the keys.
    HideCommand3();
    SetFocus(Text1);
  }
}

void SearchWindow::AllEnabled(bool value) {
  for (HWND h : {Command1, Command2, Command3, Option1[0], Option1[1], Option2[0], Option2[1]}) {
    EnableControl(h, value);
  }
}

void SearchWindow::HideCommand3() { HideControl(Command3, Text1); }

void SearchWindow::Command4_Click() {
  // The client area grows down to the help text's bottom.
  RECT help, client, r;
  GetWindowRect(Label1, &help);
  MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&help), 2);
  GetClientRect(hwnd(), &client);
  GetWindowRect(hwnd(), &r);
  SetWindowPos(hwnd(), nullptr, 0, 0, r.right - r.left,
               r.bottom - r.top + help.bottom - client.bottom,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  HideControl(Command4, Command1);
}

void SearchWindow::Command2_Click() { Close(); }

bool SearchWindow::OnCommand(int id, int code) {
  switch (id) {
    case IDOK:
      FindStart();
      break;
    case IDCANCEL:
      Command2_Click();
      break;
    case kCommand3:
      Command3_Click();
      break;
    case kCommand4:
      Command4_Click();
      break;
    case kOption1:
    case kOption1 + 1:
    case kOption2:
    case kOption2 + 1:
      // Option1_Click, Option2_Click: a changed search starts again with "検索".
      if (code == BN_CLICKED) HideCommand3();
      break;
    case kText1:
      if (code == EN_CHANGE) HideCommand3();  // Text1_Change
      break;
    default:
      return false;
  }
  return true;
}

}  // namespace vx
