#include "app/settings/colour_chooser_win.h"

#include <algorithm>
#include <string>

#include "app/settings/colour_choice.h"
#include "app/settings/colour_window_texts.h"
#include "app/settings/settings_window_texts.h"

namespace vx {
namespace {

constexpr TwipRect kSystemColourRect{120, 60, 1455, 195};
constexpr TwipRect kOwnColourRect{1860, 60, 1935, 195};
constexpr TwipRect kListRect{120, 360, 2835, 780};
constexpr TwipRect kChosenLabelRect{3060, 360, 675, 195};
constexpr TwipRect kSwatchRect{3000, 600, 795, 1275};
// The part labels ("Red", "Green", "Blue"); their tops are the tops of each
// row's value label and bar. The longer "Green" reaches further left, short
// of the window's edge.
constexpr std::array<TwipRect, 3> kPartLabelRects{
    {{120, 1200, 405, 195}, {60, 1440, 540, 195}, {120, 1680, 405, 195}}};
constexpr int kValueLeft = 600;
constexpr int kValueWidth = 600;
constexpr int kBarLeft = 1200;
constexpr int kBarWidth = 1755;
constexpr int kRowHeight = 195;
constexpr TwipRect kOkRect{2100, 1980, 735, 255};
// Cancel ends with the swatch above it, clear of the window's right edge.
constexpr TwipRect kCancelRect{3000, 1980, 795, 255};

constexpr int kPartMax = 255;
// A click beside the thumb moves a sixteenth of the range.
constexpr int kPageStep = 16;

constexpr int kSystemKind = 0;
constexpr int kOwnKind = 1;

}  // namespace

ColourChooser::ColourChooser(ColourChooserHost& host, Colour& slot, Colour colour)
    : ModalWindow({L"VanteloxColourChooser", colour_window_texts::kCaption, {3915, 2325}}),
      host_(host),
      slot_(slot),
      initial_(colour) {}

void ColourChooser::CreateControls() {
  namespace t = colour_window_texts;
  const ControlSite site = DialogSite();
  kind_options_ = MakeOptionGroup(
      site, {.options = {{t::kSystemColour, kSystemColourRect}, {t::kUserColour, kOwnColourRect}},
             .chosen = -1,
             .on_choose = [this](int) { ApplyColour(); }});
  system_colours_ = MakeListBox(
      site, {.rect = kListRect,
             .items = {t::kSystemColourNames.begin(), t::kSystemColourNames.end()},
             .on_select = [this](int) { ApplyColour(); },
             .style = LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP | WS_GROUP});
  MakeLabel(site, {t::kChosen, kChosenLabelRect});
  chosen_swatch_.Create(hwnd(), {kSwatchRect});
  for (size_t i = 0; i < part_bars_.size(); ++i) {
    const int top = kPartLabelRects[i].y;
    MakeLabel(site, {t::kParts[i], kPartLabelRects[i]});
    part_values_[i] = MakeLabel(site, {L"0", TwipRect{kValueLeft, top, kValueWidth, kRowHeight}});
    part_bars_[i] = MakeScrollBar(site, {.rect = TwipRect{kBarLeft, top, kBarWidth, kRowHeight},
                                         .max = kPartMax,
                                         .page_step = kPageStep,
                                         .on_scroll = [this](int) { ApplyColour(); },
                                         .style = SBS_HORZ | WS_TABSTOP | WS_GROUP});
  }
  ok_button_ = AddButton({.caption = settings_window_texts::kOk,
                          .rect = kOkRect,
                          .on_click = [this] { OnOk(); },
                          .more_style = WS_GROUP},
                         kEnterKey);
  AddButton({.caption = settings_window_texts::kCancel,
             .rect = kCancelRect,
             .on_click = [this] { OnCancel(); },
             .id = IDCANCEL},
            kEscKey);
  ShowColour(initial_);
}

void ColourChooser::ShowColour(Colour colour) {
  // Set by the program, the controls report nothing: the colour is applied once, below.
  const bool system = IsSystemColour(colour);
  kind_options_.Choose(system ? kSystemKind : kOwnKind);
  if (system) {
    system_colours_.Select(SystemColourElement(colour));
  } else {
    const ColourParts parts = PartsOf(colour);
    const std::array<int, 3> values{parts.red, parts.green, parts.blue};
    for (size_t i = 0; i < part_bars_.size(); ++i) part_bars_[i].SetPosition(values[i]);
  }
  ApplyColour();
}

void ColourChooser::ApplyColour() {
  const bool own = kind_options_.Chosen() == kOwnKind;
  for (const ScrollBar& bar : part_bars_) bar.Enable(own);
  system_colours_.Enable(!own);
  Colour value;
  if (own) {
    value =
        ColourOf({part_bars_[0].Position(), part_bars_[1].Position(), part_bars_[2].Position()});
  } else {
    value = SystemColour(std::max(system_colours_.Selected(), 0));
  }
  chosen_swatch_.SetColour(value);
  slot_ = value;
  host_.ApplyChanges();
  for (size_t i = 0; i < part_bars_.size(); ++i) {
    part_values_[i].SetText(std::to_wstring(part_bars_[i].Position()));
    UpdateWindow(part_values_[i].hwnd());
  }
}

void ColourChooser::OnOk() {
  ShowColour(chosen_swatch_.colour());
  Close();
}

void ColourChooser::OnCancel() {
  ShowColour(initial_);
  Close();
}

}  // namespace vx
