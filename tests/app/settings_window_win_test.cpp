// The settings window and the colour chooser over a real main window,
// driven by messages while they run their own loops: the layout at every
// display density, the main window following every change, Cancel, Esc and
// the close box putting everything back, OK saving, the font list cache, and
// a held number button ended by the window's own keys.
#include <windows.h>
// commctrl.h needs windows.h before it.
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/settings/colour_chooser_host.h"
#include "app/settings/colour_chooser_win.h"
#include "app/settings/font_cache.h"
#include "app/settings/installed_fonts_win.h"
#include "app/settings/layout_fields.h"
#include "app/settings/page_geometry.h"
#include "app/settings/settings_record.h"
#include "app/settings/settings_window_texts.h"
#include "app/settings/settings_window_win.h"
#include "app/view/menu_commands.h"
#include "common/file_seam.h"
#include "common/ui/dpi_scale.h"
#include "tests/app/main_window_fixture_win.h"
#include "tests/app/number_field_driver_win.h"
#include "tests/support/layout_check_win.h"
#include "tests/support/settings_files.h"

namespace vx::test {
namespace {

constexpr wchar_t kBytesPerLine[] = L"横出力数";
constexpr wchar_t kLinesPerPage[] = L"縦出力数";
constexpr wchar_t kDumpTextGap[] = L"ダンプとテキストの横マージン";
// The captions of the shown layout fields, top to bottom.
const std::vector<std::wstring> kFieldCaptions{
    L"ダンプ下マージン", L"ダンプ右マージン", L"番地右マージン",      kBytesPerLine,
    kLinesPerPage,       kDumpTextGap,        L"テキストの右マージン"};

// The index of the layout field captioned `caption` (LayoutFields()).
int LayoutFieldIndex(const std::wstring& caption) {
  const auto& captions = settings_window_texts::kLayoutFieldCaptions;
  return static_cast<int>(std::find(captions.begin(), captions.end(), caption) - captions.begin());
}

class SettingsWindowTest : public MainWindowTest {
 protected:
  // Opens the settings window with Settings in the Tools menu and runs
  // `steps` while it is up; one of them must close it.
  void WithSettings(std::vector<Step> steps) {
    steps.insert(steps.begin(), [this] {
      window_ = FindOwnedWindow(form->hwnd());
      return window_ != nullptr;
    });
    steps.push_back([this] { return !IsWindow(window_); });
    RunScript(
        form->hwnd(), [&] { test::Choose(form->hwnd(), menu_commands::kSettings); },
        std::move(steps));
  }

