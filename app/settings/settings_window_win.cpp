#include "app/settings/settings_window_win.h"

#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

#include "app/settings/display_settings.h"
#include "app/settings/font_cache.h"
#include "app/settings/colour_chooser_win.h"
#include "app/settings/installed_fonts_win.h"
#include "app/settings/settings_window_texts.h"
#include "app/settings/text_field.h"
#include "common/file_seam.h"
#include "common/ui/controls_win.h"

namespace vx {
namespace {

// A control placed relative to its frame, placed in the window.
constexpr TwipRect In(const TwipRect& frame, const TwipRect& r) {
  return {frame.x + r.x, frame.y + r.y, r.width, r.height};
}

constexpr TwipRect kCheck1Rect{60, 180, 3015, 195};
constexpr TwipRect kCheck3Rect{60, 480, 2835, 195};
constexpr TwipRect kCheck2Rect{60, 780, 2295, 195};

constexpr TwipRect kFontFrameRect{60, 1200, 3075, 615};
constexpr TwipRect kCombo1Rect = In(kFontFrameRect, {60, 240, 1755, 300});
// The combo box's own height also holds its drop-down list.
constexpr int kCombo1ListHeight = 240;
constexpr TwipRect kLabel1Rect = In(kFontFrameRect, {1920, 300, 495, 195});
constexpr TwipRect kTextEx1Rect = In(kFontFrameRect, {2460, 240, 495, 255});

constexpr TwipRect kRadixFrameRect{60, 1920, 2895, 495};
// Option1 by its index: binary at the right, hexadecimal at the left.
constexpr std::array<TwipRect, 3> kOption1Rects{{In(kRadixFrameRect, {1980, 240, 855, 195}),
                                                 In(kRadixFrameRect, {1020, 240, 900, 195}),
                                                 In(kRadixFrameRect, {60, 240, 900, 195})}};

constexpr TwipRect kColourFrameRect{60, 2520, 2175, 1035};
constexpr TwipRect kLabel2Rect = In(kColourFrameRect, {120, 240, 720, 195});
constexpr TwipRect kLabel4Rect = In(kColourFrameRect, {120, 480, 720, 195});
constexpr TwipRect kLabel15Rect = In(kColourFrameRect, {120, 780, 720, 195});
constexpr std::array<int, 4> kSwatchLefts{900, 1200, 1500, 1800};
constexpr int kSwatchSide = 255;
constexpr int kLabel3Top = 180;
constexpr int kLabel5Top = 480;
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
// and text takes two lines.
constexpr std::array<TwipRect, kLayoutFieldCount> kFieldLabelRects{{{3195, kHiddenTop, 1425, 195},
                                                                    {3195, kHiddenTop, 1425, 195},
                                                                    {3195, 150, 1425, 195},
                                                                    {3195, 450, 1425, 195},
                                                                    {3195, 1290, 1425, 195},
                                                                    {3195, 1590, 1425, 195},
                                                                    {3195, 870, 1425, 195},
                                                                    {3195, 1905, 1425, 390},
                                                                    {2475, 2490, 2145, 195}}};

constexpr TwipRect kCommand1Rect{2940, 3000, 855, 315};
constexpr TwipRect kCommand2Rect{3960, 3000, 915, 315};

// Command2 is IDCANCEL (Esc). Command1 is the default button: Enter takes the
// settings wherever the focus is not on a button or a field of its own.
enum ControlId {
  kCheck1 = 101,
  kCheck2,
  kCheck3,
  kCombo1,
  kTextEx1,
  kCommand1,
  kOption1 = 110,  // + index
  kLabel3 = 120,   // + index
  kLabel5 = 130,   // + index
  kTextEx2 = 140,  // + index
};

std::wstring ListText(HWND combo, WPARAM index) {
  const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
  if (length == CB_ERR) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT n = SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(n == CB_ERR ? 0 : static_cast<size_t>(n));
  return text;
}

}  // namespace

SettingsWindow::SettingsWindow(SettingsHost& host)
    : ModalWindow({L"VanteloxSettingsWindow", settings_window_texts::kCaption, {5385, 3585}}), host_(host) {}

void SettingsWindow::CreateControls() {
  namespace t = settings_window_texts;
  pending_ = true;
  filling_ = true;
  constexpr DWORD kBox = BS_AUTOCHECKBOX | WS_TABSTOP;
  // Creation order is the Tab order, top to bottom.
  Check1 = AddControl({L"BUTTON", t::kCheck1, kCheck1Rect, kBox | WS_GROUP, kCheck1});
  Check3 = AddControl({L"BUTTON", t::kCheck3, kCheck3Rect, kBox, kCheck3});
  Check2 = AddControl({L"BUTTON", t::kCheck2, kCheck2Rect, kBox, kCheck2});
  FontFrame = AddControl({L"BUTTON", t::kFontFrame, kFontFrameRect, BS_GROUPBOX});
  PixelRect combo = kCombo1Rect;
  combo.height += kCombo1ListHeight;
  Combo1 =
      AddControl({L"COMBOBOX", L"", combo,
                  CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP | WS_GROUP, kCombo1});
  Label1 = AddLabel(t::kSize, kLabel1Rect);
  TextEx1.Create(hwnd(), {kTextEx1Rect, kTextEx1, 0, kMinFontSize, kMaxFontSize, kMinFontSize});
  TextEx1.ValueChanged = [this](int) { ApplyChanges(); };
  RadixFrame = AddControl({L"BUTTON", t::kRadixFrame, kRadixFrameRect, BS_GROUPBOX});
  // Left to right: index 2, 1, 0.
  for (int i = 2; i >= 0; --i) {
    DWORD style = BS_AUTORADIOBUTTON;
    if (i == 2) style |= WS_GROUP | WS_TABSTOP;
    Option1[i] =
        AddControl({L"BUTTON", t::kRadixOptions[i], kOption1Rects[i], style, kOption1 + i});
  }
  CreateColourControls();
  CreateLayoutFields();
  Command1 = AddButton(t::kOk, kCommand1Rect, kCommand1, kEnterKey, WS_GROUP);
  Command2 = AddButton(t::kCancel, kCommand2Rect, IDCANCEL, kEscKey);
  CreateToolTips();
  LoadFont();
  snapshot_ = DisplaySettings;
  RefrectToMe();
  filling_ = false;
}

void SettingsWindow::CreateColourControls() {
  namespace t = settings_window_texts;
  ColourFrame = AddControl({L"BUTTON", t::kColourFrame, kColourFrameRect, BS_GROUPBOX | WS_GROUP});
  Label2 = AddLabel(t::kBackColour, kLabel2Rect);
  Label4 = AddLabel(t::kTextColour, kLabel4Rect);
  Label15 = AddLabel(t::kSeparator, kLabel15Rect);
  const auto swatch_rect = [](int i, int top) {
    return In(kColourFrameRect, {kSwatchLefts[i], top, kSwatchSide, kSwatchSide});
  };
  // Row by row, left to right, so that Tab walks them in that order.
  for (int i = 0; i < 4; ++i) {
    Label3[i].Create(hwnd(), {swatch_rect(i, kLabel3Top), kLabel3 + i}, true);
  }
  for (int i = 0; i < 4; ++i) {
    Label5[i].Create(hwnd(), {swatch_rect(i, kLabel5Top), kLabel5 + i}, true);
  }
  Label5[4].Create(hwnd(), {kSeparatorSwatchRect, kLabel5 + 4}, true);
}

void SettingsWindow::CreateLayoutFields() {
  // The fields top to bottom, so that Tab walks them in that order.
  for (int i : kLayoutFieldOrder) {
    const LayoutField& field = LayoutFields()[i];
    const bool shown = kFieldTops[i] != kHiddenTop;
    const int top = kFieldTops[i];
    FieldLabels[i] =
        AddLabel(settings_window_texts::kLayoutFieldCaptions[i], kFieldLabelRects[i], SS_RIGHT);
    if (!shown) ShowWindow(FieldLabels[i], SW_HIDE);
    TextExArgs args{TwipRect{kFieldLeft, top, kFieldWidth, kFieldHeight}, kTextEx2 + i, i};
    args.MinValue = field.min;
    args.MaxValue = field.max;
    args.Value = field.min;
    args.ChangeValue = field.step;
    args.ChangeMouseValue = field.step;
    args.visible = shown;
    TextEx2[i].Create(hwnd(), args);
    TextEx2[i].ValueChanged = [this](int) { ApplyChanges(); };
  }
}

void SettingsWindow::CreateToolTips() {
  namespace t = settings_window_texts;
  const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
  InitCommonControlsEx(&classes);
  ToolTip1 = MakeControl(
      hwnd(), {TOOLTIPS_CLASSW, L"", {0, 0, 0, 0}, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX});
  const std::array<std::pair<HWND, const wchar_t*>, 3> tips{
      {{Check1, t::kCheck1Tip}, {Check2, t::kCheck2Tip}, {Check3, t::kCheck3Tip}}};
  for (const auto& [box, text] : tips) {
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(box);
    tool.lpszText = const_cast<wchar_t*>(text);
    SendMessageW(ToolTip1, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void SettingsWindow::LoadFont() {
  const std::wstring path = FontCachePath();
  // The installed fonts are enumerated only while there is no cache.
  const bool cached = fs::FileExists(path);
  const std::vector<std::wstring> names = cached ? ReadFontCache(path) : InstalledFontNames();
  SendMessageW(Combo1, CB_INITSTORAGE, names.size(), names.size() * 64);
  for (const std::wstring& name : names) {
    SendMessageW(Combo1, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
  if (!cached) SaveFont();
  SelectCurrentFont();
}

void SettingsWindow::SaveFont() {
  std::vector<std::wstring> names;
  const LRESULT count = SendMessageW(Combo1, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) names.push_back(ListText(Combo1, static_cast<WPARAM>(i)));
  WriteFontCache(FontCachePath(), names);
}

void SettingsWindow::SelectCurrentFont() {
  // The stored name itself, whatever its case. A name the list does not
  // hold (typed, or no longer installed) is shown as it is stored: another
  // entry in its place would become the font at the next change or at OK.
  const std::wstring current = GetFontName();
  const LRESULT found = current.empty()
                            ? 0
                            : SendMessageW(Combo1, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(current.c_str()));
  if (found != CB_ERR) {
    SendMessageW(Combo1, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
  } else {
    SetControlText(Combo1, current);
  }
}

void SettingsWindow::RefrectToMe() {
  const DisplaySettingsRecord& s = DisplaySettings;
  for (size_t i = 0; i < Label3.size(); ++i) {
    Label3[i].SetColour(s.BackColors[i]);
    Label5[i].SetColour(s.ForeColors[i]);
  }
  Label5[4].SetColour(s.SeparatorColor);
  TextEx1.SetValue(s.FontSize);
  SetChecked(Check1, s.HideInputAfterEntry);
  SetChecked(Check2, s.MoveAfterEntry);
  SetChecked(Check3, s.AutoCompleteAtMax);
  const LayoutValues shown = ShownLayoutValues(s);
  for (int i : kLayoutFieldOrder) TextEx2[i].SetValue(shown[i]);
  for (int i = 0; i < static_cast<int>(Option1.size()); ++i) {
    SetChecked(Option1[i], i == RadixOptionIndex(s.InputRadix));
  }
}

int SettingsWindow::SelectedRadixOption() const {
  for (int i = 0; i < static_cast<int>(Option1.size()); ++i) {
    if (IsChecked(Option1[i])) return i;
  }
  return RadixOptionIndex(DisplaySettings.InputRadix);
}

void SettingsWindow::ApplyChanges() {
  if (filling_) return;
  DisplaySettingsRecord& s = DisplaySettings;
  s.InputRadix = RadixFromOption(SelectedRadixOption());
  // First: the layout fields below are stored with the new font size.
  s.FontSize = TextEx1.value();
  s.FontName = FitTextField(ControlText(Combo1), kFontNameLength);
  s.HideInputAfterEntry = IsChecked(Check1);
  s.MoveAfterEntry = IsChecked(Check2);
  s.AutoCompleteAtMax = IsChecked(Check3);
  LayoutValues values{};
  for (int i : kLayoutFieldOrder) values[i] = TextEx2[i].value();
  StoreLayoutValues(s, values);
  // The colour chooser may just have written a colour into the record.
  for (size_t i = 0; i < Label3.size(); ++i) {
    Label3[i].SetColour(s.BackColors[i]);
    Label5[i].SetColour(s.ForeColors[i]);
  }
  Label5[4].SetColour(s.SeparatorColor);
  ApplyToMainWindow();
}

void SettingsWindow::ApplyToMainWindow() {
  host_.SettingChange();
  // The main window limits a page shape too large for its screen: the
  // fields show the shape it took.
  const bool was_filling = std::exchange(filling_, true);
  const LayoutValues applied = ShownLayoutValues(DisplaySettings);
  for (int i : kLayoutFieldOrder) {
    if (TextEx2[i].value() != applied[i]) TextEx2[i].SetValue(applied[i]);
  }
  filling_ = was_filling;
  host_.RefreshFiles();
  host_.RePaint();
}

void SettingsWindow::Combo1_Click() {
  // The edit part of the box may not show the chosen entry yet.
  const LRESULT selected = SendMessageW(Combo1, CB_GETCURSEL, 0, 0);
  if (selected != CB_ERR) {
    SetControlText(Combo1, ListText(Combo1, static_cast<WPARAM>(selected)));
  }
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

void SettingsWindow::Command1_Click() {
  pending_ = false;
  ApplyChanges();
  SaveSettings();
  CloseQuietly();
}

void SettingsWindow::Command2_Click() {
  pending_ = false;
  filling_ = true;
  DisplaySettings = snapshot_;
  ApplyToMainWindow();
  CloseQuietly();
}

void SettingsWindow::Form_QueryUnload() {
  if (pending_) {
    Command2_Click();
  } else {
    CloseQuietly();
  }
}

void SettingsWindow::CloseQuietly() {
  filling_ = true;
  Close();
}

LRESULT SettingsWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CTLCOLORSTATIC: {
      const HWND control = reinterpret_cast<HWND>(lp);
      for (const Swatch& s : Label3) {
        if (s.hwnd() == control) return s.Colours();
      }
      for (const Swatch& s : Label5) {
        if (s.hwnd() == control) return s.Colours();
      }
      break;
    }
    case WM_DESTROY:
      // However the window goes, its controls' last notices are not taken.
      filling_ = true;
      break;
    default:
      break;
  }
  return ModalWindow::HandleMessage(msg, wp, lp);
}

bool SettingsWindow::OnCommand(int id, int code) {
  if (id >= kLabel3 && id < kLabel3 + 4 && code == STN_CLICKED) {
    ChooseColour(DisplaySettings.BackColors[id - kLabel3], Label3[id - kLabel3]);
    return true;
  }
  if (id >= kLabel5 && id < kLabel5 + 4 && code == STN_CLICKED) {
    ChooseColour(DisplaySettings.ForeColors[id - kLabel5], Label5[id - kLabel5]);
    return true;
  }
  switch (id) {
    case kLabel5 + 4:
      if (code == STN_CLICKED) ChooseColour(DisplaySettings.SeparatorColor, Label5[4]);
      return true;
    case kCombo1:
      if (code == CBN_SELCHANGE) Combo1_Click();
      return true;
    case kCommand1:
      Command1_Click();
      return true;
    case IDCANCEL:
      Command2_Click();
      return true;
    default:
      return false;
  }
}

}  // namespace vx
