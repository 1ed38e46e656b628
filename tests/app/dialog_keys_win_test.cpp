// The keys of the modal windows, posted to the control with the focus as the
// keyboard delivers them, so that each window's own loop handles them: Enter
// on the focused push button or else on the window's one default button, Esc,
// Space on check boxes and on the colour swatches, mnemonics, and the keys
// going back to the page when a window closes. Then the go-to-address window.
#include <memory>
#include <string>
#include <vector>

#include "app/view/go_to_texts.h"
#include "app/view/menu_commands.h"
#include "common/file_seam.h"
#include "tests/app/focus_watch_win.h"
#include "tests/app/main_window_fixture_win.h"
#include "tests/support/settings_files.h"

namespace vx::test {
namespace {

using namespace menu_commands;

// The control of `window` with the focus, or the window itself.
HWND FocusIn(HWND window) {
  const HWND focus = GetFocus();
  return focus && IsChild(window, focus) ? focus : window;
}

class DialogKeysTest : public MainWindowTest {
 protected:
  // Opens the window of the menu command `command` and runs `steps` while it
  // is up; the last must close it. `window` is the window shown.
  void WithWindow(int command, std::vector<Step> steps) {
    steps.insert(steps.begin(), [this] {
      window = FindOwnedWindow(form->hwnd());
      return window != nullptr;
    });
    steps.push_back([this] { return !IsWindow(window); });
    RunScript(
        form->hwnd(), [&] { Choose(command); }, std::move(steps));
  }
  HWND Control(const wchar_t* text) const { return ChildWithText(window, text); }