  HWND Settings() const { return window_; }
  // Esc to the control with the focus; a window that is not the active one
  // (tests run side by side) may have none.
  void PressEscape() const {
    HWND focus = GetFocus();
    if (!focus || !IsChild(window_, focus)) focus = Control(L"OK");
    PostKey(focus, VK_ESCAPE);
  }
  HWND Control(const wchar_t* text) const { return ChildWithText(window_, text); }
  // The text box of the number field captioned `caption`.
  HWND Field(const std::wstring& caption) const {
    return TextBoxOf(NumberFieldBeside(window_, caption));
  }
  HWND FontSize() const { return Field(L"サイズ"); }
  HWND Combo() const { return ChildOfClass(window_, L"ComboBox"); }
  std::vector<std::wstring> ComboEntries() const {
    std::vector<std::wstring> entries;
    const LRESULT n = SendMessageW(Combo(), CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < n; ++i) {
      std::wstring text(static_cast<size_t>(SendMessageW(Combo(), CB_GETLBTEXTLEN, i, 0)), L'\0');
      SendMessageW(Combo(), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
      entries.push_back(text);
    }
    return entries;
  }
  // The first row of the page image, pixel by pixel.
  std::vector<COLORREF> PageRow() const {
    RECT page_area;
    GetClientRect(page(), &page_area);
    std::vector<COLORREF> row;
    for (int x = 0; x < page_area.right; ++x) row.push_back(PagePixel(x, 7));
    return row;
  }

 private:
  HWND window_ = nullptr;
};

TEST_F(SettingsWindowTest, OpensWithItsControlsInTheirFramesShowingTheRecord) {
  StartOn(std::vector<uint8_t>(64, 0x41));
  std::vector<Child> children;
  RECT client{};
  std::wstring caption, faults, font;
  std::vector<std::wstring> field_texts;
  std::map<HWND, std::wstring> tips;
  std::vector<size_t> swatch_rows;
  int visible_fields = 0;
  WithSettings({Do([&] {
    caption = ControlText(Settings());
    GetClientRect(Settings(), &client);
    children = Children(Settings());
    faults = LayoutFaults(Settings());
    font = ControlText(Combo());
    for (const std::wstring& c : kFieldCaptions) field_texts.push_back(ControlText(Field(c)));
    field_texts.push_back(ControlText(FontSize()));
    for (const wchar_t* row : {L"背景色", L"文字色", L"縦区切"}) {
      swatch_rows.push_back(ControlsBeside(Settings(), row, L"Static").size());
    }
    for (const Child& c : children) {
      if (c.window_class == L"VanteloxNumberField" && IsWindowVisible(c.hwnd)) ++visible_fields;
    }
    HWND tooltip = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND h, LPARAM found) -> BOOL {
          if (ClassOf(h) == TOOLTIPS_CLASSW) *reinterpret_cast<HWND*>(found) = h;
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&tooltip));
    const LRESULT count = SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      wchar_t text[256] = {};
      TTTOOLINFOW tool{};
      tool.cbSize = TTTOOLINFOW_V2_SIZE;
      tool.lpszText = text;
      SendMessageW(tooltip, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(&tool));
      tips[reinterpret_cast<HWND>(tool.uId)] = text;
    }
    PressEscape();
  })});
  EXPECT_EQ(caption, L"設定");
  EXPECT_EQ(client.right, TwipsToPixelsAt(5385, kBaseDpi));
  EXPECT_EQ(client.bottom, TwipsToPixelsAt(3585, kBaseDpi));
  EXPECT_EQ(faults, L"");
  // Each control shows its text, and stands in its frame.
  const struct {
    const wchar_t* frame;  // none for null
    std::vector<std::wstring> texts;
    const wchar_t* window_class;
  } designed[] = {
      {nullptr,
       {L"入力完了後に入力ウィンドウを消す", L"最大文字数入力時に自動で完了",
        L"入力完了後に自動で移動", L"OK", L"Cancel"},
       L"Button"},
      {L"フォント", {L"サイズ"}, L"Static"},
      {L"入力進数", {L"１６進数", L"１０進数", L"２進数"}, L"Button"},
      {L"色設定", {L"背景色", L"文字色", L"縦区切"}, L"Static"},
      {nullptr, kFieldCaptions, L"Static"},
  };
  for (const auto& d : designed) {
    const Child* frame = d.frame ? ByText(children, d.frame) : nullptr;
    for (const std::wstring& text : d.texts) {
      const Child* c = ByText(children, text);
      ASSERT_NE(c, nullptr) << "no control shows this text";
      EXPECT_EQ(c->window_class, d.window_class);
      if (!d.frame) continue;
      ASSERT_NE(frame, nullptr);
      EXPECT_TRUE(c->rect.left >= frame->rect.left && c->rect.right <= frame->rect.right &&
                  c->rect.top >= frame->rect.top && c->rect.bottom <= frame->rect.bottom);
    }
  }
  EXPECT_EQ(font, L"ＭＳ ゴシック");
  EXPECT_EQ(swatch_rows, (std::vector<size_t>{4, 4, 1}));
  EXPECT_EQ(visible_fields, 8);
  EXPECT_EQ(field_texts,
            (std::vector<std::wstring>{L"2", L"3", L"8", L"16", L"32", L"16", L"2", L"9"}));
  ASSERT_EQ(tips.size(), 3u);
  EXPECT_EQ(tips[ByText(children, L"入力完了後に入力ウィンドウを消す")->hwnd],
            L"入力後に入力ウィンドウを消去するようにします。");
  EXPECT_EQ(tips[ByText(children, L"入力完了後に自動で移動")->hwnd],
            L"入力を完了後に自動で次のバイト入力に進むようにします。");
  EXPECT_EQ(tips[ByText(children, L"最大文字数入力時に自動で完了")->hwnd],
            L"入力ウィンドウで最大文字数を入力すると自動的に入力を完了します。");
  EXPECT_FALSE(fs::FileExists(SettingsFile())) << "Esc writes nothing";
}

