#include "app/settings/form6_win.h"

#include <string>

#include "app/settings/version_texts.h"
#include "common/ui/controls_win.h"

namespace vx {
namespace {

constexpr wchar_t kClassName[] = L"VanteloxForm6";

constexpr int kClientWidth = TwipsToPixels(2550);
constexpr int kClientHeight = TwipsToPixels(1935);
constexpr TwipRect kPicture1Rect{60, 60, 555, 555};
constexpr TwipRect kLabel1Rect{720, 60, 1515, 315};
constexpr TwipRect kLabel2Rect{900, 480, 1095, 195};
constexpr TwipRect kLabel3Rect{480, 720, 1995, 195};
constexpr TwipRect kCommand2Rect{1500, 1620, 735, 255};

// Label1's font is 15.75 points.
constexpr int kNameFontCentipoints = 1575;
constexpr int kTextFontCentipoints = 900;

// The main window's icon (GCLP_HICON) or its small form (GCLP_HICONSM); the
// stock one when the owner's class has none.
HICON OwnerIcon(HWND owner, int which) {
  HICON icon = owner ? reinterpret_cast<HICON>(GetClassLongPtrW(owner, which)) : nullptr;
  return icon ? icon : LoadIconW(nullptr, IDI_APPLICATION);
}

}  // namespace

void Form6::ShowModal(HWND owner) {
  Form_Load(owner);
  RunModal(Command2);
}

void Form6::Form_Load(HWND owner) {
  if (!CreateModalFrame(kClassName, version_texts::kCaption, kClientWidth, kClientHeight, owner)) {
    return;
  }
  name_font_ = MakeFont({version_texts::kNameFont, kNameFontCentipoints, FW_BOLD});
  text_font_ = MakeFont({version_texts::kNameFont, kTextFontCentipoints});
  const HICON icon = OwnerIcon(owner, GCLP_HICON);
  SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageW(hwnd(), WM_SETICON, ICON_SMALL,
               reinterpret_cast<LPARAM>(OwnerIcon(owner, GCLP_HICONSM)));
  Picture1 = MakeControl(hwnd(), {L"STATIC", L"", kPicture1Rect, SS_ICON | SS_CENTERIMAGE});
  SendMessageW(Picture1, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  // One line each, as wide and tall as the font makes it.
  constexpr DWORD kLabel = SS_LEFTNOWORDWRAP | SS_NOPREFIX;
  Label1 = MakeControl(
      hwnd(), {L"STATIC", version_texts::kProductName, kLabel1Rect, kLabel, 0, name_font_.get()});
  Label2 = MakeControl(
      hwnd(), {L"STATIC", std::wstring(version_texts::kVersionPrefix) + version_texts::kVersion,
               kLabel2Rect, kLabel, 0, text_font_.get()});
  Label3 = MakeControl(
      hwnd(), {L"STATIC", version_texts::kMaker, kLabel3Rect, kLabel, 0, text_font_.get()});
  for (HWND label : {Label1, Label2, Label3}) FitLabelToText(label);
  // IDCANCEL, so that Esc presses it.
  Command2 = MakeControl(hwnd(), {L"BUTTON", version_texts::kClose, kCommand2Rect,
                                  WS_TABSTOP | BS_DEFPUSHBUTTON, IDCANCEL, text_font_.get()});
}

bool Form6::OnCommand(int id, int) {
  if (id != IDCANCEL && id != IDOK) return false;
  CloseModal();  // Command2_Click
  return true;
}

}  // namespace vx
