// The data inspector beside a real main window: shown with Ctrl+I, following
// the caret, writing typed values at it as one change each (checked on disk
// and taken back by Undo), refusing what does not fit.
#include <string>
#include <vector>

#include "app/disk/recovery.h"
#include "app/inspect/inspector_texts.h"
#include "app/settings/view_settings.h"
#include "app/view/menu_commands.h"
#include "tests/app/main_window_fixture_win.h"

namespace vx::test {
namespace {

using Bytes = std::vector<uint8_t>;

const Bytes kBytes{0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17,
                   0x18, 0x19, 0x1A, 0x1B, 0x1C, 0x1D, 0x1E, 0x1F};

class InspectorTest : public JournalledWindowTest {
 protected:
  void SetUp() override {
    JournalledWindowTest::SetUp();
    DisplaySettings.AutoBackUp = false;
  }

  InspectorWindow& inspector() { return view().inspector(); }
  HWND field(InspectorRow row) { return inspector().FieldOf(row); }
  std::wstring Shown(InspectorRow row) { return ControlText(field(row)); }
  // The rows follow the caret once the window's messages are through.
  testing::AssertionResult Shows(InspectorRow row, const std::wstring& text) {
    if (Eventually([&] { return Shown(row) == text; }, 2000)) return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << RowLabel(row) << L" shows " << Shown(row) << L", not " << text;
  }
  Bytes OnDisk() const { return ReadFileBytes(view().file_path()); }

  // `text` typed over the row's field and entered.
  void Enter(InspectorRow row, const std::wstring& text) {
    SetFocus(field(row));
    TypeOver(field(row), text);
    Key(field(row), VK_RETURN, L'\r');
    PumpMessages();
  }
};

TEST_F(InspectorTest, ShownWithCtrlIFollowsTheCaretAndIsRememberedAtTheClose) {
  StartOn(kBytes);
  ASSERT_TRUE(inspector().hwnd());
  EXPECT_FALSE(IsWindowVisible(inspector().hwnd()));
  EXPECT_TRUE(Shortcut('I', true));
  ASSERT_TRUE(Eventually([&] { return IsWindowVisible(inspector().hwnd()) != FALSE; }));
  EXPECT_EQ(GetWindowTextLengthW(inspector().hwnd()), 9);
  EXPECT_TRUE(GetMenuState(GetMenu(form->hwnd()), menu_commands::kInspector, MF_BYCOMMAND) &
              MF_CHECKED);
  EXPECT_TRUE(Shows(InspectorRow::Unsigned8, L"16"));
  EXPECT_TRUE(Shows(InspectorRow::Unsigned32, std::to_wstring(0x13121110)));

  PageKey(VK_RIGHT);
  EXPECT_TRUE(Shows(InspectorRow::Unsigned8, L"17"));
  EXPECT_TRUE(Shows(InspectorRow::Unsigned16, std::to_wstring(0x1211)));
  PageKey(VK_DOWN);  // past the file's end: offset 17 of 16 bytes
  EXPECT_TRUE(Shows(InspectorRow::Unsigned8, inspector_texts::kPastEnd));

  // The row's byte order follows the option.
  Click(ChildWithText(inspector().hwnd(), inspector_texts::kBigEndian));
  PageKey(VK_UP);
  EXPECT_TRUE(Shows(InspectorRow::Unsigned16, std::to_wstring(0x1112)));

  const auto place = inspector().Place();
  form->Unload();
  PumpMessages();
  EXPECT_TRUE(ViewOptions.inspector_shown);
  EXPECT_TRUE(ViewOptions.inspector_big_endian);
  ASSERT_TRUE(ViewOptions.inspector_place);
  EXPECT_EQ(*ViewOptions.inspector_place, place);
  // Started again with the kept settings, it is there at once.
  LoadViewSettings();
  EXPECT_TRUE(ViewOptions.inspector_shown);
  Start(dir / L"page.bin");
  EXPECT_TRUE(Eventually([&] { return IsWindowVisible(inspector().hwnd()) != FALSE; }));
  EXPECT_EQ(inspector().Place(), place);
  EXPECT_TRUE(Shows(InspectorRow::Unsigned16, std::to_wstring(0x1011)));
}

TEST_F(InspectorTest, TypedFloatAndBigEndianNumberAreOneChangeEachThatUndoTakesBack) {
  StartOn(kBytes);
  Choose(menu_commands::kInspector);
  PageKey(VK_RIGHT);
  PageKey(VK_RIGHT);
  Enter(InspectorRow::Float32, L"1.5");
  EXPECT_EQ(OnDisk(), (Bytes{0x10, 0x11, 0x00, 0x00, 0xC0, 0x3F, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B,
                             0x1C, 0x1D, 0x1E, 0x1F}));
  EXPECT_TRUE(Shows(InspectorRow::Float32, L"1.5"));
  EXPECT_EQ(view().page_bytes().at(4), 0xC0);
  EXPECT_EQ(view().caret_offset(), 2);
  EXPECT_TRUE(view().changed());

  Click(ChildWithText(inspector().hwnd(), inspector_texts::kBigEndian));
  PageKey(VK_RIGHT);
  Enter(InspectorRow::Signed32, L"305419896");  // 0x12345678
  EXPECT_EQ(OnDisk(), (Bytes{0x10, 0x11, 0x00, 0x12, 0x34, 0x56, 0x78, 0x17, 0x18, 0x19, 0x1A, 0x1B,
                             0x1C, 0x1D, 0x1E, 0x1F}));
  EXPECT_TRUE(messages.shown().empty());

  Choose(menu_commands::kUndo);
  EXPECT_EQ(OnDisk(), (Bytes{0x10, 0x11, 0x00, 0x00, 0xC0, 0x3F, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B,
                             0x1C, 0x1D, 0x1E, 0x1F}));
  Choose(menu_commands::kUndo);
  EXPECT_EQ(OnDisk(), kBytes);
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(InspectorTest, RefusesValuesOutOfRangeAndWritesPastTheEnd) {
  StartOn(kBytes);
  Choose(menu_commands::kInspector);
  Enter(InspectorRow::Signed8, L"200");
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_NE(messages.shown()[0].text.find(L"-128 から 127 まで"), std::wstring::npos);
  // The refused text stays to be mended; nothing was written.
  EXPECT_TRUE(Shows(InspectorRow::Signed8, L"200"));
  EXPECT_EQ(OnDisk(), kBytes);
  EXPECT_FALSE(view().changed());

  // Three bytes from the end a 4-byte row reads no number and writes none.
  SetFocus(page());
  view().GoTo(13);
  EXPECT_TRUE(Shows(InspectorRow::Unsigned32, inspector_texts::kPastEnd));
  Enter(InspectorRow::Unsigned32, L"1");
  ASSERT_EQ(messages.shown().size(), 2u);
  EXPECT_EQ(messages.shown()[1].text, inspector_texts::kWritePastEnd);
  EXPECT_EQ(OnDisk(), kBytes);
  EXPECT_EQ(view().journal().CanUndo(), false);
}

}  // namespace
}  // namespace vx::test