// At each density the window is its layout at 96 dots an inch scaled, and
// keeps its relations.
TEST_F(SettingsWindowTest, EveryDensityScalesTheLayoutAndKeepsItsRelations) {
  StartOn({1});
  std::vector<Child> at_base;
  for (int dpi : {96, 120, 144, 168, 192}) {
    // Windows made over the main window from now on are made at its density.
    ChangeDensity(form->hwnd(), dpi);
    std::vector<Child> children;
    RECT client{};
    std::wstring faults;
    WithSettings({Do([&] {
      GetClientRect(Settings(), &client);
      // The window's own controls; what is inside them they lay out themselves.
      for (const Child& c : Children(Settings())) {
        if (GetParent(c.hwnd) == Settings()) children.push_back(c);
      }
      faults = LayoutFaults(Settings());
      PressEscape();
    })});
    EXPECT_EQ(client.right, TwipsToPixelsAt(5385, dpi)) << dpi;
    // Where the screen limits the main window's page shape, the window grows
    // by the strip that tells it.
    if (view().limited_shape()) {
      EXPECT_GT(client.bottom, TwipsToPixelsAt(3585, dpi)) << dpi;
    } else {
      EXPECT_EQ(client.bottom, TwipsToPixelsAt(3585, dpi)) << dpi;
    }
    EXPECT_EQ(faults, L"") << dpi;
    if (dpi == kBaseDpi) at_base = children;
    ASSERT_EQ(children.size(), at_base.size()) << dpi;
    for (size_t i = 0; i < children.size(); ++i) {
      const Child& c = children[i];
      const RECT& base = at_base[i].rect;
      PixelRect want = ScaleForDpi(
          PixelRect{base.left, base.top, base.right - base.left, base.bottom - base.top}, dpi);
      // A combo box is as high as its font makes its text box.
      if (c.window_class == L"ComboBox") want.height = c.rect.bottom - c.rect.top;
      EXPECT_EQ(PixelRect(c.rect.left, c.rect.top, c.rect.right - c.rect.left,
                          c.rect.bottom - c.rect.top),
                want)
          << dpi << " " << c.window_class << " \"" << c.text << "\"";
    }
  }
}

TEST_F(SettingsWindowTest, CancelEscAndTheCloseBoxPutTheRecordAndTheMainWindowBack) {
  StartOn(std::vector<uint8_t>(20000, 0x41));
  const DisplaySettingsRecord before = DisplaySettings;
  RECT size_before;
  GetWindowRect(form->hwnd(), &size_before);
  const int32_t range_before = view().scroll_bar().Max();
  const std::vector<COLORREF> row_before = PageRow();
  const std::vector<std::function<void()>> endings{
      [&] { Click(Control(L"Cancel")); },
      [&] { PressEscape(); },
      [&] { PostMessageW(Settings(), WM_CLOSE, 0, 0); },
  };
  for (size_t way = 0; way < endings.size(); ++way) {
    RECT size_during{};
    int32_t range_during = 0;
    int32_t bytes_during = 0;
    std::vector<COLORREF> row_during;
    WithSettings({Do([&] {
                    // A font of 7 keeps 48 bytes a line on the test screen.
                    Key(FontSize(), VK_DOWN);
                    Key(FontSize(), VK_DOWN);
                    Key(Field(kBytesPerLine), VK_UP);
                    Key(Field(kBytesPerLine), VK_UP);
                    Click(Control(L"最大文字数入力時に自動で完了"));
                    Click(Control(L"２進数"));
                    Key(Field(kDumpTextGap), VK_UP);
                    // Typed, not yet taken: closing must not take it on the way out.
                    SetFocus(Field(kDumpTextGap));
                    SetWindowTextW(Field(kDumpTextGap), L"99");
                    bytes_during = DisplaySettings.BytesPerLine;
                    range_during = view().scroll_bar().Max();
                    GetWindowRect(form->hwnd(), &size_during);
                    row_during = PageRow();
                  }),
                  Do(endings[way])});
    EXPECT_EQ(bytes_during, 48) << way;
    EXPECT_EQ(range_during, (20000 + (2 - 32) * 48) / 48) << way;
    EXPECT_GT(size_during.right - size_during.left, size_before.right - size_before.left);
    EXPECT_NE(row_during, row_before);
    EXPECT_EQ(DisplaySettings, before) << way;
    RECT size_after;
    GetWindowRect(form->hwnd(), &size_after);
    EXPECT_EQ(size_after.right - size_after.left, size_before.right - size_before.left) << way;
    EXPECT_EQ(size_after.bottom - size_after.top, size_before.bottom - size_before.top) << way;
    EXPECT_EQ(view().scroll_bar().Max(), range_before) << way;
    EXPECT_EQ(PageRow(), row_before) << way;
    EXPECT_FALSE(fs::FileExists(SettingsFile())) << way;
  }
}

