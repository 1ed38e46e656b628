#include "app/view/version_window_win.h"

#include <string>

#include "app/settings/version_texts.h"
#include "common/product_version.h"
#include "common/ui/controls_win.h"
#include "common/ui/dpi_win.h"
#include "common/ui/font_faces.h"

namespace vx {
namespace {

constexpr TwipRect kIconRect{60, 60, 555, 555};
constexpr TwipRect kNameRect{720, 60, 1515, 315};
constexpr TwipRect kVersionRect{900, 480, 1095, 195};
constexpr TwipRect kMakerRect{480, 720, 1995, 195};
constexpr TwipRect kCloseRect{1500, 1620, 735, 255};

// The program's name stands out at 15.75 points, bold.
constexpr int kNameFontCentipoints = 1575;

}  // namespace

VersionWindow::VersionWindow()
    : ModalWindow(
          {L"VanteloxVersionWindow", version_texts::kCaption, {2550, 1935}, VX_PROGRAM_ICON}) {}

void VersionWindow::CreateControls() {
  namespace t = version_texts;
  const ControlSite site = DialogSite();
  name_font_ =
      MakeFontForDpi({font_faces::kDialog, kNameFontCentipoints, FW_BOLD}, WindowDpi(hwnd()));
  icon_ = MakeLabel(site, {.rect = kIconRect, .kind = SS_ICON | SS_CENTERIMAGE});
  ShowIcon(WindowDpi(hwnd()));
  name_ = MakeLabel(site, {.text = t::kProductName,
                           .rect = kNameRect,
                           .kind = SS_LEFTNOWORDWRAP,
                           .font = name_font_.get()});
  version_ = MakeLabel(site, {.text = std::wstring(t::kVersionPrefix) + t::kVersion,
                              .rect = kVersionRect,
                              .kind = SS_LEFTNOWORDWRAP});
  maker_ = MakeLabel(site, {.text = t::kMaker, .rect = kMakerRect, .kind = SS_LEFTNOWORDWRAP});
  FitLines();
  // The one button is the window's default and cancel button alike.
  close_button_ = AddButton(
      {.caption = t::kClose, .rect = kCloseRect, .on_click = [this] { Close(); }, .id = IDCANCEL},
      kEnterKey | kEscKey);
}

void VersionWindow::ShowIcon(int dpi) const {
  SendMessageW(icon_.hwnd(), STM_SETICON,
               reinterpret_cast<WPARAM>(ProgramIcon(VX_PROGRAM_ICON, false, dpi)), 0);
}

void VersionWindow::FitLines() const {
  for (const Label& line : {name_, version_, maker_}) FitLabelToText(line.hwnd());
}

void VersionWindow::OnDpiChanged(int dpi) {
  ModalWindow::OnDpiChanged(dpi);
  Font font = MakeFontForDpi({font_faces::kDialog, kNameFontCentipoints, FW_BOLD}, dpi);
  SetControlFont(name_.hwnd(), font.get(), true);
  name_font_ = std::move(font);
  ShowIcon(dpi);
  FitLines();
}

}  // namespace vx
