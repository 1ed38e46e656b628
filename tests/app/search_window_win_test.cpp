// The search window and the main window's Find and Find Next, driven from
// outside as a person would: typing into the data field, choosing options and
// pressing the buttons, with the caret and the page checked after each search.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/view/menu_commands.h"
#include "tests/app/main_window_fixture_win.h"

namespace vx::test {
namespace {

using namespace menu_commands;

constexpr wchar_t kNotFound[] = L"データが見つかりませんでした。";

// A file of 20000 bytes of 0x11 with 4D 5A at the given offsets.
std::vector<uint8_t> WithMarks(const std::vector<size_t>& offsets) {
  std::vector<uint8_t> bytes(20000, 0x11);
  for (size_t at : offsets) {
    bytes[at] = 0x4D;
    bytes[at + 1] = 0x5A;
  }
  return bytes;
}

class SearchWindowTest : public MainWindowTest {
 protected:
  // The search window's controls: the data field by its class, the buttons
  // by their captions.
  struct Controls {
    HWND window;
    HWND data;
    HWND search;
    HWND find_next;
    HWND close;
  };

  static Controls ControlsOf(HWND w) {
    const HWND data = ChildOfClass(w, L"Edit");
    EXPECT_NE(data, nullptr);
    return {w, data, ChildWithText(w, L"検索"), ChildWithText(w, L"次を検索"),
            ChildWithText(w, L"閉じる")};
  }

  // Opens the window from the Edit menu; `with_window` must close it.
  void WithSearchWindow(const std::function<void(const Controls&)>& with_window) {
    ChooseAndDrive(form->hwnd(), kFind, [&](HWND w) { with_window(ControlsOf(w)); });
  }

  int32_t CaretOffset() const { return view().caret_offset(); }

  // The caret's byte is on the shown page and the page was drawn with it.
  void ExpectCaretShownOn(uint8_t byte) const {
    const int32_t top = view().scroll_bar().Value();
    EXPECT_GE(CaretOffset(), top * 16);
    EXPECT_LT(CaretOffset(), (top + 32) * 16);
    EXPECT_EQ(view().page_bytes().at(static_cast<size_t>(view().caret_row()) * 16 + view().caret_column()),
              byte);
  }
};

TEST_F(SearchWindowTest, OpensModalWithItsControlsAndGrowsForTheHelpText) {
  StartOn(WithMarks({}));
  bool owner_enabled = true;
  std::wstring caption, help_text;
  RECT client{}, grown{}, help{};
  std::vector<Child> children;
  bool bytes_checked = false, from_beginning_checked = false, find_next_visible = true;
  bool explain_visible_after = true;
  WithSearchWindow([&](const Controls& c) {
    owner_enabled = IsWindowEnabled(form->hwnd());
    caption = ControlText(c.window);
    GetClientRect(c.window, &client);
    children = Children(c.window);
    bytes_checked = Checked(ChildWithText(c.window, L"バイト"));
    from_beginning_checked = Checked(ChildWithText(c.window, L"最初から"));
    find_next_visible = IsWindowVisible(c.find_next);
    HWND explain = ChildWithText(c.window, L"説明");
    Click(explain);
    explain_visible_after = IsWindowVisible(explain);
    GetClientRect(c.window, &grown);
    for (const Child& child : Children(c.window)) {
      if (child.text.starts_with(L"－検索方法－")) {
        help = child.rect;
        help_text = child.text;
      }
    }
    // Esc closes the window as "閉じる" does.
    PostMessageW(c.data, WM_KEYDOWN, VK_ESCAPE, 0);
  });
  EXPECT_FALSE(owner_enabled);
  EXPECT_TRUE(IsWindowEnabled(form->hwnd()));
  EXPECT_EQ(FindOwnedWindow(form->hwnd()), nullptr);

  EXPECT_EQ(caption, L"検索");
  EXPECT_FALSE(explain_visible_after);
  EXPECT_TRUE(bytes_checked);
  EXPECT_TRUE(from_beginning_checked);
  EXPECT_FALSE(find_next_visible);

  ASSERT_EQ(children.size(), 24u);
  struct Expected {
    const wchar_t* text;
    const wchar_t* window_class;
  };
  for (const Expected& e : {Expected{L"検索対象データ", L"Static"},
                            {L"検索対象", L"Button"},
                            {L"バイト", L"Button"},
                            {L"テキスト", L"Button"},
                            {L"検索開始位置", L"Button"},
                            {L"最初から", L"Button"},
                            {L"現在の位置", L"Button"},
                            {L"検索", L"Button"},
                            {L"次を検索", L"Button"},
                            {L"閉じる", L"Button"},
                            {L"説明", L"Button"},
                            {L"置換後のデータ", L"Static"},
                            {L"数値", L"Button"},
                            {L"英字の大文字と小文字を区別しない", L"Button"},
                            {L"ビッグエンディアン", L"Button"},
                            {L"選択範囲内", L"Button"},
                            {L"前を検索", L"Button"},
                            {L"すべて検索", L"Button"},
                            {L"置換", L"Button"},
                            {L"すべて置換", L"Button"}}) {
    const Child* c = ByText(children, e.text);
    ASSERT_NE(c, nullptr) << "missing control";
    EXPECT_EQ(c->window_class, e.window_class);
  }
  const Child* edit = ByText(children, L"");
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->window_class, L"Edit");