TEST_F(SettingsWindowTest, OkKeepsAndSavesWhatWasSetAndTheTypedFontComesBack) {
  StartOn(std::vector<uint8_t>(64, 0x41));
  const std::wstring typed = L"未登録のフォント";
  WithSettings({Do([&] {
                  // The smallest font keeps 48 bytes a line on the test screen.
                  // Typed numbers are taken as the focus leaves their fields.
                  SetFocus(FontSize());
                  SetWindowTextW(FontSize(), L"4");
                  SetFocus(Field(kBytesPerLine));
                  SetWindowTextW(Field(kBytesPerLine), L"20");
                  SetFocus(Combo());
                }),
                [&] { return DisplaySettings.BytesPerLine == 20; }, Do([&] {
                  Key(Field(kBytesPerLine), VK_UP);
                  EXPECT_EQ(DisplaySettings.BytesPerLine, 36);
                  Key(Field(kBytesPerLine), VK_UP);
                  Click(Control(L"２進数"));
                  Click(Control(L"最大文字数入力時に自動で完了"));
                  SetWindowTextW(Combo(), typed.c_str());
                  Click(Control(L"OK"));
                })});
  EXPECT_EQ(DisplaySettings.BytesPerLine, 48);
  EXPECT_EQ(DisplaySettings.InputRadix, 2);
  EXPECT_TRUE(DisplaySettings.AutoCompleteAtMax);
  EXPECT_EQ(GetFontName(), typed);
  // The byte input window takes eight binary digits.
  EXPECT_EQ(SendMessageW(ChildOfClass(view().input_window().hwnd(), L"Edit"), EM_GETLIMITTEXT, 0, 0),
            8);
  const std::vector<uint8_t> saved = ReadFileBytes(SettingsFile());
  ASSERT_EQ(saved.size(), kSettingsRecordSize);
  EXPECT_EQ(DecodeSettings(saved), DisplaySettings);
  // The name is not in the list, and the next opening still shows it.
  std::wstring shown;
  WithSettings({Do([&] {
    shown = ControlText(Combo());
    Click(Control(L"Cancel"));
  })});
  EXPECT_EQ(shown, typed);
  EXPECT_EQ(GetFontName(), typed);
}

// Enter in a number field takes its number and presses OK, as in every
// other field: the window closes with the number saved.
TEST_F(SettingsWindowTest, EnterInEachNumberFieldTakesItsNumberAndPressesOk) {
  StartOn(std::vector<uint8_t>(64, 0x41));
  const DisplaySettingsRecord before = DisplaySettings;
  std::vector<std::wstring> captions = kFieldCaptions;
  captions.push_back(L"サイズ");
  for (const std::wstring& caption : captions) {
    SCOPED_TRACE(::testing::PrintToString(caption));
    DisplaySettings = before;
    const bool font = caption == L"サイズ";
    const LayoutField* field = font ? nullptr : &LayoutFields()[LayoutFieldIndex(caption)];
    const int32_t now = font ? before.FontSize : field->shown(before);
    // One more than now, or one less at the upper bound.
    const int32_t typed = now < (font ? kMaxFontSize : field->max) ? now + 1 : now - 1;
    WithSettings({Do([&] {
      const HWND box = font ? FontSize() : Field(caption);
      SetFocus(box);
      SetWindowTextW(box, std::to_wstring(typed).c_str());
      PostKey(box, VK_RETURN);
    })});
    const std::optional<DisplaySettingsRecord> saved =
        DecodeSettings(ReadFileBytes(SettingsFile()));
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(font ? saved->FontSize : field->shown(*saved), typed);
    EXPECT_TRUE(messages.shown().empty());
  }
}

// A typing slip is refused with a message that names the field's bounds;
// the field keeps its number, and neither Enter nor OK closes the window
// while it holds the slip. Full-width digits are digits.
TEST_F(SettingsWindowTest, ANumberFieldRefusesTextThatIsNoNumberInItsRange) {
  StartOn(std::vector<uint8_t>(64, 0x41));
  const std::wstring font_range = std::to_wstring(kMinFontSize) + L"～" +
                                  std::to_wstring(kMaxFontSize) + L"の数値を入力してください。";
  const LayoutField& lines = LayoutFields()[LayoutFieldIndex(kLinesPerPage)];
  const std::wstring lines_range = std::to_wstring(lines.min) + L"～" + std::to_wstring(lines.max) +
                                   L"の数値を入力してください。";
  const struct {
    const wchar_t* caption;
    std::wstring typed;
    std::wstring refusal;  // none when the number is taken
  } entries[] = {
      {L"サイズ", L"p24", font_range},
      {L"サイズ", L"2x4", font_range},
      {L"サイズ", L"abc", font_range},
      {L"サイズ", L"", font_range},
      {L"サイズ", std::to_wstring(kMaxFontSize + 1), font_range},
      {kLinesPerPage, std::to_wstring(lines.min - 1), lines_range},
      {L"サイズ", L"２０", L""},
  };
  const DisplaySettingsRecord before = DisplaySettings;
  for (const auto& e : entries) {
    SCOPED_TRACE(::testing::PrintToString(e.typed));
    DisplaySettings = before;
    fs::RemoveFile(SettingsFile());
    messages.Clear();
    HWND box = nullptr;
    bool open_after_enter = false, open_after_ok = false;
    std::wstring shown_after;
    DisplaySettingsRecord while_refused;
    WithSettings({Do([&] {
                    box = Field(e.caption);
                    SetFocus(box);
                    SetWindowTextW(box, e.typed.c_str());
                    PostKey(box, VK_RETURN);
                  }),
                  [&] { return !messages.shown().empty() || !IsWindow(Settings()); }, Do([&] {
                    if (!IsWindow(Settings())) return;
                    open_after_enter = true;
                    Click(Control(L"OK"));
                    open_after_ok = IsWindow(Settings()) != 0;
                    shown_after = ControlText(box);
                    while_refused = DisplaySettings;
                    if (open_after_ok) Click(Control(L"Cancel"));
                  })});
    if (e.refusal.empty()) {
      EXPECT_TRUE(messages.shown().empty());
      EXPECT_FALSE(open_after_enter);
      EXPECT_EQ(DecodeSettings(ReadFileBytes(SettingsFile()))->FontSize, 20);
      continue;
    }
    EXPECT_EQ(messages.texts(), (std::vector<std::wstring>{e.refusal, e.refusal}));
    EXPECT_TRUE(open_after_enter);
    EXPECT_TRUE(open_after_ok);
    EXPECT_EQ(shown_after, e.typed) << "the slip stays to be mended";
    EXPECT_EQ(while_refused, before);
    EXPECT_FALSE(fs::FileExists(SettingsFile()));
  }
}

