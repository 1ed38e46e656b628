#include "app/search/form5_win.h"

#include <string>
#include <vector>

#include "app/search/search_messages.h"
#include "app/search/search_window_texts.h"
#include "common/message_box.h"
#include "common/ui/controls_win.h"

namespace vx {
namespace {

constexpr wchar_t kClassName[] = L"VanteloxForm5";

constexpr int kClientWidth = TwipsToPixels(2985);
constexpr int kClientHeight = TwipsToPixels(1980);

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

constexpr int kFontCentipoints = 900;

// Command1 is IDOK so that Enter searches, Command2 IDCANCEL so that Esc closes.
enum ControlId {
  kText1 = 101,
  kCommand3,
  kCommand4,
  kOption1 = 110,  // + index
  kOption2 = 120,  // + index
};

bool Checked(HWND option) { return SendMessageW(option, BM_GETCHECK, 0, 0) == BST_CHECKED; }

}  // namespace

void Form5::ShowModal(HWND owner) {
  Form_Load(owner);
  RunModal(Text1);
}

void Form5::Form_Load(HWND owner) {
  if (!CreateModalFrame(kClassName, search_window_texts::kCaption, kClientWidth, kClientHeight,
                        owner)) {
    return;
  }
  font_ = MakeFont({search_window_texts::kFont, kFontCentipoints});
  CreateControls();
  SendMessageW(Option1[static_cast<int>(SearchTarget::Bytes)], BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(Option2[1], BM_SETCHECK, BST_CHECKED, 0);
  ShowWindow(Command3, SW_HIDE);
}

void Form5::CreateControls() {
  namespace t = search_window_texts;
  HFONT f = font_.get();
  constexpr DWORD kLabel = SS_LEFT | SS_NOPREFIX;
  constexpr DWORD kOption = BS_AUTORADIOBUTTON;
  constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
  // Creation order is the Tab order; WS_GROUP starts each set of options.
  Label2 = MakeControl(hwnd(), {L"STATIC", t::kDataLabel, kLabel2Rect, kLabel, 0, f});
  Text1 = MakeControl(hwnd(), {L"EDIT", L"", kText1Rect,
                               ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_GROUP, kText1, f});
  Frame1 =
      MakeControl(hwnd(), {L"BUTTON", t::kTargetFrame, kFrame1Rect, BS_GROUPBOX | WS_GROUP, 0, f});
  Option1[1] = MakeControl(hwnd(), {L"BUTTON", t::kBytes, kOption1Rects[1],
                                    kOption | WS_GROUP | WS_TABSTOP, kOption1 + 1, f});
  Option1[0] = MakeControl(hwnd(), {L"BUTTON", t::kText, kOption1Rects[0], kOption, kOption1, f});
  Frame2 =
      MakeControl(hwnd(), {L"BUTTON", t::kStartFrame, kFrame2Rect, BS_GROUPBOX | WS_GROUP, 0, f});
  Option2[1] = MakeControl(hwnd(), {L"BUTTON", t::kFromBeginning, kOption2Rects[1],
                                    kOption | WS_GROUP | WS_TABSTOP, kOption2 + 1, f});
  Option2[0] =
      MakeControl(hwnd(), {L"BUTTON", t::kFromCaret, kOption2Rects[0], kOption, kOption2, f});
  Command1 = MakeControl(hwnd(), {L"BUTTON", t::kSearch, kCommand1Rect,
                                  BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, IDOK, f});
  Command3 = MakeControl(hwnd(), {L"BUTTON", t::kFindNext, kCommand3Rect, kButton, kCommand3, f});
  Command2 = MakeControl(hwnd(), {L"BUTTON", t::kClose, kCommand2Rect, kButton, IDCANCEL, f});
  Command4 = MakeControl(hwnd(), {L"BUTTON", t::kExplain, kCommand4Rect, kButton, kCommand4, f});
  // Label1 lies just below the client area at opening; it is as tall as its
  // lines need in the font it got, so that "説明" uncovers all of them.
  Label1 = MakeControl(hwnd(), {L"STATIC", t::kHelp, kLabel1Rect, kLabel, 0, f});
  FitLabelToText(Label1);
}

SearchTarget Form5::Target() const {
  return Checked(Option1[static_cast<int>(SearchTarget::Bytes)]) ? SearchTarget::Bytes
                                                                 : SearchTarget::Text;
}

void Form5::FindStart() {
  std::vector<uint8_t> By;
  const int32_t code = GetByteFromText(ControlText(Text1), Target(), By);
  if (const wchar_t* refusal = RefusalMessage(code)) {
    ShowMessage(refusal, MsgButtons::Ok, MsgIcon::Critical);
    return;
  }
  const int32_t start = Checked(Option2[1]) ? 1 : host_.GetSeekFromCaret() + 1;
  AllEnabled(false);
  const int32_t r = host_.Search().FindStart(host_.SearchedFileName(), start, By);
  AllEnabled(true);
  FindAfter(r);
}

void Form5::Command3_Click() {
  AllEnabled(false);
  const int32_t r = host_.Search().FindNextInWindow(host_.SearchedFileName());
  AllEnabled(true);
  SetFocus(Command3);
  FindAfter(r);
}

void Form5::FindAfter(int32_t rc) {
  if (host_.FindAfter(rc)) {
    ShowWindow(Command3, SW_SHOW);
    SetFocus(Command3);
  } else {
    // The search must be started again, so the data field takes the keys.
    HideCommand3();
    SetFocus(Text1);
  }
}

void Form5::AllEnabled(bool value) {
  const BOOL on = value ? TRUE : FALSE;
  for (HWND h : {Command1, Command2, Command3, Option1[0], Option1[1], Option2[0], Option2[1]}) {
    EnableWindow(h, on);
  }
}

void Form5::HideCommand3() {
  // A hidden button must not keep the keys.
  if (GetFocus() == Command3) SetFocus(Text1);
  ShowWindow(Command3, SW_HIDE);
}

void Form5::Command4_Click() {
  // The client area grows down to the help text's bottom.
  RECT help, client, r;
  GetWindowRect(Label1, &help);
  MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&help), 2);
  GetClientRect(hwnd(), &client);
  GetWindowRect(hwnd(), &r);
  SetWindowPos(hwnd(), nullptr, 0, 0, r.right - r.left,
               r.bottom - r.top + help.bottom - client.bottom,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (GetFocus() == Command4) SetFocus(Command1);
  ShowWindow(Command4, SW_HIDE);
}

void Form5::Command2_Click() { CloseModal(); }

bool Form5::OnCommand(int id, int code) {
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
