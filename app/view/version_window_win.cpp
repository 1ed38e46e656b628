#include "app/view/version_window_win.h"

#include <string>

#include "app/settings/version_texts.h"
#include "common/product_version.h"
#include "common/ui/controls_win.h"
#include "common/ui/dpi_win.h"
#include "common/ui/font_faces.h"

namespace vx {
namespace {

constexpr TwipRect kPicture1Rect{60, 60, 555, 555};
constexpr TwipRect kLabel1Rect{720, 60, 1515, 315};
constexpr TwipRect kLabel2Rect{900, 480, 1095, 195};
constexpr TwipRect kLabel3Rect{480, 720, 1995, 195};
constexpr TwipRect kCommand2Rect{1500, 1620, 735, 255};

// The program's name stands out at 15.75 points, bold.
constexpr int kNameFontCentipoints = 1575;

}  // namespace

VersionWindow::VersionWindow()
    : ModalWindow({L"VanteloxVersionWindow", version_texts::kCaption, {2550, 1935}, VX_PROGRAM_ICON}) {}

void VersionWindow::CreateControls() {
  const int dpi = WindowDpi(hwnd());
  name_font_ = MakeFontForDpi({font_faces::kDialog, kNameFontCentipoints, FW_BOLD}, dpi);
  Picture1 = AddControl({L"STATIC", L"", kPicture1Rect, SS_ICON | SS_CENTERIMAGE});
  SendMessageW(Picture1, STM_SETICON,
               reinterpret_cast<WPARAM>(ProgramIcon(VX_PROGRAM_ICON, false, dpi)), 0);
  // One line each, as wide and tall as the font makes it.
  Label1 = AddControl({L"STATIC", version_texts::kProductName, kLabel1Rect,
                       SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, name_font_.get()});
  Label2 = AddLabel(std::wstring(version_texts::kVersionPrefix) + version_texts::kVersion,
                    kLabel2Rect, SS_LEFTNOWORDWRAP);
  Label3 = AddLabel(version_texts::kMaker, kLabel3Rect, SS_LEFTNOWORDWRAP);
  for (HWND label : {Label1, Label2, Label3}) FitLabelToText(label);
  // The one button is the window's default and cancel button alike.
  Command2 = AddButton(version_texts::kClose, kCommand2Rect, IDCANCEL, kEnterKey | kEscKey);
}

void VersionWindow::OnDpiChanged(int dpi) {
  ModalWindow::OnDpiChanged(dpi);
  Font font = MakeFontForDpi({font_faces::kDialog, kNameFontCentipoints, FW_BOLD}, dpi);
  SetControlFont(Label1, font.get(), true);
  name_font_ = std::move(font);
  SendMessageW(Picture1, STM_SETICON,
               reinterpret_cast<WPARAM>(ProgramIcon(VX_PROGRAM_ICON, false, dpi)), 0);
  for (HWND label : {Label1, Label2, Label3}) FitLabelToText(label);
}

bool VersionWindow::OnCommand(int id, int) {
  if (id != IDCANCEL) return false;
  Close();
  return true;
}

}  // namespace vx
