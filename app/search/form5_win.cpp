#include "app/search/form5_win.h"

#include <string>
#include <vector>

#include "app/controls/owned_window_proc_win.h"
#include "app/search/search_messages.h"
#include "app/search/search_window_texts.h"
#include "app/view/form1_win.h"
#include "common/message_box.h"

namespace vx {
namespace {

constexpr wchar_t kClassName[] = L"VanteloxForm5";

constexpr int kClientWidth = 2985 / kTwipsPerPixel;
constexpr int kClientHeight = 1980 / kTwipsPerPixel;
// "説明" uncovers Label1, which lies just below the client area at opening.
constexpr int kHelpGrowth = 1815 / kTwipsPerPixel;

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

std::wstring WindowText(HWND h) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(h)), L'\0');
  const int n = GetWindowTextW(h, text.data(), static_cast<int>(text.size() + 1));
  text.resize(static_cast<size_t>(n > 0 ? n : 0));
  return text;
}

bool Checked(HWND option) { return SendMessageW(option, BM_GETCHECK, 0, 0) == BST_CHECKED; }

}  // namespace

Form5::~Form5() {
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

void Form5::ShowModal() {
  Form_Load();
  if (!hwnd_) return;
  EnableWindow(form_.hwnd(), FALSE);
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  SetFocus(Text1);
  RunModalLoop(hwnd_);
  if (hwnd_) Command2_Click();
}

void Form5::Form_Load() {
  CreateModalFrame(kClassName, &OwnedWindowProc<Form5>, search_window_texts::kCaption, kClientWidth,
                   kClientHeight, form_.hwnd(), this);
  if (!hwnd_) return;
  font_ = MakeDialogFont(search_window_texts::kFont, kFontCentipoints, FW_NORMAL);
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
  Label2 = MakeChild(hwnd_, L"STATIC", t::kDataLabel, kLabel, kLabel2Rect, 0, f);
  Text1 = MakeChild(hwnd_, L"EDIT", L"", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_GROUP,
                    kText1Rect, kText1, f);
  Frame1 = MakeChild(hwnd_, L"BUTTON", t::kTargetFrame, BS_GROUPBOX | WS_GROUP, kFrame1Rect, 0, f);
  Option1[1] = MakeChild(hwnd_, L"BUTTON", t::kBytes, kOption | WS_GROUP | WS_TABSTOP,
                         kOption1Rects[1], kOption1 + 1, f);
  Option1[0] = MakeChild(hwnd_, L"BUTTON", t::kText, kOption, kOption1Rects[0], kOption1, f);
  Frame2 = MakeChild(hwnd_, L"BUTTON", t::kStartFrame, BS_GROUPBOX | WS_GROUP, kFrame2Rect, 0, f);
  Option2[1] = MakeChild(hwnd_, L"BUTTON", t::kFromBeginning, kOption | WS_GROUP | WS_TABSTOP,
                         kOption2Rects[1], kOption2 + 1, f);
  Option2[0] = MakeChild(hwnd_, L"BUTTON", t::kFromCaret, kOption, kOption2Rects[0], kOption2, f);
  Command1 = MakeChild(hwnd_, L"BUTTON", t::kSearch, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP,
                       kCommand1Rect, IDOK, f);
  Command3 = MakeChild(hwnd_, L"BUTTON", t::kFindNext, kButton, kCommand3Rect, kCommand3, f);
  Command2 = MakeChild(hwnd_, L"BUTTON", t::kClose, kButton, kCommand2Rect, IDCANCEL, f);
  Command4 = MakeChild(hwnd_, L"BUTTON", t::kExplain, kButton, kCommand4Rect, kCommand4, f);
  Label1 = MakeChild(hwnd_, L"STATIC", t::kHelp, kLabel, kLabel1Rect, 0, f);
}

SearchTarget Form5::Target() const {
  return Checked(Option1[static_cast<int>(SearchTarget::Bytes)]) ? SearchTarget::Bytes
                                                                 : SearchTarget::Text;
}

void Form5::FindStart() {
  std::vector<uint8_t> By;
  const int32_t code = GetByteFromText(WindowText(Text1), Target(), By);
  if (const wchar_t* refusal = RefusalMessage(code)) {
    ShowMessage(refusal, MsgButtons::Ok, MsgIcon::Critical);
    return;
  }
  const int32_t start = Checked(Option2[1]) ? 1 : form_.GetSeekFromCaret() + 1;
  AllEnabled(false);
  const int32_t r = form_.Search().FindStart(form_.FileName, start, By);
  AllEnabled(true);
  FindAfter(r);
}

void Form5::Command3_Click() {
  AllEnabled(false);
  const int32_t r = form_.Search().FindNextInWindow(form_.FileName);
  AllEnabled(true);
  SetFocus(Command3);
  FindAfter(r);
}

void Form5::FindAfter(int32_t rc) {
  if (form_.FindAfter(rc)) {
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
  RECT r;
  GetWindowRect(hwnd_, &r);
  SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top + kHelpGrowth,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (GetFocus() == Command4) SetFocus(Command1);
  ShowWindow(Command4, SW_HIDE);
}

void Form5::Command2_Click() {
  // The owner is enabled before this window goes, so that it gets the focus back.
  EnableWindow(form_.hwnd(), TRUE);
  DestroyWindow(hwnd_);
}

void Form5::OnCommand(int id, int code) {
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
      break;
  }
}

LRESULT Form5::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  if (HandleModalFrameMessage(hwnd_, msg, wp, [this] { Command2_Click(); }, result)) return result;
  switch (msg) {
    case WM_COMMAND:
      OnCommand(LOWORD(wp), HIWORD(wp));
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

}  // namespace vx