  HWND window = nullptr;
};

TEST_F(DialogKeysTest, EveryWindowHasOneDefaultButtonAndEscGivesTheKeysBackToThePage) {
  StartOn(std::vector<uint8_t>(4096, 7));
  const struct {
    const char* name;
    int command;
    const wchar_t* default_button;
  } windows[] = {
      {"search", kFind, L"検索"}, {"go to address", kGoTo, L"移動"}, {"settings", kSettings, L"OK"},
      {"print", kPrint, L"印刷"}, {"version", kVersion, L"閉じる"},
  };
  FocusWatch keys(page());
  for (const auto& w : windows) {
    std::vector<std::wstring> defaults;
    WithWindow(w.command, {Do([&] {
                 for (const Child& c : Children(window)) {
                   const LONG kind = GetWindowLongW(c.hwnd, GWL_STYLE) & BS_TYPEMASK;
                   if (c.window_class == L"Button" && kind == BS_DEFPUSHBUTTON) {
                     defaults.push_back(c.text);
                   }
                 }
                 keys.Reset();
                 PostKey(FocusIn(window), VK_ESCAPE);
               })});
    EXPECT_EQ(defaults, std::vector<std::wstring>{w.default_button}) << w.name;
    EXPECT_TRUE(Eventually([&] { return keys.Got(); })) << w.name;
  }
}

TEST_F(DialogKeysTest, EnterInTheSearchWindowPressesTheButtonWithTheFocus) {
  std::vector<uint8_t> bytes(8192, 0x11);
  for (size_t at : {100, 5000}) bytes[at] = 0x4D;
  StartOn(bytes);
  HWND find_next = nullptr;
  WithWindow(kFind,
             {
                 Do([&] {
                   find_next = Control(L"次を検索");
                   const HWND data = ChildOfClass(window, L"Edit");
                   SetWindowTextW(data, L"4d");
                   PostKey(data, VK_RETURN);  // the default, 検索
                 }),
                 [&] { return view().caret_offset() == 100 && IsWindowVisible(find_next); },
                 Do([&] { PostKey(find_next, VK_RETURN); }),
                 [&] { return view().caret_offset() == 5000; },
                 Do([&] { PostKey(FocusIn(window), VK_ESCAPE); }),
             });
  EXPECT_EQ(view().caret_offset(), 5000);
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(DialogKeysTest, EnterOnClosePrintsNothing) {
  StartOn({1, 2, 3});
  // With no pages typed, "印刷" would refuse with a message and stay open.
  WithWindow(kPrint, {Do([&] {
               Click(Control(L"ページ指定"));
               SetFocus(Control(L"閉じる"));
               PostKey(Control(L"閉じる"), VK_RETURN);
             })});
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(DialogKeysTest, SettingsTakeSpaceOnACheckBoxAndEnterAsOk) {
  StartOn({1, 2, 3});
  const bool before = DisplaySettings.HideInputAfterEntry;
  HWND check = nullptr;
  WithWindow(kSettings, {
                            Do([&] { check = Control(L"入力完了後に入力ウィンドウを消す"); }),
                            // A window of a test running beside this one may take the focus
                            // between the key's down and up, and the box then stays as it was.
                            // The timer ticks only once the keys are taken, so pressing again
                            // never toggles twice.
                            [&] {
                              if (Checked(check) != before) return true;
                              SetFocus(check);
                              PostKey(check, VK_SPACE);
                              return false;
                            },
                            // Tab moves the focus on (pressed again when a window beside took
                            // it); OK stays the default, drawn as such.
                            [&] {
                              const LONG ok = GetWindowLongW(Control(L"OK"), GWL_STYLE) &
                                              BS_TYPEMASK;
                              if (GetFocus() != check) return ok == BS_DEFPUSHBUTTON;
                              PostKey(check, VK_TAB);
                              return false;
                            },
                            // Enter presses OK (again, likewise, until the window goes).
                            [&] {
                              if (!IsWindow(window)) return true;
                              PostKey(FocusIn(window), VK_RETURN);
                              return false;
                            },
                        });
  EXPECT_NE(DisplaySettings.HideInputAfterEntry, before);
  EXPECT_TRUE(fs::FileExists(SettingsFile()));
}

TEST_F(DialogKeysTest, SwatchesTakeTheFocusOpenTheChooserByKeyAndGetTheFocusBack) {
  StartOn({1, 2, 3});
  HWND swatch = nullptr;
  int unmarked = -1, marked = -1;
  int chooser_openings = 0;
  std::unique_ptr<FocusWatch> keys;
  const auto chooser = [&] { return FindOwnedWindow(window); };
  std::vector<Step> steps{
      Do([&] {
        // Tab from the radix options reaches the first background swatch.
        swatch = GetNextDlgTabItem(window, Control(L"１６進数"), FALSE);
        ASSERT_NE(swatch, nullptr);
        keys = std::make_unique<FocusWatch>(swatch);
        EXPECT_NE(GetWindowLongW(swatch, GWL_STYLE) & SS_NOTIFY, 0);
      }),
  };
  for (int key : {VK_SPACE, VK_RETURN}) {
    steps.push_back(Do([&, key] { PostKey(swatch, key); }));
    steps.push_back([&] {
      const HWND c = chooser();
      if (!c) return false;
      ++chooser_openings;
      EXPECT_EQ(ControlText(c), L"色設定");
      keys->Reset();
      PostKey(FocusIn(c), VK_ESCAPE);
      return true;
    });
    steps.push_back([&] { return !chooser() && keys->Got(); });
  }
  // Pixels of the focus mark's left edge that differ from the swatch's middle.
  const auto marked_pixels = [&] {
    UpdateWindow(swatch);
    RECT client;
    GetClientRect(swatch, &client);
    const HDC dc = GetDC(swatch);
    const COLORREF fill = GetPixel(dc, client.right / 2, client.bottom / 2);
    int differ = 0;
    for (int y = 2; y < client.bottom - 2; ++y) differ += GetPixel(dc, 2, y) != fill ? 1 : 0;
    ReleaseDC(swatch, dc);
    return differ;
  };
  steps.push_back(Do([&] {
    SetFocus(swatch);
    marked = marked_pixels();
    SetFocus(Control(L"OK"));
    unmarked = marked_pixels();
    PostKey(FocusIn(window), VK_ESCAPE);
  }));
  WithWindow(kSettings, std::move(steps));
  EXPECT_EQ(chooser_openings, 2);
  EXPECT_GT(marked, 0);
  EXPECT_EQ(unmarked, 0);
}

class GoToWindowTest : public DialogKeysTest {
 protected:
  static constexpr int32_t kFileSize = 4096;

  void SetUp() override {
    DialogKeysTest::SetUp();
    std::vector<uint8_t> bytes(kFileSize);
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i);
    StartOn(bytes);
  }

  struct Controls {
    HWND address, hexadecimal, decimal;
  };
  Controls Shown() const {
    return {ChildOfClass(window, L"Edit"), Control(L"１６進数(&H)"), Control(L"１０進数(&D)")};
  }
  void WithGoTo(std::vector<Step> steps) { WithWindow(kGoTo, std::move(steps)); }
  // Types `text` and presses Enter in the field.
  Step GoTo(const wchar_t* text) {
    return Do([this, text] {
      TypeOver(Shown().address, text);
      PostKey(Shown().address, VK_RETURN);
    });
  }
};

TEST_F(GoToWindowTest, OpensOnTheCaretsAddressAndMovesTheCaretAsASearchResult) {
  view().GoTo(0x123);
  std::wstring caption, field, cut;
  DWORD from = 9, to = 9;
  bool hexadecimal = false;
  WithGoTo({Do([&] {
              const Controls c = Shown();
              caption = ControlText(window);
              field = ControlText(c.address);
              SendMessageW(c.address, EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                           reinterpret_cast<LPARAM>(&to));
              hexadecimal = Checked(c.hexadecimal);
              cut = CutLabels(window);
            }),
            GoTo(L"+100")});
  EXPECT_EQ(caption, L"指定番地へ移動");
  EXPECT_EQ(field, L"123");
  EXPECT_EQ(from, 0u);
  EXPECT_EQ(to, 3u);
  EXPECT_TRUE(hexadecimal);
  EXPECT_EQ(cut, L"");
  // The line at the top of the page, as the caret goes to a search result.
  EXPECT_EQ(view().caret_offset(), 0x223);
  EXPECT_EQ(view().scroll_bar().Value(), 0x22);
  EXPECT_EQ(view().caret_row(), 0);
  EXPECT_EQ(view().caret_column(), 3);
  EXPECT_EQ(ControlText(view().caret_address_label()), L"223  (547) 番地");
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(GoToWindowTest, AnAddressPastTheEndGoesBehindTheLastByte) {
  WithGoTo({GoTo(L"+7FFFFFFF")});
  EXPECT_EQ(view().caret_offset(), kFileSize);
  EXPECT_EQ(ControlText(view().caret_address_label()), L"1000  (4096) 番地");
}

TEST_F(GoToWindowTest, TextThatIsNoAddressIsRefusedAndTheWindowStays) {
  view().GoTo(0x40);
  const struct {
    bool decimal;
    const wchar_t* text;
    const wchar_t* message;
  } cases[] = {
      {false, L"xyz", go_to_texts::kNotHexadecimal},
      {false, L"  ", go_to_texts::kEmpty},
      {false, L"+", go_to_texts::kNotHexadecimal},
      {true, L"1F", go_to_texts::kNotDecimal},
  };
  std::vector<Step> steps;
  for (size_t i = 0; i < std::size(cases); ++i) {
    steps.push_back(Do([&, i] {
      const Controls c = Shown();
      Click(cases[i].decimal ? c.decimal : c.hexadecimal);
    }));
    steps.push_back(GoTo(cases[i].text));
    steps.push_back([&, i] { return messages.shown().size() == i + 1; });
    steps.push_back(Do([&, i] { EXPECT_TRUE(IsWindowVisible(window)) << i; }));
  }
  steps.push_back(Do([&] { PostKey(FocusIn(window), VK_ESCAPE); }));
  WithGoTo(std::move(steps));
  ASSERT_EQ(messages.shown().size(), std::size(cases));
  for (size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(messages.shown()[i].text, cases[i].message) << i;
    EXPECT_EQ(messages.shown()[i].icon, MsgIcon::Critical) << i;
  }
  EXPECT_EQ(view().caret_offset(), 0x40);
}

TEST_F(GoToWindowTest, MnemonicsAndSpaceChooseTheRadixWhichIsKeptWhileTheProgramRuns) {
  std::unique_ptr<FocusWatch> address_keys;
  WithGoTo({
      Do([&] { PostMessageW(Shown().address, WM_SYSCHAR, L'd', 0x20000000); }),
      [&] { return Checked(Shown().decimal); },
      Do([&] {
        SetFocus(Shown().decimal);
        address_keys = std::make_unique<FocusWatch>(Shown().address);
        PostMessageW(Shown().decimal, WM_SYSCHAR, L'a', 0x20000000);
      }),
      [&] { return address_keys->Got(); },
      GoTo(L"100"),
  });
  address_keys.reset();
  EXPECT_EQ(view().caret_offset(), 100);

  std::wstring field;
  WithGoTo({
      Do([&] {
        field = ControlText(Shown().address);
        EXPECT_TRUE(Checked(Shown().decimal));
        SetFocus(Shown().hexadecimal);
        PostKey(Shown().hexadecimal, VK_SPACE);
      }),
      [&] { return Checked(Shown().hexadecimal); },
      Do([&] { PostKey(FocusIn(window), VK_ESCAPE); }),
  });
  EXPECT_EQ(field, L"100");
  // Closed with Esc, the choice made is kept all the same.
  WithGoTo({Do([&] {
    EXPECT_TRUE(Checked(Shown().hexadecimal));
    PostKey(FocusIn(window), VK_ESCAPE);
  })});
  EXPECT_EQ(view().caret_offset(), 100);
}

}  // namespace
}  // namespace vx::test