// Every field typed at its upper bound, then OK: the window keeps the
// largest layout it can make (with stored margins of 1024, which its hidden
// fields hold to 128), the main window limits its page shape to the screen and the fields
// show that shape, and the start-up reading takes the saved file; the same
// for the smallest, which fits as it is.
TEST_F(SettingsWindowTest, TheLargestAndSmallestLayoutsAreSavedReadablyForTheNextStart) {
  StartOn(std::vector<uint8_t>(64, 0x41));
  const struct {
    int32_t margins;
    bool largest;
    bool fits;
    int width, height;  // of the smallest page
  } extremes[] = {{1024, true, false, 0, 0}, {0, false, true, 136, 44}};
  for (const auto& e : extremes) {
    SCOPED_TRACE(e.largest ? "largest" : "smallest");
    DisplaySettings.TopMargin = e.margins;
    DisplaySettings.LeftMargin = e.margins;
    const auto bound = [&](int32_t min, int32_t max) {
      return std::to_wstring(e.largest ? max : min);
    };
    std::wstring shown_bytes, shown_lines;
    WithSettings({Do([&] {
      // Each typed number is taken as the focus moves on to the next field.
      for (const std::wstring& caption : kFieldCaptions) {
        const LayoutField& field = LayoutFields()[LayoutFieldIndex(caption)];
        SetFocus(Field(caption));
        SetWindowTextW(Field(caption), bound(field.min, field.max).c_str());
      }
      SetFocus(FontSize());
      SetWindowTextW(FontSize(), bound(kMinFontSize, kMaxFontSize).c_str());
      SetFocus(Combo());
      shown_bytes = ControlText(Field(kBytesPerLine));
      shown_lines = ControlText(Field(kLinesPerPage));
      Click(Control(L"OK"));
    })});
    const std::optional<DisplaySettingsRecord> saved =
        DecodeSettings(ReadFileBytes(SettingsFile()));
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(*saved, DisplaySettings);
    // The record keeps what was typed, even where the screen limits it.
    EXPECT_EQ(shown_bytes, std::to_wstring(saved->BytesPerLine));
    EXPECT_EQ(shown_lines, std::to_wstring(saved->LinesPerPage));
    const LayoutField& bytes_field = LayoutFields()[LayoutFieldIndex(kBytesPerLine)];
    EXPECT_EQ(shown_bytes, bound(bytes_field.min, bytes_field.max));
    EXPECT_EQ(view().limited_shape().has_value(), !e.fits);
    const DisplaySettingsRecord shown = view().page_settings();
    const PageGeometry page = LayOutPage(shown);
    RECT page_area;
    GetClientRect(this->page(), &page_area);
    if (e.fits) {
      EXPECT_EQ(page.picture_width, e.width);
      EXPECT_EQ(page.picture_height, e.height);
      EXPECT_EQ(page_area.right, e.width);
    } else {
      // 16 bytes of the widest cells are still wider than the screen: the
      // page area is cut there, and as many lines as fit are kept.
      EXPECT_EQ(shown.BytesPerLine, 16);
      EXPECT_GT(shown.LinesPerPage, 8);
      EXPECT_LT(shown.LinesPerPage, 96);
      EXPECT_LT(page_area.right, page.picture_width);
      EXPECT_EQ(page_area.bottom, page.picture_height);
    }
  }
}

