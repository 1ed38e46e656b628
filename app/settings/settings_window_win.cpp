#include "app/settings/settings_window_win.h"

#include <commctrl.h>

#include <string>
#include <utility>

#include "app/settings/colour_chooser_win.h"
#include "app/settings/display_settings.h"
#include "app/settings/font_cache.h"
#include "app/settings/installed_fonts_win.h"
#include "app/settings/settings_window_texts.h"
#include "app/settings/text_field.h"
#include "common/file_seam.h"
#include "common/message_box.h"
#include "common/ui/controls_win.h"

namespace vx {
namespace {

// A control placed relative to its frame, placed in the window.
constexpr TwipRect In(const TwipRect& frame, const TwipRect& r) {
  return {frame.x + r.x, frame.y + r.y, r.width, r.height};
}

constexpr TwipRect kHideInputRect{60, 180, 3015, 195};
constexpr TwipRect kCompleteAtMostRect{60, 480, 2835, 195};
constexpr TwipRect kMoveAfterEntryRect{60, 780, 2295, 195};

constexpr TwipRect kFontFrameRect{60, 1200, 3075, 615};
constexpr TwipRect kFontListRect = In(kFontFrameRect, {60, 240, 1755, 300});
// The combo box's own height also holds its drop-down list.
constexpr int kFontListDropHeight = 240;
constexpr TwipRect kSizeLabelRect = In(kFontFrameRect, {1920, 300, 495, 195});
constexpr TwipRect kFontSizeRect = In(kFontFrameRect, {2460, 240, 495, 255});

constexpr TwipRect kRadixFrameRect{60, 1920, 2895, 495};
// By the record's radix, left to right: hexadecimal, decimal, binary.
constexpr std::array<TwipRect, 3> kRadixOptionRects{{In(kRadixFrameRect, {60, 240, 900, 195}),
                                                     In(kRadixFrameRect, {1020, 240, 900, 195}),
                                                     In(kRadixFrameRect, {1980, 240, 855, 195})}};

constexpr TwipRect kColourFrameRect{60, 2520, 2175, 1035};
constexpr TwipRect kBackgroundLabelRect = In(kColourFrameRect, {120, 240, 720, 195});
constexpr TwipRect kTextColourLabelRect = In(kColourFrameRect, {120, 480, 720, 195});
constexpr TwipRect kSeparatorLabelRect = In(kColourFrameRect, {120, 780, 720, 195});
constexpr std::array<int, 4> kSwatchLefts{900, 1200, 1500, 1800};
constexpr int kSwatchSide = 255;
constexpr int kBackgroundSwatchTop = 180;
constexpr int kTextSwatchTop = 480;
constexpr TwipRect kSeparatorSwatchRect = In(kColourFrameRect, {900, 780, 1155, 195});

// The layout fields by index; the top and left margins are not shown.
constexpr int kFieldLeft = 4680;
constexpr int kFieldWidth = 675;
constexpr int kFieldHeight = 255;
constexpr int kHiddenTop = 3600;
constexpr std::array<int, kLayoutFieldCount> kFieldTops{kHiddenTop, kHiddenTop, 120,  420, 1260,
                                                        1560,       840,        1980, 2460};
// Each field's caption, right-aligned just left of it. The last one reaches
// further left, where the colour frame leaves room, and the gap between dump
// and text takes two lines, with room for the second at every density.
constexpr std::array<TwipRect, kLayoutFieldCount> kFieldCaptionRects{{{3195, kHiddenTop, 1425, 195},
                                                                      {3195, kHiddenTop, 1425, 195},
                                                                      {3195, 150, 1425, 195},
                                                                      {3195, 450, 1425, 195},
                                                                      {3195, 1290, 1425, 195},
                                                                      {3195, 1590, 1425, 195},
                                                                      {3195, 870, 1425, 195},
                                                                      {3195, 1905, 1425, 405},
                                                                      {2475, 2490, 2145, 195}}};

constexpr TwipRect kOkRect{2940, 3000, 855, 315};
constexpr TwipRect kCancelRect{3960, 3000, 915, 315};

constexpr TwipSize kClientSize{5385, 3585};
// Below the rest, clear of the colour frame, in the strip the window grows
// by while it shows.
constexpr TwipRect kLimitedShapeRect{60, kClientSize.height + 60, 5265, 195};
constexpr int kGrownClientHeight = kLimitedShapeRect.y + kLimitedShapeRect.height + 90;

std::wstring ShapeText(const PageShape& shape) {
  return std::to_wstring(shape.bytes_per_line) + settings_window_texts::kShapeBy +
         std::to_wstring(shape.lines);
}

}  // namespace

SettingsWindow::SettingsWindow(SettingsHost& host)
    : ModalWindow({L"VanteloxSettingsWindow", settings_window_texts::kCaption, kClientSize}),
      host_(host) {}

void SettingsWindow::CreateControls() {
  namespace t = settings_window_texts;
  pending_ = true;
  filling_ = true;
  const ControlSite site = DialogSite();
  // Creation order is the Tab order, top to bottom.
  hide_input_box_ = MakeCheckBox(
      site, {.caption = t::kHideInputAfterEntry, .rect = kHideInputRect, .more_style = WS_GROUP});
  complete_at_most_box_ =
      MakeCheckBox(site, {.caption = t::kCompleteAtMostDigits, .rect = kCompleteAtMostRect});
  move_after_entry_box_ =
      MakeCheckBox(site, {.caption = t::kMoveAfterEntry, .rect = kMoveAfterEntryRect});
  MakeGroupFrame(site, {t::kFontFrame, kFontFrameRect});
  PixelRect font_list = kFontListRect;
  font_list.height += TwipsToPixels(kFontListDropHeight);
  font_list_ = MakeComboBox(site, {.rect = font_list,
                                   .items = LoadFontNames(),
                                   .on_select = [this](int index) { OnFontChosen(index); },
                                   .style = CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP | WS_GROUP,
                                   .editable = true});
  SelectCurrentFont();
  MakeLabel(site, {t::kSize, kSizeLabelRect});
  font_size_.Create(hwnd(), {.rect = kFontSizeRect,
                             .min = kMinFontSize,
                             .max = kMaxFontSize,
                             .value = kMinFontSize,
                             .on_change = [this](int32_t) { ApplyChanges(); }});
  MakeGroupFrame(site, {t::kRadixFrame, kRadixFrameRect});
  radix_options_ =
      MakeOptionGroup(site, {.options = {{t::kRadixOptions[0], kRadixOptionRects[0]},
                                         {t::kRadixOptions[1], kRadixOptionRects[1]},
                                         {t::kRadixOptions[2], kRadixOptionRects[2]}}});
  CreateColourControls();
  CreateLayoutFields();
  AddButton(
      {.caption = t::kOk, .rect = kOkRect, .on_click = [this] { OnOk(); }, .more_style = WS_GROUP},
      kEnterKey);
  AddButton({.caption = t::kCancel,
             .rect = kCancelRect,
             .on_click = [this] { OnCancel(); },
             .id = IDCANCEL},
            kEscKey);
  limited_shape_ = MakeLabel(site, {.rect = kLimitedShapeRect});
  limited_shape_.Show(false);
  CreateToolTips();
  snapshot_ = DisplaySettings;
  ShowRecord();
  ShowLimitedShape();
  filling_ = false;
}

void SettingsWindow::CreateColourControls() {
  namespace t = settings_window_texts;
  const ControlSite site = DialogSite();
  MakeGroupFrame(site, {t::kColourFrame, kColourFrameRect, WS_GROUP});
  MakeLabel(site, {t::kBackColour, kBackgroundLabelRect});
  MakeLabel(site, {t::kTextColour, kTextColourLabelRect});
  MakeLabel(site, {t::kSeparator, kSeparatorLabelRect});
  const auto swatch_rect = [](size_t i, int top) {
    return In(kColourFrameRect, {kSwatchLefts[i], top, kSwatchSide, kSwatchSide});
  };
  // Row by row, left to right, so that Tab walks them in that order.
  for (size_t i = 0; i < background_swatches_.size(); ++i) {
    background_swatches_[i].Create(hwnd(), {swatch_rect(i, kBackgroundSwatchTop), [this, i] {
                                              ChooseColour(DisplaySettings.BackColors[i],
                                                           background_swatches_[i]);
                                            }});
  }
  for (size_t i = 0; i < text_swatches_.size(); ++i) {
    text_swatches_[i].Create(
        hwnd(), {swatch_rect(i, kTextSwatchTop),
                 [this, i] { ChooseColour(DisplaySettings.ForeColors[i], text_swatches_[i]); }});
  }
  separator_swatch_.Create(
      hwnd(), {kSeparatorSwatchRect,
               [this] { ChooseColour(DisplaySettings.SeparatorColor, separator_swatch_); }});
}

void SettingsWindow::CreateLayoutFields() {
  const ControlSite site = DialogSite();
  // The fields top to bottom, so that Tab walks them in that order.
  for (int i : kLayoutFieldOrder) {
    const LayoutField& field = LayoutFields()[i];
    const bool shown = kFieldTops[i] != kHiddenTop;
    const Label caption = MakeLabel(
        site, {settings_window_texts::kLayoutFieldCaptions[i], kFieldCaptionRects[i], SS_RIGHT});
    caption.Show(shown);
    layout_fields_[i].Create(
        hwnd(), {.rect = TwipRect{kFieldLeft, kFieldTops[i], kFieldWidth, kFieldHeight},
                 .min = field.min,
                 .max = field.max,
                 .value = field.min,
                 .key_step = field.step,
                 .drag_step = field.step,
                 .visible = shown,
                 .on_change = [this](int32_t) { ApplyChanges(); }});
  }
}

void SettingsWindow::CreateToolTips() {
  namespace t = settings_window_texts;
  const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
  InitCommonControlsEx(&classes);
  tool_tips_ = MakeControl(
      hwnd(), {TOOLTIPS_CLASSW, L"", {0, 0, 0, 0}, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX});
  const std::array<std::pair<const CheckBox*, const wchar_t*>, 3> tips{
      {{&hide_input_box_, t::kHideInputAfterEntryTip},
       {&move_after_entry_box_, t::kMoveAfterEntryTip},
       {&complete_at_most_box_, t::kCompleteAtMostDigitsTip}}};
  for (const auto& [box, text] : tips) {
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(box->hwnd());
    tool.lpszText = const_cast<wchar_t*>(text);
    SendMessageW(tool_tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

std::vector<std::wstring> SettingsWindow::LoadFontNames() const {
  const std::wstring path = FontCachePath();
  // The installed fonts are enumerated only while there is no cache.
  if (fs::FileExists(path)) return ReadFontCache(path);
  std::vector<std::wstring> names = InstalledFontNames();
  WriteFontCache(path, names);
  return names;
}

void SettingsWindow::SelectCurrentFont() {
  // The stored name itself, whatever its case. A name the list does not
  // hold (typed, or no longer installed) is shown as it is stored: another
  // entry in its place would become the font at the next change or at OK.
  const std::wstring current = GetFontName();
  const int found = current.empty() ? 0 : font_list_.FindExact(current);
  if (found >= 0) {
    font_list_.Select(found);
  } else {
    font_list_.SetText(current);
  }
}

void SettingsWindow::ShowRecord() {
  const DisplaySettingsRecord& s = DisplaySettings;
  ShowColours();
  font_size_.SetValue(s.FontSize);
  hide_input_box_.SetChecked(s.HideInputAfterEntry);
  move_after_entry_box_.SetChecked(s.MoveAfterEntry);
  complete_at_most_box_.SetChecked(s.AutoCompleteAtMax);
  const LayoutValues shown = ShownLayoutValues(s);
  for (int i : kLayoutFieldOrder) layout_fields_[i].SetValue(shown[i]);
  radix_options_.Choose(s.InputRadix);
}

void SettingsWindow::ShowColours() {
  const DisplaySettingsRecord& s = DisplaySettings;
  for (size_t i = 0; i < background_swatches_.size(); ++i) {
    background_swatches_[i].SetColour(s.BackColors[i]);
    text_swatches_[i].SetColour(s.ForeColors[i]);
  }
  separator_swatch_.SetColour(s.SeparatorColor);
}

void SettingsWindow::ApplyChanges() {
  if (filling_) return;
  DisplaySettingsRecord& s = DisplaySettings;
  if (const int radix = radix_options_.Chosen(); radix >= 0) s.InputRadix = radix;
  // First: the layout fields below are stored with the new font size.
  s.FontSize = font_size_.value();
  s.FontName = FitTextField(font_list_.Text(), kFontNameLength);
  s.HideInputAfterEntry = hide_input_box_.Checked();
  s.MoveAfterEntry = move_after_entry_box_.Checked();
  s.AutoCompleteAtMax = complete_at_most_box_.Checked();
  LayoutValues values{};
  for (int i : kLayoutFieldOrder) values[i] = layout_fields_[i].value();
  StoreLayoutValues(s, values);
  // The colour chooser may just have written a colour into the record.
  ShowColours();
  ApplyToMainWindow();
}

void SettingsWindow::ApplyToMainWindow() {
  host_.ApplySettings();
  // The fields keep the saved shape; the one the main window's screen limits
  // it to shows beside them.
  ShowLimitedShape();
  host_.RefreshScrollRange();
  host_.RedrawPage();
}

void SettingsWindow::ShowLimitedShape() {
  namespace t = settings_window_texts;
  const PageShape saved{DisplaySettings.BytesPerLine, DisplaySettings.LinesPerPage};
  const std::optional<PageShape> fits = host_.LimitedPageShape();
  const bool limited = fits && *fits != saved;
  if (limited) {
    limited_shape_.SetText(t::kFitsScreen + ShapeText(*fits) + t::kSavedShape + ShapeText(saved) +
                           t::kSavedShapeEnd);
  }
  SetClientHeight(limited ? kGrownClientHeight : kClientSize.height);
  limited_shape_.Show(limited);
}

void SettingsWindow::OnFontChosen(int index) {
  // The edit part of the box may not show the chosen entry yet.
  if (index >= 0) font_list_.SetText(font_list_.ItemText(index));
  ApplyChanges();
}

void SettingsWindow::ChooseColour(Colour& slot, const Swatch& swatch) {
  ColourChooser chooser(*this, slot, swatch.colour());
  chooser.ShowModal(hwnd());
  // The window may have gone with its owner meanwhile.
  if (!hwnd()) return;
  ApplyChanges();
  // The keys go back to the swatch the chooser was opened from.
  SetFocus(swatch.hwnd());
}

bool SettingsWindow::TakeTypedNumbers() {
  // Taken quietly, then applied once.
  const bool was_filling = std::exchange(filling_, true);
  NumberField* refused = font_size_.TakeTyped() ? nullptr : &font_size_;
  for (int i : kLayoutFieldOrder) {
    if (!layout_fields_[i].TakeTyped() && !refused) refused = &layout_fields_[i];
  }
  filling_ = was_filling;
  ApplyChanges();
  if (!refused) return true;
  namespace t = settings_window_texts;
  ShowMessage(std::to_wstring(refused->min()) + t::kRangeJoin + std::to_wstring(refused->max()) +
                  t::kEnterNumberInRange,
              MsgButtons::Ok, MsgIcon::Exclamation);
  // The window may have gone with its owner meanwhile.
  if (hwnd()) refused->FocusText();
  return false;
}

// Enter in any field comes here too: what a number field holds is taken first.
void SettingsWindow::OnOk() {
  if (!TakeTypedNumbers()) return;
  pending_ = false;
  SaveSettings();
  CloseQuietly();
}

void SettingsWindow::OnCancel() {
  pending_ = false;
  filling_ = true;
  DisplaySettings = snapshot_;
  ApplyToMainWindow();
  CloseQuietly();
}

void SettingsWindow::OnClose() {
  if (pending_) {
    OnCancel();
  } else {
    CloseQuietly();
  }
}

void SettingsWindow::CloseQuietly() {
  filling_ = true;
  Close();
}

LRESULT SettingsWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  // However the window goes, its controls' last notices are not taken.
  if (msg == WM_DESTROY) filling_ = true;
  return ModalWindow::HandleMessage(msg, wp, lp);
}

}  // namespace vx
