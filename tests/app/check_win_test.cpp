// The checks of the open file on the real windows: the hash window over a
// selection, the comparison's list walked with F4, and bookmarks set, moved
// by an insertion and kept after a restart.
#include <optional>
#include <string>
#include <vector>

#include "app/check/check_texts.h"
#include "app/document/bookmark_file.h"
#include "app/page/bookmark_marks.h"
#include "app/page/dump_page.h"
#include "app/settings/settings_folder.h"
#include "app/view/bookmark_texts.h"
#include "app/view/menu_commands.h"
#include "app/view/open_dialog_win.h"
#include "tests/app/main_window_fixture_win.h"
#include "tests/support/clipboard_turn_win.h"
#include "tests/support/test_bytes.h"

namespace vx::test {
namespace {

using namespace menu_commands;

std::optional<std::wstring> ClipboardText(HWND owner) {
  if (!OpenClipboard(owner)) return std::nullopt;
  std::optional<std::wstring> text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

// The children of `window` of a class, in the order they were made.
std::vector<HWND> ChildrenOf(HWND window, const std::wstring& window_class,
                             const std::wstring& text = {}) {
  std::vector<HWND> found;
  for (const Child& child : Children(window)) {
    if (child.window_class == window_class && (text.empty() || child.text == text)) {
      found.push_back(child.hwnd);
    }
  }
  return found;
}

class CheckTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    SetOpenDialogHandler([this](const OpenDialogRequest&) { return dialog_answer; });
  }
  void TearDown() override {
    SetOpenDialogHandler({});
    MainWindowTest::TearDown();
  }
  std::wstring dialog_answer;
};

TEST_F(CheckTest, TheHashOfASelectionIsShownAndCopiedToTheClipboard) {
  ClipboardTurn turn;
  ASSERT_TRUE(turn.held());
  StartOn({'x', 'x', 'a', 'b', 'c', 'x'});
  view().Select(2, 4);
  const std::wstring sha256 = L"ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";
  std::wstring range, shown;
  HWND w = nullptr;
  std::vector<HWND> fields;
  // The steps tick inside the window's own computing: none of them waits.
  RunScript(form->hwnd(), [&] { Choose(kHashes); },
            {[&] {
               w = FindOwnedWindow(form->hwnd());
               if (w) fields = ChildrenOf(w, L"Edit");
               return w != nullptr;
             },
             [&] { return fields.size() == 5 && WindowText(fields[3]) == sha256; }, Do([&] {
               shown = WindowText(fields[0]);
               range = WindowText(ChildrenOf(w, L"Static")[0]);
               Click(ChildrenOf(w, L"Button", check_texts::kCopy)[3]);
               PostMessageW(w, WM_COMMAND, IDCANCEL, 0);
             }),
             [&] { return !IsWindow(w); }});
  EXPECT_EQ(shown, L"352441c2");
  EXPECT_EQ(range, L"選択範囲：先頭 00000002 番地 ～ 末尾 00000004 番地（3 バイト）");
  EXPECT_EQ(ClipboardText(form->hwnd()), sha256);
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(CheckTest, TheComparisonsListIsWalkedWithF4AndEnter) {
  const std::vector<uint8_t> bytes = test::PatternBytes(300);
  std::vector<uint8_t> other = bytes;
  for (const size_t i : {5, 6, 7, 50, 120, 121}) other[i] ^= 0xFF;
  other.push_back(1);
  dialog_answer = dir / L"other.bin";
  WriteFileBytes(dialog_answer, other);
  StartOn(bytes);
  Choose(kCompare);
  CompareWindow* list = view().compare_window();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->SummaryText(), L"相違 3 か所、計 6 バイト。比較先のほうが 1 バイト長いです。");
  EXPECT_EQ(SendMessageW(list->list(), LB_GETCOUNT, 0, 0), 3);
  // F4 from the first byte, round and back past the start with Shift+F4.
  const std::vector<ByteRange> walk{{5, 3}, {50, 1}, {120, 2}, {5, 3}};
  for (const ByteRange& expected : walk) {
    ASSERT_TRUE(Shortcut(VK_F4));
    EXPECT_EQ(view().caret_offset(), expected.first);
    EXPECT_EQ(view().selected(), expected);
  }
  ASSERT_TRUE(Shortcut(VK_F4, false, true));
  EXPECT_EQ(view().caret_offset(), 120);
  // Enter on the list's second line.
  SendMessageW(list->list(), LB_SETCURSEL, 1, 0);
  Key(list->list(), VK_RETURN);
  PumpMessages();
  EXPECT_EQ(view().caret_offset(), 50);
  EXPECT_EQ(view().selected(), (ByteRange{50, 1}));
  EXPECT_TRUE(messages.shown().empty());

  // Two equal files: F4 says so.
  WriteFileBytes(dialog_answer, bytes);
  Choose(kCompare);
  EXPECT_EQ(view().compare_window()->SummaryText(), check_texts::kCompareSame);
  ASSERT_TRUE(Shortcut(VK_F4));
  EXPECT_EQ(messages.texts(), std::vector<std::wstring>{check_texts::kNoDifference});
  // The other file was only read.
  EXPECT_EQ(ReadFileBytes(dialog_answer), bytes);
}

TEST_F(CheckTest, ABookmarkIsDrawnMovedByAnInsertionAndKeptAfterARestart) {
  const std::wstring path = StartOn(test::PatternBytes(64));
  view().GoTo(10);
  ASSERT_TRUE(Shortcut(VK_F2, true));
  ASSERT_EQ(view().bookmarks().list().size(), 1u);
  // The mark under the byte's hex cell: a dark stripe over a light one,
  // seen with the caret elsewhere, whose own line under its cell is drawn
  // over a mark.
  view().GoTo(12);
  const DisplaySettingsRecord s = view().page_settings();
  const int x = HexColumnsLeft(s) + 10 * s.HexCellWidth + 1;
  const int bottom = s.TopMargin + s.LineHeight - 1;
  EXPECT_EQ(PagePixel(x, bottom), RGB(255, 255, 255));
  EXPECT_EQ(PagePixel(x, bottom - BookmarkStripe(s)), RGB(0, 0, 0));

  view().Insert(0, 0xEE);
  EXPECT_EQ(view().bookmarks().list()[0].offset, 11);
  view().GoTo(0);
  ASSERT_TRUE(Shortcut(VK_F2));
  EXPECT_EQ(view().caret_offset(), 11);

  form->Unload();
  PumpMessages();
  Start(path);
  ASSERT_EQ(view().bookmarks().list().size(), 1u);
  EXPECT_EQ(view().bookmarks().list()[0].offset, 11);
  ASSERT_TRUE(Shortcut(VK_F2, false, true));
  EXPECT_EQ(view().caret_offset(), 11);
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(CheckTest, ADamagedBookmarksFileIsToldOnceAndUsedNoFurther) {
  const std::wstring path = dir / L"page.bin";
  const std::wstring folder = SettingsFolder();
  fs::MakeFolder(folder);
  // One entry past the end of the 16-byte file, one good, and a stray line.
  ASSERT_TRUE(SaveBookmarks(folder, path, {{3, L"good"}, {16, L"past"}}));
  std::vector<uint8_t> raw = ReadFileBytes(folder + kBookmarkFileName);
  raw.insert(raw.end(), {'x', 0, '\r', 0, '\n', 0});
  WriteFileBytes(folder + kBookmarkFileName, raw);
  StartOn(std::vector<uint8_t>(16, 1));
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.texts()[0], std::wstring(bookmark_texts::kDropped) + L"2");
  EXPECT_EQ(view().bookmarks().list(), (std::vector<Bookmark>{{3, L"good"}}));
  form.reset();
  messages.Clear();
  Start(path);
  EXPECT_TRUE(messages.shown().empty());
}

}  // namespace
}  // namespace vx::test