TEST_F(SettingsWindowTest, TheInstalledFontsAreCachedOnceAndReadBackInTheirOrder) {
  StartOn({1});
  const std::wstring cache = ProgramFolder + L"VXSetting\\FontData.dat";
  std::vector<std::wstring> first;
  WithSettings({Do([&] {
    first = ComboEntries();
    Click(Control(L"Cancel"));
  })});
  ASSERT_FALSE(first.empty());
  EXPECT_EQ(first, InstalledFontNames());
  std::vector<uint8_t> bytes = ReadFileBytes(cache);
  EXPECT_EQ(DecodeFontList(std::string(bytes.begin(), bytes.end())), first);
  // The second opening takes the file as it finds it.
  const std::string extra = "\"Zzz Cached Only\"\r\n";
  bytes.insert(bytes.end(), extra.begin(), extra.end());
  WriteFileBytes(cache, bytes);
  std::vector<std::wstring> second;
  WithSettings({Do([&] {
    second = ComboEntries();
    Click(Control(L"Cancel"));
  })});
  first.push_back(L"Zzz Cached Only");
  EXPECT_EQ(second, first);
  // 10 MB of binary garbage: the window opens at once with what could be read.
  std::vector<uint8_t> garbage(10u << 20);
  for (size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<uint8_t>(i * 7919 >> 3);
  WriteFileBytes(cache, garbage);
  size_t entries = 0;
  std::wstring font;
  WithSettings({Do([&] {
    entries = ComboEntries().size();
    font = ControlText(Combo());
    Click(Control(L"Cancel"));
  })});
  EXPECT_LE(entries, kMaxCachedFonts);
  EXPECT_EQ(font, L"ＭＳ ゴシック");
}

TEST_F(SettingsWindowTest, APickedColourShowsAtOnceAndTheCloseBoxUndoesIt) {
  StartOn(std::vector<uint8_t>(64, 0x41));
  HWND chooser = nullptr;
  Colour while_open = 0;
  COLORREF page_while_open = 0;
  WithSettings({Do([&] {
                  // The second background swatch: odd lines.
                  const std::vector<HWND> row = ControlsBeside(Settings(), L"背景色", L"Static");
                  ASSERT_EQ(row.size(), 4u);
                  PostMessageW(row[1], WM_LBUTTONDOWN, MK_LBUTTON, 0);
                }),
                [&] { return (chooser = FindOwnedWindow(Settings())) != nullptr; }, Do([&] {
                  Click(ChildWithText(chooser, L"システムカラー"));
                  const HWND list = ChildOfClass(chooser, L"ListBox");
                  SendMessageW(list, LB_SETCURSEL, 24, 0);
                  SendMessageW(chooser, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                               reinterpret_cast<LPARAM>(list));
                  page_while_open = PagePixel(2, 2 + 12 + 5);
                  Click(ChildWithText(chooser, L"OK"));
                }),
                [&] { return !IsWindow(chooser); }, Do([&] {
                  while_open = DisplaySettings.BackColors[1];
                  PostMessageW(Settings(), WM_CLOSE, 0, 0);
                })});
  EXPECT_EQ(while_open, 0x80000018u);
  EXPECT_EQ(page_while_open, GetSysColor(COLOR_INFOBK));
  EXPECT_EQ(DisplaySettings.BackColors[1], 0x00EFEFEFu);
  EXPECT_EQ(PagePixel(2, 2 + 12 + 5), RGB(0xEF, 0xEF, 0xEF));
}

// A held plus button repeats from inside the window; the window's own ways
// of closing end it, and nothing touches the window once it is gone.
TEST_F(SettingsWindowTest, EscTheCloseBoxOrOkWhileAButtonIsHeldEndTheRepeat) {
  StartOn(std::vector<uint8_t>(64, 0x41));
  const DisplaySettingsRecord before = DisplaySettings;
  const std::vector<std::function<void()>> endings{
      [&] { PressEscape(); },
      [&] { PostMessageW(Settings(), WM_CLOSE, 0, 0); },
      [&] { PostMessageW(Control(L"OK"), BM_CLICK, 0, 0); },
  };
  for (size_t way = 0; way < endings.size(); ++way) {
    DisplaySettings = before;
    fs::RemoveFile(SettingsFile());
    WithSettings({Do([&] {
                    const HWND gap = NumberFieldBeside(Settings(), kDumpTextGap);
                    PostMessageW(gap, WM_LBUTTONDOWN, MK_LBUTTON, ButtonPoint(gap, true));
                  }),
                  [&] { return DisplaySettings.DumpTextGap == 17; }, Do(endings[way])});
    EXPECT_EQ(GetCapture(), nullptr) << way;
    const bool ok = way == 2;
    EXPECT_EQ(DisplaySettings.DumpTextGap, ok ? 17 : 16) << way;
    EXPECT_EQ(fs::FileExists(SettingsFile()), ok) << way;
    EXPECT_TRUE(IsWindowEnabled(form->hwnd())) << way;
  }
}

// A main window on a screen that holds at most `most`: the shape it shows is
// the saved one cut to that, or none when it has no such limit.
class LimitingHost : public SettingsHost {
 public:
  void ApplySettings() override {}
  void RefreshScrollRange() override {}
  void RedrawPage() override {}
  std::optional<PageShape> LimitedPageShape() const override {
    if (!most) return std::nullopt;
    return PageShape{std::min(DisplaySettings.BytesPerLine, most->bytes_per_line),
                     std::min(DisplaySettings.LinesPerPage, most->lines)};
  }
  std::optional<PageShape> most;
};

constexpr wchar_t kFitsScreen[] = L"画面に収まる大きさ: ";

// The text of the shown label that tells a limited shape; empty when none shows.
std::wstring LimitShown(HWND window) {
  for (const Child& c : Children(window)) {
    if (c.text.starts_with(kFitsScreen) && IsWindowVisible(c.hwnd)) return c.text;
  }
  return L"";
}

// The shape that fits the screen shows beside the saved one, in a strip the
// window grows by, only while the two differ; it follows the fields.
TEST_F(SettingsWindowTest, AShapeLimitedToTheScreenShowsBesideTheSavedOne) {
  StartOn({1});
  DisplaySettings.BytesPerLine = 48;
  DisplaySettings.LinesPerPage = 96;
  const DisplaySettingsRecord before = DisplaySettings;
  const std::wstring fits = kFitsScreen;
  const struct {
    std::optional<PageShape> most;
    std::wstring shown, after_bytes_down;  // empty when nothing shows
  } cases[] = {
      {std::nullopt, L"", L""},
      {PageShape{48, 96}, L"", L""},
      {PageShape{16, 38}, fits + L"16 × 38（保存: 48 × 96）", fits + L"16 × 38（保存: 32 × 96）"},
      {PageShape{32, 96}, fits + L"32 × 96（保存: 48 × 96）", L""},
  };
  int designed_height = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.shown));
    DisplaySettings = before;
    LimitingHost host;
    host.most = c.most;
    SettingsWindow window(host);
    RECT client{};
    std::wstring faults, shown, after_down;
    DriveModal(
        form->hwnd(), [&] { window.ShowModal(form->hwnd()); },
        [&](HWND w) {
          GetClientRect(w, &client);
          faults = LayoutFaults(w);
          shown = LimitShown(w);
          Key(TextBoxOf(NumberFieldBeside(w, kBytesPerLine)), VK_DOWN);
          after_down = LimitShown(w);
          Click(ChildWithText(w, L"Cancel"));
        });
    if (!c.most) designed_height = client.bottom;
    EXPECT_EQ(faults, L"");
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(after_down, c.after_bytes_down);
    EXPECT_EQ(client.bottom > designed_height, !c.shown.empty());
  }
}