  // The help text lies below the first client area, and the grown one ends
  // with it, as wide as before.
  EXPECT_GE(help.top, client.bottom);
  EXPECT_EQ(grown.bottom, help.bottom);
  EXPECT_EQ(grown.right, client.right);
  EXPECT_EQ(help_text,
            L"－検索方法－\r\n検索対象データにデータを入力して検索します。\r\n"
            L"バイトデータで検索するときは、\r\n●スペースでデータを区切ること\r\n"
            L"●１６進入力のみに対応\r\nを忘れないで下さい。\r\n"
            L"テキストデータで入力する時はそのまま検索します。");
}

TEST_F(SearchWindowTest, StepsThroughEveryMatchThenReportsNotFound) {
  // The second match straddles the first 4096-byte block's border.
  StartOn(WithMarks({100, 4095, 9000}));
  std::vector<int32_t> landed;
  bool find_next_shown = false, find_next_focused = false, hidden_at_end = false;
  bool menu_enabled_while_found = false;
  WithSearchWindow([&](const Controls& c) {
    // Upper case and a full-width digit and letter mean 4d 5a.
    TypeOver(c.data, L"4D ５A");
    Click(c.search);
    landed.push_back(CaretOffset());
    ExpectCaretShownOn(0x4D);
    find_next_shown = IsWindowVisible(c.find_next);
    find_next_focused = GetFocus() == c.find_next;
    menu_enabled_while_found = !Grayed(kFindNext);
    for (int i = 0; i < 3 && IsWindowVisible(c.find_next); ++i) {
      Click(c.find_next);
      if (messages.shown().empty()) {
        landed.push_back(CaretOffset());
        ExpectCaretShownOn(0x4D);
      }
    }
    hidden_at_end = !IsWindowVisible(c.find_next);
    Click(c.close);
  });
  EXPECT_EQ(landed, (std::vector<int32_t>{100, 4095, 9000}));
  EXPECT_GT(view().scroll_bar().Value(), 0) << "the page did not scroll to the last match";
  EXPECT_TRUE(find_next_shown);
  EXPECT_TRUE(find_next_focused);
  EXPECT_TRUE(menu_enabled_while_found);
  EXPECT_TRUE(hidden_at_end);
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, kNotFound);
  EXPECT_EQ(messages.shown()[0].icon, MsgIcon::None);
  // Coming round to the first match ends the search.
  EXPECT_TRUE(Grayed(kFindNext));
}

TEST_F(SearchWindowTest, RefusesBadDataWithACriticalMessageAndSearchesNothing) {
  StartOn(WithMarks({100}));
  view().GoTo(49);
  bool find_next_shown = true;
  WithSearchWindow([&](const Controls& c) {
    for (const wchar_t* text : {L"4d,5a", L"4g", L"", L"4D５A"}) {
      TypeOver(c.data, text);
      Click(c.search);
    }
    Click(ChildWithText(c.window, L"テキスト"));
    TypeOver(c.data, L"");
    Click(c.search);
    find_next_shown = IsWindowVisible(c.find_next);
    Click(c.close);
  });
  EXPECT_EQ(messages.texts(),
            (std::vector<std::wstring>{
                L"規定外の文字が含まれています。", L"規定外の文字が含まれています。",
                L"データが含まれていません。", L"バイト型（０－２５５）の範囲を超えています。",
                L"データが含まれていません。"}));
  for (const MessageRequest& request : messages.shown()) {
    EXPECT_EQ(request.icon, MsgIcon::Critical);
    EXPECT_EQ(request.buttons, MsgButtons::Ok);
  }
  EXPECT_EQ(CaretOffset(), 49);
  EXPECT_FALSE(find_next_shown);
  EXPECT_TRUE(Grayed(kFindNext));
}

