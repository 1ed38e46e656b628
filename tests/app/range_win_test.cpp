// Selecting with the mouse, Shift+click, F8 and Ctrl+A in the real main
// window, the selection on the page and in its status line, the Edit menu's
// range commands with the real clipboard, each checked on disk.
#include <algorithm>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/disk/recovery.h"
#include "app/edit/edit_texts.h"
#include "app/edit/failure_texts.h"
#include "app/edit/range_texts.h"
#include "app/settings/view_settings.h"
#include "app/view/go_to_texts.h"
#include "app/view/menu_commands.h"
#include "common/file_seam.h"
#include "tests/app/main_window_fixture_win.h"
#include "tests/support/byte_entry_win.h"
#include "tests/support/clipboard_turn_win.h"

namespace vx::test {
namespace {

using Bytes = std::vector<uint8_t>;
using namespace menu_commands;

// The default page: hex cells 18 pixels wide from x = 84, text cells 8 from
// x = 388, rows 12 high from y = 2.
LPARAM HexCell(int column, int row) { return MAKELPARAM(84 + 18 * column + 5, 2 + 12 * row + 5); }
LPARAM TextCell(int column, int row) { return MAKELPARAM(388 + 8 * column + 3, 2 + 12 * row + 5); }

// The clipboard as another program uses it.
void PutClipboardText(HWND owner, const std::wstring& text) {
  ASSERT_TRUE(Eventually([&] { return OpenClipboard(owner) != FALSE; }));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  std::memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
}

void EmptyTheClipboard(HWND owner) {
  ASSERT_TRUE(Eventually([&] { return OpenClipboard(owner) != FALSE; }));
  EmptyClipboard();
  CloseClipboard();
}

std::optional<std::wstring> ClipboardText(HWND owner) {
  if (!Eventually([&] { return OpenClipboard(owner) != FALSE; })) return std::nullopt;
  std::optional<std::wstring> text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

class RangeTest : public JournalledWindowTest {
 protected:
  // The clipboard is one for all the test programs running side by side:
  // these tests take turns with it.
  void SetUp() override {
    ASSERT_TRUE(clipboard_.held());
    JournalledWindowTest::SetUp();
  }

  // A press of the left button at `point` (with Shift), moves to `path`, release.
  void Drag(LPARAM from, const std::vector<LPARAM>& path, bool shift = false) {
    const WPARAM held = MK_LBUTTON | (shift ? MK_SHIFT : 0);
    SendMessageW(page(), WM_LBUTTONDOWN, held, from);
    for (const LPARAM p : path) SendMessageW(page(), WM_MOUSEMOVE, held, p);
    SendMessageW(page(), WM_LBUTTONUP, 0, path.empty() ? from : path.back());
    PumpMessages();
  }
  void Click(LPARAM at, bool shift = false) { Drag(at, {}, shift); }
  std::wstring SelectionShown() const { return ControlText(view().selection_label()); }
  Bytes OnDisk() const { return ReadFileBytes(view().file_path()); }
  // Selects bytes `first` to `last` with F8 and the arrow keys.
  void Select(int64_t first, int64_t last) {
    view().GoTo(first);
    PageKey(VK_F8);
    while (view().caret_offset() < last) PageKey(VK_RIGHT);
    PageKey(VK_F8);
  }
  // A pixel of a hex cell right of its digits, as drawn.
  COLORREF HexCellPixel(int column, int row) const {
    return PagePixel(84 + 18 * column + 15, 2 + 12 * row + 1);
  }

  const ClipboardTurn clipboard_;
};

Bytes Counting(size_t n) {
  Bytes bytes(n);
  for (size_t i = 0; i < n; ++i) bytes[i] = static_cast<uint8_t>(i);
  return bytes;
}

TEST_F(RangeTest, ADragOverTheHexAndTextColumnsSelectsTheBytesPassedOver) {
  StartOn(Counting(200));
  EXPECT_EQ(SelectionShown(), L"選択 ----");
  for (const int id : {kCut, kCopy, kCopyAsText, kDeleteSelection, kFill}) EXPECT_TRUE(Grayed(id));

  // From byte 0x12 in the hex column to byte 0x25 in the text column.
  Drag(HexCell(2, 1), {HexCell(3, 1), TextCell(5, 2)});
  EXPECT_EQ(view().selected(), (ByteRange{0x12, 0x14}));
  EXPECT_EQ(view().caret_offset(), 0x25);
  EXPECT_EQ(SelectionShown(), L"選択 12-25 (18-37) 長さ 14 (20)");
  for (const int id : {kCut, kCopy, kCopyAsText, kDeleteSelection, kFill}) EXPECT_FALSE(Grayed(id));
  // Highlighted in the system's colour, the caret's bars over it.
  EXPECT_EQ(HexCellPixel(4, 1), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_NE(HexCellPixel(1, 1), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(PagePixel(84 + 18 * 5 - 1, 2 + 12 * 2 + 5), RGB(255, 0, 0));

  // Backwards from where it began, and a click without Shift clears it.
  Drag(TextCell(8, 3), {HexCell(0, 3), HexCell(14, 2)});
  EXPECT_EQ(view().selected(), (ByteRange{0x2E, 0x0B}));
  Click(HexCell(1, 1));
  EXPECT_EQ(view().selected(), std::nullopt);
  EXPECT_EQ(SelectionShown(), L"選択 ----");
  EXPECT_NE(HexCellPixel(4, 1), GetSysColor(COLOR_HIGHLIGHT));
}

TEST_F(RangeTest, ShiftClickExtendsFromTheCaretAndKeepsTheAnchor) {
  StartOn(Counting(200));
  Click(HexCell(5, 0));
  Click(HexCell(4, 1), true);
  EXPECT_EQ(view().selected(), (ByteRange{5, 16}));
  Click(TextCell(2, 0), true);
  EXPECT_EQ(view().selected(), (ByteRange{2, 4}));
  EXPECT_EQ(view().caret_offset(), 2);
}

TEST_F(RangeTest, F8SelectsWithTheCaretKeysUntilF8OrEscape) {
  StartOn(Counting(200));
  view().GoTo(0x10);
  PageKey(VK_F8);
  EXPECT_EQ(SelectionShown(), L"[F8 選択中] 10-10 (16-16) 長さ 1 (1)");
  PageKey(VK_RIGHT);
  PageKey(VK_DOWN);
  EXPECT_EQ(view().selected(), (ByteRange{0x10, 0x12}));
  // The arrows keep their steps: Shift moves two bytes, and still extends.
  KeyWith(page(), WM_KEYDOWN, VK_RIGHT, {VK_SHIFT});
  PumpMessages();
  EXPECT_EQ(view().selected(), (ByteRange{0x10, 0x14}));
  PageKey(VK_F8);
  EXPECT_EQ(SelectionShown(), L"選択 10-23 (16-35) 長さ 14 (20)");
  PageKey(VK_RIGHT);
  EXPECT_EQ(view().selected(), (ByteRange{0x10, 0x14}));
  PageKey(VK_ESCAPE);
  EXPECT_EQ(view().selected(), std::nullopt);

  // Escape also ends F8's selecting.
  PageKey(VK_F8);
  PageKey(VK_ESCAPE);
  PageKey(VK_RIGHT);
  EXPECT_EQ(view().selected(), std::nullopt);
  EXPECT_EQ(SelectionShown(), L"選択 ----");

  // The go-to window moves the caret as the keys do: F8's selecting follows.
  view().GoTo(0x20);
  PageKey(VK_F8);
  ChooseAndDrive(form->hwnd(), kGoTo, [](HWND w) {
    TypeOver(ChildOfClass(w, L"Edit"), L"A0");
    test::Click(ChildWithText(w, go_to_texts::kGo));
  });
  EXPECT_EQ(view().selected(), (ByteRange{0x20, 0x81}));
}

TEST_F(RangeTest, CopyPutsTheBytesAndTheirHexTextOnTheClipboard) {
  Bytes bytes = Counting(40);
  bytes[3] = 0x82;
  bytes[4] = 0xA0;  // あ in Shift-JIS
  StartOn(bytes);
  EXPECT_TRUE(Shortcut('A', true));
  EXPECT_EQ(view().selected(), (ByteRange{0, 40}));
  EXPECT_TRUE(Shortcut('C', true));
  const std::optional<std::wstring> text = ClipboardText(form->hwnd());
  ASSERT_TRUE(text);
  EXPECT_EQ(text->substr(0, 18), L"00 01 02 82 A0 05 ");
  EXPECT_EQ(text->substr(45, 7), L"0F\r\n10 ");
  EXPECT_EQ(text->size(), 3u * 40 - 1 + 2);
  EXPECT_TRUE(IsClipboardFormatAvailable(RegisterClipboardFormatW(range_texts::kClipboardFormat)));
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));

  // Control bytes as the column shows them: never a raw TAB, LF, CR or DEL.
  Select(2, 6);
  Choose(kCopyAsText);
  EXPECT_EQ(ClipboardText(form->hwnd()), std::wstring(L"\u25A1\u3042\u25A1\u25A1"));
  EXPECT_FALSE(IsClipboardFormatAvailable(RegisterClipboardFormatW(range_texts::kClipboardFormat)));
  Select(9, 13);
  Choose(kCopyAsText);
  EXPECT_EQ(ClipboardText(form->hwnd()), std::wstring(5, L'\u25A1'));
  ViewOptions.control_dots = true;
  Choose(kCopyAsText);
  EXPECT_EQ(ClipboardText(form->hwnd()), L".....");
  ViewOptions.control_dots = false;
  EXPECT_TRUE(messages.shown().empty());
}

// The hexadecimal text is made only when asked for: a copy whose text no
// program asked for has it made as the window closes, so that it outlives
// the program.
TEST_F(RangeTest, ACopysTextOutlivesTheWindow) {
  StartOn(Counting(20));
  Select(1, 3);
  EXPECT_TRUE(Shortcut('C', true));
  const HWND window = form->hwnd();
  SendMessageW(window, WM_CLOSE, 0, 0);
  ASSERT_FALSE(IsWindow(window));
  EXPECT_EQ(ClipboardText(nullptr), std::wstring(L"01 02 03"));
}

TEST_F(RangeTest, ACopyOver256MiBIsRefusedWithItsLimit) {
  const std::wstring path = dir / L"large.bin";
  {
    fs::File f = fs::OpenFile(path, true, fs::Share::ReadWrite);
    ASSERT_TRUE(f.SetLength((int64_t{256} << 20) + 1));
  }
  Start(path);
  EmptyTheClipboard(form->hwnd());
  Choose(kSelectAll);
  Choose(kCopy);
  EXPECT_EQ(messages.texts(), std::vector<std::wstring>{range_texts::kCopyTooLarge});
  EXPECT_FALSE(ClipboardText(form->hwnd()));
}

TEST_F(RangeTest, PasteFollowsTheClipboardAndRefusesTextItCannotRead) {
  StartOn(Counting(20));
  EmptyTheClipboard(form->hwnd());
  EXPECT_TRUE(Eventually([&] { return Grayed(kPaste) && Grayed(kPasteOver); }));
  PutClipboardText(form->hwnd(), L"41 0x42 zz");
  EXPECT_TRUE(Eventually([&] { return !Grayed(kPaste) && !Grayed(kPasteOver); }));
  Choose(kPaste);
  EXPECT_EQ(messages.texts(),
            std::vector<std::wstring>{std::wstring(range_texts::kPasteNotHex) + L"「zz」"});
  EXPECT_EQ(OnDisk(), Counting(20));
}

TEST_F(RangeTest, OpeningAFileOrMovingBytesClearsTheSelection) {
  StartOn(Counting(40));
  Select(4, 9);
  PageKey(VK_INSERT);
  EXPECT_EQ(view().selected(), std::nullopt);
  Select(4, 9);
  const std::wstring other = dir / L"other.bin";
  WriteFileBytes(other, Counting(40));
  view().OpenFile(other);
  EXPECT_EQ(view().selected(), std::nullopt);
  EXPECT_EQ(SelectionShown(), L"選択 ----");
}

TEST_F(RangeTest, CutTakesTheBytesOutAndUndoRedoAndPasteBringThemBack) {
  const Bytes bytes = Counting(40);
  StartOn(bytes);
  Select(4, 9);
  EXPECT_TRUE(Shortcut('X', true));
  Bytes cut = bytes;
  cut.erase(cut.begin() + 4, cut.begin() + 10);
  EXPECT_EQ(OnDisk(), cut);
  EXPECT_EQ(ClipboardText(form->hwnd()), std::wstring(L"04 05 06 07 08 09"));
  EXPECT_EQ(view().caret_offset(), 4);
  EXPECT_EQ(view().selected(), std::nullopt);
  EXPECT_TRUE(fs::FileExists(BackUpName(view().file_path())));

  Choose(kUndo);
  EXPECT_EQ(OnDisk(), bytes);
  Choose(kRedo);
  EXPECT_EQ(OnDisk(), cut);

  // Our own bytes pasted at the caret, which ends up behind them.
  view().GoTo(0);
  EXPECT_TRUE(Shortcut(VK_INSERT, false, true));
  Bytes pasted = cut;
  pasted.insert(pasted.begin(), bytes.begin() + 4, bytes.begin() + 10);
  EXPECT_EQ(OnDisk(), pasted);
  EXPECT_EQ(view().caret_offset(), 6);
  EXPECT_EQ(view().file_size(), 40);
  Choose(kUndo);
  EXPECT_EQ(OnDisk(), cut);
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(RangeTest, PasteTakesAnotherProgramsHexTextInPlaceOfTheSelection) {
  StartOn(Counting(10));
  PutClipboardText(form->hwnd(), L"0x41 0x42\r\nff");
  EXPECT_TRUE(Eventually([&] { return !Grayed(kPaste); }));
  Select(2, 5);
  Choose(kPaste);
  EXPECT_EQ(OnDisk(), (Bytes{0, 1, 0x41, 0x42, 0xFF, 6, 7, 8, 9}));
  EXPECT_EQ(view().caret_offset(), 5);
  EXPECT_EQ(view().selected(), std::nullopt);
  Choose(kUndo);
  EXPECT_EQ(OnDisk(), Counting(10));
  Choose(kRedo);
  EXPECT_EQ(OnDisk(), (Bytes{0, 1, 0x41, 0x42, 0xFF, 6, 7, 8, 9}));
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(RangeTest, PasteOverKeepsTheLengthAndStopsAtTheEnd) {
  StartOn(Counting(10));
  PutClipboardText(form->hwnd(), L"AA BB CC DD");
  view().GoTo(8);
  Choose(kPasteOver);
  EXPECT_EQ(OnDisk(), (Bytes{0, 1, 2, 3, 4, 5, 6, 7, 0xAA, 0xBB}));
  view().GoTo(1);
  Choose(kPasteOver);
  EXPECT_EQ(OnDisk(), (Bytes{0, 0xAA, 0xBB, 0xCC, 0xDD, 5, 6, 7, 0xAA, 0xBB}));
  EXPECT_EQ(view().caret_offset(), 5);
  Choose(kUndo);
  Choose(kUndo);
  EXPECT_EQ(OnDisk(), Counting(10));
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(RangeTest, FillWritesTheValueTypedInTheInputWindowOverTheSelection) {
  StartOn(Counting(20));
  Select(3, 7);
  Choose(kFill);
  ASSERT_TRUE(view().input_visible());
  const HWND field = InputField(view().input_window().hwnd());
  TypeOver(field, L"7f");
  Key(field, VK_RETURN, L'\r');
  PumpMessages();
  Bytes filled = Counting(20);
  std::fill(filled.begin() + 3, filled.begin() + 8, uint8_t{0x7F});
  EXPECT_EQ(OnDisk(), filled);
  EXPECT_FALSE(view().input_visible());
  EXPECT_EQ(view().selected(), (ByteRange{3, 5}));
  Choose(kUndo);
  EXPECT_EQ(OnDisk(), Counting(20));
  Choose(kRedo);
  EXPECT_EQ(OnDisk(), filled);

  // In decimal, as the settings have it; a value beyond a byte fills nothing.
  // (Redo, having written the bytes, left nothing selected.)
  EXPECT_EQ(view().selected(), std::nullopt);
  DisplaySettings.InputRadix = 1;
  view().ApplySettings();
  Select(3, 7);
  Choose(kFill);
  TypeOver(field, L"300");
  Key(field, VK_RETURN, L'\r');
  PumpMessages();
  EXPECT_EQ(messages.texts(), std::vector<std::wstring>{L"数値が範囲を超えています。"});
  EXPECT_EQ(OnDisk(), filled);
}

TEST_F(RangeTest, DeleteTakesTheSelectionAndWithoutOneTheCaretsByte) {
  StartOn(Counting(10));
  Select(2, 4);
  PageKey(VK_DELETE);
  EXPECT_EQ(OnDisk(), (Bytes{0, 1, 5, 6, 7, 8, 9}));
  EXPECT_EQ(view().caret_offset(), 2);
  PageKey(VK_DELETE);
  EXPECT_EQ(OnDisk(), (Bytes{0, 1, 6, 7, 8, 9}));
  Choose(kUndo);
  Choose(kUndo);
  EXPECT_EQ(OnDisk(), Counting(10));
  // The whole file is never deleted.
  Choose(kSelectAll);
  Choose(kDeleteSelection);
  EXPECT_EQ(messages.texts(), std::vector<std::wstring>{L"これ以上削除できません。"});
  EXPECT_EQ(OnDisk(), Counting(10));
}

// A Cut that is refused, for whatever reason, leaves the clipboard with what
// it held before and the file as it was; the message names the cut and why.
TEST_F(RangeTest, ARefusedCutLeavesTheClipboardAsItWas) {
  const std::wstring earlier = L"earlier text";
  const std::wstring blocked = dir / L"blocked";
  WriteFileBytes(blocked, {1});
  const struct {
    const char* why;
    std::function<void()> select;
    std::function<void(const std::wstring& path)> refuse;  // until the cut is over
    std::wstring said;
  } cases[] = {
      {"the whole file", [this] { Choose(kSelectAll); }, {}, edit_texts::kNoMoreDelete},
      {"no room for the undo data", [this] { Select(4, 9); },
       [&](const std::wstring&) { SetRecoveryFolder(blocked + L"\\"); },
       failure_texts::kTheJournalData},
      {"a locked file", [this] { Select(4, 9); }, {}, failure_texts::kInUse},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const std::wstring path = StartOn(Counting(20));
    PutClipboardText(form->hwnd(), earlier);
    c.select();
    messages.Clear();
    {
      std::optional<FileLock> lock;
      if (c.said == failure_texts::kInUse) lock.emplace(path);
      if (c.refuse) c.refuse(path);
      Choose(kCut);
      SetRecoveryFolder(dir / L"records");
    }
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_NE(messages.shown()[0].text.find(c.said), std::wstring::npos)
        << messages.shown()[0].text;
    if (c.said != edit_texts::kNoMoreDelete) {
      EXPECT_TRUE(messages.shown()[0].text.starts_with(failure_texts::kCutFailed));
    }
    EXPECT_EQ(ClipboardText(form->hwnd()), earlier);
    EXPECT_EQ(OnDisk(), Counting(20));
    EXPECT_TRUE(Grayed(kUndo));
  }
}

// A copy of bytes the file no longer has blames the file, not the clipboard.
TEST_F(RangeTest, ACopyAfterTheFileShrankSaysSo) {
  const std::wstring path = StartOn(Counting(40));
  PutClipboardText(form->hwnd(), L"earlier");
  Select(10, 30);
  WriteFileBytes(path, Counting(20));
  messages.Clear();
  EXPECT_TRUE(Shortcut('C', true));
  ASSERT_FALSE(messages.shown().empty());
  EXPECT_EQ(
      messages.shown()[0].text,
      FailureMessage(FailedCommand::Copy, {FailureCause::Shortened, FailedPlace::File, path}));
  EXPECT_EQ(ClipboardText(form->hwnd()), L"earlier");
}

// A Fill refused by a locked file changes nothing and names why; the page
// shows the selection as it stands, its highlight with it.
TEST_F(RangeTest, ARefusedFillKeepsThePageTrue) {
  const std::wstring path = StartOn(Counting(20));
  Select(3, 7);
  Choose(kFill);
  ASSERT_TRUE(view().input_visible());
  const HWND field = InputField(view().input_window().hwnd());
  TypeOver(field, L"7f");
  messages.Clear();
  {
    FileLock lock(path);
    ASSERT_TRUE(lock.held());
    Key(field, VK_RETURN, L'\r');
    PumpMessages();
  }
  // The page drawn while the file is locked may say so as well.
  const auto& shown = messages.shown();
  const auto fill = std::find_if(shown.begin(), shown.end(), [](const auto& m) {
    return m.text.starts_with(failure_texts::kFillFailed);
  });
  ASSERT_NE(fill, shown.end());
  EXPECT_NE(fill->text.find(failure_texts::kInUse), std::wstring::npos) << fill->text;
  EXPECT_EQ(OnDisk(), Counting(20));
  const bool selected = view().selected().has_value();
  EXPECT_EQ(HexCellPixel(4, 0) == GetSysColor(COLOR_HIGHLIGHT), selected);
  EXPECT_EQ(SelectionShown() == L"選択 ----", !selected);
}

}  // namespace
}  // namespace vx::test