class CountingHost : public ColourChooserHost {
 public:
  void ApplyChanges() override { ++calls; }
  int calls = 0;
};

// The chooser's controls, found as a person finds them.
struct ChooserControls {
  explicit ChooserControls(HWND chooser)
      : system_colour(ChildWithText(chooser, L"システムカラー")),
        own_colour(ChildWithText(chooser, L"ユーザー定義カラー")),
        list(ChildOfClass(chooser, L"ListBox")),
        ok(ChildWithText(chooser, L"OK")),
        cancel(ChildWithText(chooser, L"Cancel")) {
    for (size_t i = 0; i < 3; ++i) {
      const wchar_t* part = std::array{L"Red", L"Green", L"Blue"}[i];
      bars[i] = ControlBeside(chooser, part, L"ScrollBar");
      values[i] = ControlBeside(chooser, part, L"Static");
    }
  }
  HWND system_colour, own_colour, list, ok, cancel;
  std::array<HWND, 3> bars{}, values{};  // red, green, blue
};

class ColourChooserTest : public MainWindowTest {
 protected:
  // Opens the chooser on `start` over the main window; `act` runs once it is
  // up and must close it.
  void Choose(Colour start, const std::function<void(HWND, const ChooserControls&)>& act) {
    slot = start;
    ColourChooser chooser(host, slot, start);
    DriveModal(
        form->hwnd(), [&] { chooser.ShowModal(form->hwnd()); },
        [&](HWND window) { act(window, ChooserControls(window)); });
  }
  static void Scroll(HWND chooser, HWND bar, int code, int position = 0) {
    SendMessageW(chooser, WM_HSCROLL, MAKEWPARAM(code, position), reinterpret_cast<LPARAM>(bar));
  }
  static void Select(HWND chooser, HWND list, int entry) {
    SendMessageW(list, LB_SETCURSEL, entry, 0);
    SendMessageW(chooser, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
  }

  CountingHost host;
  Colour slot = 0;
};

// At every density each control keeps a margin from the chooser's edges,
// lies clear of the others and shows its whole text.
TEST_F(ColourChooserTest, EveryDensityKeepsTheControlsClearOfTheEdgesAndOfEachOther) {
  Start(L"");
  for (int dpi : {96, 120, 144, 168, 192}) {
    // Windows made over the main window from now on are made at its density.
    ChangeDensity(form->hwnd(), dpi);
    std::wstring faults = L"not shown";
    Choose(0x00EFEFEF, [&](HWND window, const ChooserControls& c) {
      faults = LayoutFaults(window, ScaleForDpi(4, dpi));
      Click(c.cancel);
    });
    EXPECT_EQ(faults, L"") << dpi;
  }
}

TEST_F(ColourChooserTest, OpensInTheModeOfItsColourWithExactlyOneWrite) {
  Start(L"");
  Choose(0x00EFEFEF, [&](HWND, const ChooserControls& c) {
    EXPECT_EQ(host.calls, 1);
    EXPECT_EQ(slot, 0x00EFEFEFu);
    EXPECT_TRUE(Checked(c.own_colour));
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(GetScrollPos(c.bars[i], SB_CTL), 239);
      EXPECT_EQ(ControlText(c.values[i]), L"239");
      EXPECT_TRUE(IsWindowEnabled(c.bars[i]));
    }
    EXPECT_FALSE(IsWindowEnabled(c.list));
    Click(c.cancel);
  });
  host.calls = 0;
  Choose(0x80000005, [&](HWND, const ChooserControls& c) {
    EXPECT_EQ(host.calls, 1);
    EXPECT_EQ(slot, 0x80000005u);
    EXPECT_TRUE(Checked(c.system_colour));
    EXPECT_EQ(SendMessageW(c.list, LB_GETCURSEL, 0, 0), 5);
    wchar_t name[64] = {};
    SendMessageW(c.list, LB_GETTEXT, 5, reinterpret_cast<LPARAM>(name));
    EXPECT_STREQ(name, L"ウィンドウの背景色");
    SendMessageW(c.list, LB_GETTEXT, 22, reinterpret_cast<LPARAM>(name));
    EXPECT_STREQ(name,
                 L"3D で\u3000"
                 L"2 番目に明るく表示する要素の色");
    EXPECT_EQ(SendMessageW(c.list, LB_GETCOUNT, 0, 0), 25);
    EXPECT_FALSE(IsWindowEnabled(c.bars[0]));
    Click(c.cancel);
  });
}