TEST_F(SearchWindowTest, TextFromTheCaretWrapsRoundToAJapaneseWordBeforeIt) {
  std::vector<uint8_t> bytes(2000, 0x20);
  const uint8_t word[] = {0x8C, 0x9F, 0x8D, 0xF5};  // 検索 in Shift-JIS
  std::copy(std::begin(word), std::end(word), bytes.begin() + 50);
  StartOn(bytes);
  view().GoTo(300);
  WithSearchWindow([&](const Controls& c) {
    Click(ChildWithText(c.window, L"テキスト"));
    Click(ChildWithText(c.window, L"現在の位置"));
    TypeOver(c.data, L"検索");
    Click(c.search);
    Click(c.close);
  });
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_EQ(CaretOffset(), 50);
}

TEST_F(SearchWindowTest, ChangingTheDataOrAnOptionHidesFindNext) {
  StartOn(WithMarks({100}));
  std::vector<bool> visible;
  WithSearchWindow([&](const Controls& c) {
    TypeOver(c.data, L"4d 5a");
    Click(c.search);
    visible.push_back(IsWindowVisible(c.find_next));
    TypeOver(c.data, L"4d 5a 11");
    visible.push_back(IsWindowVisible(c.find_next));
    Click(c.search);
    visible.push_back(IsWindowVisible(c.find_next));
    Click(ChildWithText(c.window, L"現在の位置"));
    visible.push_back(IsWindowVisible(c.find_next));
    Click(c.close);
  });
  EXPECT_EQ(visible, (std::vector<bool>{true, false, true, false}));
}

TEST_F(SearchWindowTest, AFileThatVanishedReportsASearchError) {
  const std::wstring path = StartOn(WithMarks({100}));
  WithSearchWindow([&](const Controls& c) {
    DeleteFileW(path.c_str());
    TypeOver(c.data, L"4d 5a");
    Click(c.search);
    Click(c.close);
  });
  EXPECT_EQ(messages.texts(), std::vector<std::wstring>{L"検索中にエラーが発生しました。"});
  EXPECT_TRUE(Grayed(kFindNext));
}

using FindNextTest = SearchWindowTest;

TEST_F(FindNextTest, FindIsWithTheEditMenuAndFindNextWaitsForASuccessfulSearch) {
  StartOn(WithMarks({100}));
  EXPECT_FALSE(Grayed(kFind));
  EXPECT_TRUE(Grayed(kFindNext));
  // Ctrl+F opens the window.
  HWND opened = nullptr;
  DriveModal(
      form->hwnd(), [&] { EXPECT_TRUE(Shortcut('F', true)); },
      [&](HWND w) {
        opened = w;
        const Controls c = ControlsOf(w);
        // Ctrl is still down while the shortcut's command runs, so the data
        // is put in as a paste would, not typed.
        SetWindowTextW(c.data, L"4d 5a");
        Click(c.search);
        Click(c.close);
      });
  EXPECT_NE(opened, nullptr);
  EXPECT_FALSE(Grayed(kFindNext));
  // Opening a file ends the search.
  view().OpenFile(view().file_path());
  EXPECT_TRUE(Grayed(kFindNext));
}

TEST_F(FindNextTest, F3FindsTheNextMatchBehindTheCaretUntilNoneIsLeft) {
  const std::wstring path = StartOn(WithMarks({100, 9000}));
  WithSearchWindow([&](const Controls& c) {
    TypeOver(c.data, L"4d 5a");
    Click(c.search);
    Click(c.close);
  });
  ASSERT_EQ(CaretOffset(), 100);
  EXPECT_TRUE(Shortcut(VK_F3));
  EXPECT_EQ(CaretOffset(), 9000);
  ExpectCaretShownOn(0x4D);
  // From the last match it comes round to the first.
  Shortcut(VK_F3);
  EXPECT_EQ(CaretOffset(), 100);
  EXPECT_TRUE(messages.shown().empty());

  // Once the file holds the pattern no more, everything has been searched.
  WriteFileBytes(path, WithMarks({}));
  Shortcut(VK_F3);
  EXPECT_EQ(messages.texts(), std::vector<std::wstring>{L"全て検索しました。"});
  EXPECT_TRUE(Grayed(kFindNext));
  EXPECT_EQ(CaretOffset(), 100);
  // The grayed command does nothing.
  Shortcut(VK_F3);
  EXPECT_EQ(messages.shown().size(), 1u);
}

}  // namespace
}  // namespace vx::test
