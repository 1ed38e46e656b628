#include "app/settings/form6_win.h"

#include <string>

#include "app/controls/owned_window_proc_win.h"
#include "app/controls/modal_window_win.h"
#include "app/settings/version_texts.h"

namespace vx {
namespace {

constexpr wchar_t kClassName[] = L"VanteloxForm6";

constexpr int kClientWidth = 2550 / kTwipsPerPixel;
constexpr int kClientHeight = 1935 / kTwipsPerPixel;
constexpr TwipRect kPicture1Rect{60, 60, 555, 555};
constexpr TwipRect kLabel1Rect{720, 60, 1515, 315};
constexpr TwipRect kLabel2Rect{900, 480, 1095, 195};
constexpr TwipRect kLabel3Rect{480, 720, 1995, 195};
constexpr TwipRect kCommand2Rect{1500, 1620, 735, 255};

// Label1's font is 15.75 points.
constexpr int kNameFontCentipoints = 1575;
constexpr int kTextFontCentipoints = 900;

// The main window's icon; the stock one while the program has none of its own.
HICON OwnerIcon(HWND owner) {
  HICON icon = owner ? reinterpret_cast<HICON>(GetClassLongPtrW(owner, GCLP_HICON)) : nullptr;
  return icon ? icon : LoadIconW(nullptr, IDI_APPLICATION);
}

}  // namespace

Form6::~Form6() {
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

void Form6::ShowModal(HWND owner) {
  Form_Load(owner);
  if (!hwnd_) return;
  EnableWindow(owner, FALSE);
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  SetFocus(Command2);
  RunModalLoop(hwnd_);
  if (hwnd_) Command2_Click();
}

void Form6::Form_Load(HWND owner) {
  owner_ = owner;
  CreateModalFrame(kClassName, &OwnedWindowProc<Form6>, version_texts::kCaption, kClientWidth,
                   kClientHeight, owner, this);
  if (!hwnd_) return;

  name_font_ = MakeDialogFont(version_texts::kNameFont, kNameFontCentipoints, FW_BOLD);
  text_font_ = MakeDialogFont(version_texts::kNameFont, kTextFontCentipoints, FW_NORMAL);
  const HICON icon = OwnerIcon(owner);
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  Picture1 = MakeChild(hwnd_, L"STATIC", L"", SS_ICON | SS_CENTERIMAGE, kPicture1Rect, 0, nullptr);
  SendMessageW(Picture1, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  Label1 = MakeChild(hwnd_, L"STATIC", version_texts::kProductName, SS_LEFT | SS_NOPREFIX,
                     kLabel1Rect, 0, name_font_.get());
  Label2 = MakeChild(hwnd_, L"STATIC",
                     std::wstring(version_texts::kVersionPrefix) + version_texts::kVersion,
                     SS_LEFT | SS_NOPREFIX, kLabel2Rect, 0, text_font_.get());
  Label3 = MakeChild(hwnd_, L"STATIC", version_texts::kMaker, SS_LEFT | SS_NOPREFIX, kLabel3Rect, 0,
                     text_font_.get());
  // IDCANCEL, so that Esc presses it.
  Command2 = MakeChild(hwnd_, L"BUTTON", version_texts::kClose, WS_TABSTOP | BS_DEFPUSHBUTTON,
                       kCommand2Rect, IDCANCEL, text_font_.get());
}

void Form6::Command2_Click() {
  // The owner is enabled before this window goes, so that it gets the focus back.
  EnableWindow(owner_, TRUE);
  DestroyWindow(hwnd_);
}

LRESULT Form6::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  if (HandleModalFrameMessage(hwnd_, msg, wp, [this] { Command2_Click(); }, result)) return result;
  switch (msg) {
    case WM_COMMAND:
      if (LOWORD(wp) == IDCANCEL || LOWORD(wp) == IDOK) {
        Command2_Click();
        return 0;
      }
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

}  // namespace vx