TEST_F(ColourChooserTest, EveryMoveIsWrittenAndOkCancelAndTheCloseBoxEndAsDesigned) {
  Start(L"");
  using Act = std::function<void(HWND, const ChooserControls&)>;
  const Act ok = [](HWND, const ChooserControls& c) { Click(c.ok); };
  const Act cancel = [](HWND, const ChooserControls& c) { Click(c.cancel); };
  const Act close_box = [](HWND w, const ChooserControls&) { PostMessageW(w, WM_CLOSE, 0, 0); };
  const Act enter = [](HWND, const ChooserControls& c) {
    PostMessageW(c.ok, WM_KEYDOWN, VK_RETURN, 0);
  };
  const auto scroll = [](int bar, int code, int position = 0) {
    return [=](HWND w, const ChooserControls& c) { Scroll(w, c.bars[bar], code, position); };
  };
  const auto select = [](int entry) {
    return [=](HWND w, const ChooserControls& c) { Select(w, c.list, entry); };
  };
  const struct {
    Colour start;
    Act move, end;
    Colour slot;
  } cases[] = {
      {0x80000005, select(24), ok, 0x80000018},
      {0, scroll(0, SB_RIGHT), ok, 0x000000FF},
      {0, scroll(1, SB_THUMBTRACK, 200), ok, 0x0000C800},
      {0x00102030, scroll(2, SB_LINERIGHT), ok, 0x00112030},
      // System to user-defined: the bars' colour at once.
      {0x80000005, [](HWND, const ChooserControls& c) { Click(c.own_colour); }, ok, 0x00000000},
      {0x00EFEFEF, scroll(0, SB_LEFT), cancel, 0x00EFEFEF},
      {0x80000005, select(7), cancel, 0x80000005},
      {0x00EFEFEF, scroll(0, SB_LEFT), close_box, 0x00EFEF00},
      {0x00EFEFEF, scroll(2, SB_PAGELEFT), enter, 0x00DFEFEF},
  };
  for (const auto& c : cases) {
    Choose(c.start, [&](HWND window, const ChooserControls& controls) {
      c.move(window, controls);
      c.end(window, controls);
    });
    EXPECT_EQ(slot, c.slot) << std::hex << c.start << " -> " << c.slot;
  }
}

}  // namespace
}  // namespace vx::test
