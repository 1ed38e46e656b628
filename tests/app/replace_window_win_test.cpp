// The search window's replacing, finding backwards and listing, driven as a
// person would, with the file checked on disk after each change.
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/view/menu_commands.h"
#include "tests/app/main_window_fixture_win.h"

namespace vx::test {
namespace {

using namespace menu_commands;

// A file of 20000 bytes of 0x11 with 4D 5A at the given offsets.
std::vector<uint8_t> WithMarks(const std::vector<size_t>& offsets) {
  std::vector<uint8_t> bytes(20000, 0x11);
  for (size_t at : offsets) {
    bytes[at] = 0x4D;
    bytes[at + 1] = 0x5A;
  }
  return bytes;
}

// `bytes` with every 4D 5A replaced by `replacement`.
std::vector<uint8_t> Replaced(const std::vector<uint8_t>& bytes,
                              const std::vector<uint8_t>& replacement) {
  std::vector<uint8_t> out;
  for (size_t i = 0; i < bytes.size();) {
    if (i + 1 < bytes.size() && bytes[i] == 0x4D && bytes[i + 1] == 0x5A) {
      out.insert(out.end(), replacement.begin(), replacement.end());
      i += 2;
    } else {
      out.push_back(bytes[i++]);
    }
  }
  return out;
}

class ReplaceWindowTest : public JournalledWindowTest {
 protected:
  struct Controls {
    HWND window, data, replacement;
  };
  // The window opened with `command` (Find or Replace); `with_window` must close it.
  void WithWindow(int command, const std::function<void(const Controls&)>& with_window) {
    ChooseAndDrive(form->hwnd(), command, [&](HWND w) {
      const std::vector<Child> children = Children(w);
      std::vector<HWND> edits;
      for (const Child& c : children) {
        if (c.window_class == L"Edit") edits.push_back(c.hwnd);
      }
      ASSERT_EQ(edits.size(), 2u);
      with_window({w, edits[0], edits[1]});
    });
  }
  static void Press(const Controls& c, const wchar_t* caption) {
    Click(ChildWithText(c.window, caption));
  }
  int64_t Caret() const { return view().caret_offset(); }
};

TEST_F(ReplaceWindowTest, ReplaceSelectsTheFirstMatchThenReplacesEachAndFindsTheNext) {
  const std::vector<uint8_t> start = WithMarks({100, 4095, 9000});
  const std::wstring path = StartOn(start);
  std::vector<int64_t> carets;
  std::vector<std::optional<ByteRange>> selections;
  WithWindow(kReplace, [&](const Controls& c) {
    TypeOver(c.data, L"4d 5a");
    TypeOver(c.replacement, L"41 42 43");
    for (int i = 0; i < 3; ++i) {
      Press(c, L"置換");
      carets.push_back(Caret());
      selections.push_back(view().selected());
    }
    Press(c, L"閉じる");
  });
  EXPECT_TRUE(messages.shown().empty()) << messages.texts().front();
  // The first press only finds; each next one replaces and finds on.
  EXPECT_EQ(carets, (std::vector<int64_t>{100, 4096, 9002}));
  EXPECT_EQ(selections[1], (ByteRange{4096, 2}));
  std::vector<uint8_t> expected = WithMarks({9000});
  expected = Replaced(WithMarks({100, 4095}), {0x41, 0x42, 0x43});
  expected[9002] = 0x4D;
  expected[9003] = 0x5A;
  EXPECT_EQ(ReadFileBytes(path), expected);
}

TEST_F(ReplaceWindowTest, ReplaceAllCountsItsMatchesAndUndoTakesAllOfItBack) {
  const std::vector<uint8_t> start = WithMarks({0, 100, 4095, 19998});
  const std::wstring path = StartOn(start);
  WithWindow(kReplace, [&](const Controls& c) {
    TypeOver(c.data, L"4d 5a");
    TypeOver(c.replacement, L"");
    Press(c, L"すべて置換");
    Press(c, L"閉じる");
  });
  EXPECT_EQ(messages.texts(), std::vector<std::wstring>{L"4 個のデータを置換しました。"});
  EXPECT_EQ(ReadFileBytes(path), Replaced(start, {}));
  Shortcut(VK_F5);
  EXPECT_EQ(ReadFileBytes(path), start);
  Shortcut(VK_F6);
  EXPECT_EQ(ReadFileBytes(path), Replaced(start, {}));
}

TEST_F(ReplaceWindowTest, ReplaceAllInsideTheSelectionLeavesTheRestAlone) {
  const std::vector<uint8_t> start = WithMarks({100, 4095, 9000});
  const std::wstring path = StartOn(start);
  view().Select(4000, 9999);
  WithWindow(kReplace, [&](const Controls& c) {
    TypeOver(c.data, L"4d 5a");
    TypeOver(c.replacement, L"ff ff ff");
    Click(ChildWithText(c.window, L"選択範囲内"));
    Press(c, L"すべて置換");
    Press(c, L"閉じる");
  });
  EXPECT_EQ(messages.texts(), std::vector<std::wstring>{L"2 個のデータを置換しました。"});
  std::vector<uint8_t> expected = start;
  for (size_t at : {size_t{9000}, size_t{4095}}) {
    expected.erase(expected.begin() + at, expected.begin() + at + 2);
    expected.insert(expected.begin() + at, {0xFF, 0xFF, 0xFF});
  }
  EXPECT_EQ(ReadFileBytes(path), expected);
}

// A match the window finds is selected in the selection's place; the
// search stays inside the selection the window was opened on, which grows
// with each longer replacement.
TEST_F(ReplaceWindowTest, ReplacingOneByOneStaysInsideTheSelectionItWasOpenedOn) {
  const std::vector<uint8_t> start = WithMarks({100, 4095, 9000, 9998});
  const std::wstring path = StartOn(start);
  view().Select(4000, 9999);
  std::vector<int64_t> carets;
  WithWindow(kReplace, [&](const Controls& c) {
    TypeOver(c.data, L"4d 5a");
    TypeOver(c.replacement, L"ff ff ff");
    Click(ChildWithText(c.window, L"選択範囲内"));
    for (int i = 0; i < 4; ++i) {
      Press(c, L"置換");
      carets.push_back(Caret());
    }
    Press(c, L"閉じる");
  });
  // 4095 found, replaced, 9001 found, replaced, then 9999 (once 9998) and
  // round to the first match left inside: none, since both were replaced.
  EXPECT_EQ((std::vector<int64_t>{carets[0], carets[1], carets[2]}),
            (std::vector<int64_t>{4095, 9001, 10000}));
  std::vector<uint8_t> expected = start;
  for (size_t at : {size_t{9998}, size_t{9000}, size_t{4095}}) {
    expected.erase(expected.begin() + at, expected.begin() + at + 2);
    expected.insert(expected.begin() + at, {0xFF, 0xFF, 0xFF});
  }
  EXPECT_EQ(ReadFileBytes(path), expected);
  EXPECT_EQ(messages.texts(), std::vector<std::wstring>{L"データが見つかりませんでした。"});
}

TEST_F(ReplaceWindowTest, FindPreviousGoesBackwardsAndShiftF3WrapsRoundTheEnd) {
  StartOn(WithMarks({100, 4095, 9000}));
  view().GoTo(5000);
  WithWindow(kFind, [&](const Controls& c) {
    TypeOver(c.data, L"4d 5a");
    Press(c, L"前を検索");
    Press(c, L"閉じる");
  });
  EXPECT_EQ(Caret(), 4095);
  EXPECT_EQ(view().selected(), (ByteRange{4095, 2}));
  EXPECT_FALSE(Grayed(kFindPrevious));
  std::vector<int64_t> landed;
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(Shortcut(VK_F3, false, true));
    landed.push_back(Caret());
  }
  EXPECT_EQ(landed, (std::vector<int64_t>{100, 9000, 4095}));
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(ReplaceWindowTest, NumbersAreSearchedInTheirWidthAndOrderAndRefusedOutsideTheirRange) {
  std::vector<uint8_t> bytes(2000, 0);
  bytes[700] = 0x12;
  bytes[701] = 0x34;  // 0x1234 big-endian at 700
  bytes[1500] = 0x34;
  bytes[1501] = 0x12;  // and little-endian at 1500
  StartOn(bytes);
  WithWindow(kFind, [&](const Controls& c) {
    Click(ChildWithText(c.window, L"数値"));
    const HWND forms = ChildOfClass(c.window, L"ComboBox");
    SendMessageW(forms, CB_SETCURSEL, 1, 0);  // 2 bytes
    TypeOver(c.data, L"4660");
    Press(c, L"検索");
    EXPECT_EQ(Caret(), 1500);
    Click(ChildWithText(c.window, L"ビッグエンディアン"));
    Press(c, L"検索");
    EXPECT_EQ(Caret(), 700);
    TypeOver(c.data, L"70000");
    Press(c, L"検索");
    Press(c, L"閉じる");
  });
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_NE(messages.shown()[0].text.find(L"65535"), std::wstring::npos)
      << "the refusal must name the range";
  EXPECT_EQ(messages.shown()[0].icon, MsgIcon::Critical);
}

TEST_F(ReplaceWindowTest, FindAllListsEveryMatchBesideTheWindowAndARowTakesTheCaretThere) {
  StartOn(WithMarks({100, 4095, 9000}));
  WithWindow(kFind, [&](const Controls& c) {
    TypeOver(c.data, L"4d 5a");
    Press(c, L"すべて検索");
  });
  const HWND list_window = view().find_all_window();
  ASSERT_NE(list_window, nullptr);
  const HWND list = ChildOfClass(list_window, L"SysListView32");
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(Eventually([&] {
    PumpMessages();
    return FindChildWithText(list_window, L"見つかった数: 3") != nullptr;
  }));
  EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_TRUE(IsWindowEnabled(form->hwnd()));
  // The second row's cells as a screen reader reads them.
  wchar_t text[64] = {};
  LVITEMW item{};
  item.iSubItem = 0;
  item.pszText = text;
  item.cchTextMax = 64;
  SendMessageW(list, LVM_GETITEMTEXTW, 1, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(std::wstring(text), L"00000FFF");
  item.iSubItem = 2;
  SendMessageW(list, LVM_GETITEMTEXTW, 1, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(std::wstring(text), L"11 11 11 11 [4D 5A] 11 11 11 11");
  // Enter on the second row.
  SetFocus(list);
  LVITEMW state{};
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  state.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&state));
  Key(list, VK_RETURN);
  PumpMessages();
  EXPECT_EQ(Caret(), 4095);
  EXPECT_EQ(view().selected(), (ByteRange{4095, 2}));
  // A change to the file marks the list as old.
  view().Select(0, 0);
  Choose(kDeleteSelection);
  EXPECT_TRUE(Eventually([&] {
    PumpMessages();
    const HWND stale = FindChildWithText(list_window,
                                         L"ファイルが変更されました。一覧のアドレスは古いかもしれま"
                                         L"せん。「再検索」で新しくします。");
    return stale && IsWindowVisible(stale);
  }));
}

}  // namespace
}  // namespace vx::test
