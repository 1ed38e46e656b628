// The text column's encoding chosen in the View menu of a real main window:
// a UTF-8 file drawn in its UTF-8 reading, and Copy as text, the inspector
// and typing following the choice.
#include <string>
#include <vector>

#include "app/disk/recovery.h"
#include "app/inspect/inspector_rows.h"
#include "app/settings/view_settings.h"
#include "app/view/menu_commands.h"
#include "common/text_encoding.h"
#include "tests/app/main_window_fixture_win.h"

namespace vx::test {
namespace {

using Bytes = std::vector<uint8_t>;
using namespace menu_commands;

Bytes Encoded(const std::wstring& text, TextEncoding encoding) {
  const std::string bytes = *EncodeText(text, encoding);
  return {bytes.begin(), bytes.end()};
}

class TextColumnTest : public JournalledWindowTest {
 protected:
  void SetUp() override {
    JournalledWindowTest::SetUp();
    DisplaySettings.AutoBackUp = false;
  }
  void ChooseEncoding(TextEncoding encoding) {
    Choose(kTextEncodingFirst + static_cast<int>(encoding));
  }
  // The pixels of the first row's text cell `column` that are not the row's white.
  int InkInTextCell(int column) const {
    int ink = 0;
    for (int x = 388 + 8 * column; x < 388 + 8 * (column + 1); ++x) {
      for (int y = 3; y < 13; ++y) ink += PagePixel(x, y) != RGB(255, 255, 255);
    }
    return ink;
  }
  bool Checked(int command) const {
    return (GetMenuState(GetMenu(form->hwnd()), command, MF_BYCOMMAND) & MF_CHECKED) != 0;
  }
};

TEST_F(TextColumnTest, AUtf8FileShowsItsTextInTheUtf8Reading) {
  // 日本 in UTF-8: three bytes each. Read as Shift-JIS, E6 97 is a pair and A5
  // a half-width character of its own in cell 2; read as UTF-8, 日 stands in
  // cell 0, reaching into cell 1, and cells 2 and 5 are its and 本's blanks.
  StartOn(Encoded(L"日本", TextEncoding::Utf8));
  EXPECT_TRUE(Checked(kTextEncodingFirst));
  // The caret's bars stand left of cell 0, outside every cell counted.
  EXPECT_GT(InkInTextCell(2), 0);

  ChooseEncoding(TextEncoding::Utf8);
  EXPECT_TRUE(Checked(kTextEncodingFirst + static_cast<int>(TextEncoding::Utf8)));
  EXPECT_FALSE(Checked(kTextEncodingFirst));
  EXPECT_EQ(ViewOptions.text_encoding, static_cast<int>(TextEncoding::Utf8));
  EXPECT_GT(InkInTextCell(0), 0);
  EXPECT_GT(InkInTextCell(3), 0);
  EXPECT_EQ(InkInTextCell(2), 0);
  EXPECT_EQ(InkInTextCell(5), 0);

  // The inspector's character row reads the column's encoding.
  Choose(kInspector);
  view().GoTo(3);
  // It follows once the window's messages are through.
  EXPECT_TRUE(Eventually([&] {
    return ControlText(view().inspector().FieldOf(InspectorRow::ColumnCharacter)) ==
           L"本 (U+672C)";
  }));
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(TextColumnTest, TypingAndControlDotsFollowTheChosenEncoding) {
  StartOn(Bytes{0x00, 0x01, 0x02, 0x03, 0x41, 0x42});
  ChooseEncoding(TextEncoding::Utf16Be);
  PageKey(VK_TAB, L'\t');
  SendMessageW(page(), WM_CHAR, L'é', 1);
  PumpMessages();
  EXPECT_EQ(ReadFileBytes(view().file_path()), (Bytes{0x00, 0xE9, 0x02, 0x03, 0x41, 0x42}));
  EXPECT_EQ(view().caret_offset(), 2);

  // A control byte is a dot only with the option; the choice is kept.
  PageKey(VK_RIGHT);
  PageKey(VK_RIGHT);
  ChooseEncoding(TextEncoding::Utf8);
  const int control_ink = InkInTextCell(2);
  Choose(kControlDots);
  EXPECT_TRUE(Checked(kControlDots));
  EXPECT_TRUE(ViewOptions.control_dots);
  EXPECT_NE(InkInTextCell(2), control_ink);
  Choose(kControlDots);
  EXPECT_FALSE(ViewOptions.control_dots);
  EXPECT_EQ(InkInTextCell(2), control_ink);
  EXPECT_TRUE(messages.shown().empty());
}

}  // namespace
}  // namespace vx::test
