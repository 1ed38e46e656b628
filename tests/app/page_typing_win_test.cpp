// Typing straight on the page of a real main window: hex digits through the
// byte input window they open, characters into the text column in its
// encoding, checked on disk, in the journal and in the messages.
#include <string>
#include <vector>

#include "app/disk/recovery.h"
#include "app/view/menu_commands.h"
#include "app/view/typing_texts.h"
#include "tests/app/main_window_fixture_win.h"
#include "tests/support/byte_entry_win.h"

namespace vx::test {
namespace {

using Bytes = std::vector<uint8_t>;

class PageTypingTest : public JournalledWindowTest {
 protected:
  void SetUp() override {
    JournalledWindowTest::SetUp();
    DisplaySettings.AutoBackUp = false;
  }

  HWND field() const { return InputField(view().input_window().hwnd()); }
  Bytes OnDisk() const { return ReadFileBytes(view().file_path()); }
  // Characters as the keyboard or the input method hands them to the page.
  void Characters(const std::wstring& text) {
    for (const wchar_t c : text) SendMessageW(page(), WM_CHAR, c, 1);
    PumpMessages();
  }
};

TEST_F(PageTypingTest, HexDigitsOnThePageWriteBytesOneAfterAnother) {
  for (const bool completes : {false, true}) {
    SCOPED_TRACE(completes ? "automatic completion" : "Enter");
    DisplaySettings.AutoCompleteAtMax = completes;
    StartOn(Bytes(8, 0));
    for (const wchar_t* pair : {L"41", L"42", L"43"}) {
      PageKey(pair[0], pair[0]);
      ASSERT_TRUE(view().input_visible());
      EXPECT_EQ(ControlText(field()), std::wstring(1, pair[0]));
      Key(field(), pair[1], pair[1]);
      if (!completes) Key(field(), VK_RETURN, L'\r');
      PumpMessages();
      EXPECT_FALSE(view().input_visible());
    }
    EXPECT_EQ(OnDisk(), (Bytes{0x41, 0x42, 0x43, 0, 0, 0, 0, 0}));
    EXPECT_EQ(view().caret_offset(), 3);
    EXPECT_EQ(GetFocus(), page());
    // Letters that are no digit of the radix, and digits with Ctrl, open nothing.
    PageKey('G', L'g');
    KeyWith(page(), WM_KEYDOWN, '1', {VK_CONTROL});
    PumpMessages();
    EXPECT_FALSE(view().input_visible());
    EXPECT_TRUE(messages.shown().empty());
    form.reset();
    PumpMessages();
  }
}

TEST_F(PageTypingTest, JapaneseTypedIntoTheTextColumnWritesItsShiftJisBytes) {
  StartOn(Bytes(8, 0x2E));
  EXPECT_EQ(view().page_view().caret_column(), CaretColumn::Hex);
  PageKey(VK_TAB, L'\t');
  ASSERT_EQ(view().page_view().caret_column(), CaretColumn::Text);
  // 日本 (2 bytes each), then Space, which types itself rather than opening
  // the byte input window.
  Characters(L"日本");
  PageKey(VK_SPACE, L' ');
  EXPECT_FALSE(view().input_visible());
  EXPECT_EQ(OnDisk(), (Bytes{0x93, 0xFA, 0x96, 0x7B, 0x20, 0x2E, 0x2E, 0x2E}));
  EXPECT_EQ(view().caret_offset(), 5);
  EXPECT_EQ(view().page_bytes().at(2), 0x96);
  // One journal step a character: Undo takes the space, then 本.
  Choose(menu_commands::kUndo);
  Choose(menu_commands::kUndo);
  EXPECT_EQ(OnDisk(), (Bytes{0x93, 0xFA, 0x2E, 0x2E, 0x2E, 0x2E, 0x2E, 0x2E}));
  EXPECT_TRUE(messages.shown().empty());
  // A character beyond 16 bits comes as two halves; Shift-JIS has none for it.
  Characters(L"\U0001F600");
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, typing_texts::kCannotEncode);
}

TEST_F(PageTypingTest, TextTypingNeverLengthensTheFileAndAClickChoosesTheColumn) {
  StartOn(Bytes{0x41, 0x42, 0x43});
  const LPARAM text_cell = MAKELPARAM(388 + 8 * 2 + 3, 2 + 5);
  SendMessageW(page(), WM_LBUTTONDOWN, MK_LBUTTON, text_cell);
  SendMessageW(page(), WM_LBUTTONUP, 0, text_cell);
  PumpMessages();
  ASSERT_EQ(view().page_view().caret_column(), CaretColumn::Text);
  ASSERT_EQ(view().caret_offset(), 2);
  // The column's sign: a line under the caret's text cell.
  EXPECT_EQ(PagePixel(388 + 8 * 2 + 3, 2 + 11), RGB(175, 0, 0));

  Characters(L"あ");  // two bytes from the last one: refused
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, typing_texts::kPastEnd);
  Characters(L"z");
  EXPECT_EQ(OnDisk(), (Bytes{0x41, 0x42, 0x7A}));
  EXPECT_EQ(view().caret_offset(), 3);
  Characters(L"y");  // on the end-of-file mark
  EXPECT_EQ(messages.shown().size(), 2u);
  EXPECT_EQ(view().file_size(), 3);

  PageKey(VK_TAB, L'\t');
  EXPECT_EQ(view().page_view().caret_column(), CaretColumn::Hex);
  Characters(L"q");  // the hex column takes no characters
  EXPECT_EQ(OnDisk(), (Bytes{0x41, 0x42, 0x7A}));
}

}  // namespace
}  // namespace vx::test
