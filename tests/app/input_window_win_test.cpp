// The byte input window in the real main window: Space on the page, the
// characters and Enter typed into its field, checked on disk, on the page and
// in the status labels.
#include <functional>
#include <string>

#include "app/edit/edit_texts.h"
#include "app/edit/failure_texts.h"
#include "app/edit/input_field.h"
#include "common/file_seam.h"
#include "tests/app/main_window_fixture_win.h"
#include "tests/support/byte_entry_win.h"

namespace vx::test {
namespace {

const std::vector<uint8_t> kBytes{0x00, 0x0A, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70,
                                  0x80, 0x90, 0xA0, 0xB0, 0xC0, 0xD0, 0xE0, 0xF0};

class InputWindowTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    DisplaySettings.AutoBackUp = false;
  }

  HWND popup() const { return view().input_window().hwnd(); }
  HWND field() const { return InputField(popup()); }

  void Enter() { Key(field(), VK_RETURN, L'\r'); }
  uint8_t OnDisk(size_t offset) const { return ReadFileBytes(view().file_path()).at(offset); }
};

TEST_F(InputWindowTest, HexadecimalOverwriteGoesFromTheKeysToDiskAndPage) {
  StartOn(kBytes);
  Key(page(), VK_RIGHT);
  Key(page(), VK_SPACE, L' ');
  ASSERT_TRUE(view().input_visible());
  EXPECT_TRUE(IsWindowVisible(popup()));
  EXPECT_EQ(ControlText(field()), L"0A");
  DWORD from = 9, to = 9;
  SendMessageW(field(), EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
  EXPECT_EQ(from, 0u);
  EXPECT_EQ(to, 2u);
  EXPECT_TRUE(Eventually([&] { return GetFocus() == field(); }));

  Type(field(), L"ff");
  EXPECT_EQ(ControlText(field()), L"ff");
  Enter();
  EXPECT_EQ(OnDisk(1), 0xFF);
  EXPECT_EQ(view().page_bytes().at(1), 0xFF);
  EXPECT_TRUE(view().changed());
  EXPECT_FALSE(IsWindowVisible(popup()));
  EXPECT_EQ(view().caret_column(), 2);
  Key(page(), VK_LEFT);
  EXPECT_EQ(ControlText(view().one_byte_label()), L"1Byte: 255");
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(InputWindowTest, DecimalRefusesAboveByteAndWritesTheByteMaximum) {
  DisplaySettings.InputRadix = 1;
  StartOn(kBytes);
  Key(page(), VK_RIGHT);
  Key(page(), VK_SPACE, L' ');
  EXPECT_EQ(ControlText(field()), L"10");
  Type(field(), L"256");
  Enter();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, edit_texts::kOutOfRange);
  EXPECT_EQ(messages.shown()[0].icon, MsgIcon::Critical);
  EXPECT_EQ(OnDisk(1), 0x0A);
  EXPECT_TRUE(IsWindowVisible(popup()));
  EXPECT_EQ(ControlText(field()), L"256");

  for (int i = 0; i < 3; ++i) Key(field(), VK_BACK, L'\b');
  Type(field(), L"255");
  Enter();
  EXPECT_EQ(OnDisk(1), 255);
  EXPECT_EQ(messages.shown().size(), 1u);
}

TEST_F(InputWindowTest, BinaryTakesOneToEightDigits) {
  DisplaySettings.InputRadix = 2;
  StartOn(kBytes);
  Key(page(), VK_RIGHT);
  Key(page(), VK_SPACE, L' ');
  EXPECT_EQ(ControlText(field()), L"00001010");
  Overwrite(page(), popup(), L"101");
  EXPECT_EQ(OnDisk(1), 5);
  Overwrite(page(), popup(), L"00000111");
  EXPECT_EQ(OnDisk(2), 7);
}

TEST_F(InputWindowTest, AFieldWithNoDigitToReadWritesNothingAndStays) {
  StartOn(kBytes);
  const struct {
    int32_t radix;
    const wchar_t* typed;
  } cases[] = {{0, L""}, {1, L""}, {2, L""}, {0, L"-1"}, {1, L"-"}};
  for (const auto& c : cases) {
    DisplaySettings.InputRadix = c.radix;
    view().ApplySettings();
    Key(page(), VK_SPACE, L' ');
    for (int i = 0; i < 8; ++i) Key(field(), VK_BACK, L'\b');
    Type(field(), c.typed);
    ASSERT_EQ(ControlText(field()), c.typed) << c.radix;
    Enter();
    EXPECT_TRUE(IsWindowVisible(popup())) << c.radix;
    EXPECT_EQ(ControlText(field()), c.typed) << c.radix;
    EXPECT_EQ(view().caret_column(), 0) << c.radix;
    Key(field(), VK_ESCAPE, 0x1B);
  }
  EXPECT_EQ(ReadFileBytes(view().file_path()), kBytes);
  // Not even the first-change step ran: the file counts as unchanged.
  EXPECT_FALSE(view().changed());
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(InputWindowTest, LettersAndDigitsTheRadixForbidsNeverReachTheField) {
  StartOn(kBytes);
  const auto typed_into_empty = [&](int32_t radix, const std::wstring& keys) {
    DisplaySettings.InputRadix = radix;
    view().ApplySettings();
    Key(page(), VK_SPACE, L' ');
    Key(field(), VK_BACK, L'\b');
    Type(field(), keys);
    return ControlText(field());
  };
  EXPECT_EQ(typed_into_empty(0, L"gzb"), L"b");
  EXPECT_EQ(typed_into_empty(1, L"a9f1"), L"91");
  EXPECT_EQ(typed_into_empty(2, L"29c01"), L"01");
  EXPECT_EQ(OnDisk(0), 0);
}

TEST_F(InputWindowTest, AutoCompleteWritesAtTheMaximumLength) {
  DisplaySettings.AutoCompleteAtMax = true;
  StartOn(kBytes);
  Key(page(), VK_SPACE, L' ');
  Type(field(), L"f");
  EXPECT_EQ(OnDisk(0), 0);
  EXPECT_TRUE(IsWindowVisible(popup()));
  Type(field(), L"e");
  EXPECT_EQ(OnDisk(0), 0xFE);
  EXPECT_FALSE(IsWindowVisible(popup()));
  EXPECT_EQ(view().caret_column(), 1);
}

TEST_F(InputWindowTest, WithoutHidingTheWindowWalksThroughTheFileOverTheCaret) {
  DisplaySettings.HideInputAfterEntry = false;
  StartOn(kBytes);
  const auto cell_on_screen = [&] {
    POINT p{0, 0};
    ClientToScreen(page(), &p);
    const InputTarget cell = InputTargetAt(DisplaySettings, view().caret_column(), view().caret_row());
    return POINT{p.x + cell.x, p.y + cell.y};
  };
  Key(page(), VK_SPACE, L' ');
  for (const wchar_t* value : {L"11", L"22", L"33"}) {
    Type(field(), value);
    Enter();
  }
  EXPECT_EQ(OnDisk(0), 0x11);
  EXPECT_EQ(OnDisk(2), 0x33);
  ASSERT_TRUE(IsWindowVisible(popup()));
  EXPECT_EQ(view().caret_column(), 3);
  EXPECT_EQ(ControlText(field()), L"30");
  // The window's left edge stands left of the cell by the distance between
  // its client area and the field's, and a little more; its top edge just
  // above the cell. It covers the cell and holds the field, which is wide
  // enough for the widest value.
  RECT window{}, field_frame{};
  GetWindowRect(popup(), &window);
  GetWindowRect(field(), &field_frame);
  POINT inside_window{0, 0}, inside_field{0, 0};
  ClientToScreen(popup(), &inside_window);
  ClientToScreen(field(), &inside_field);
  const POINT cell = cell_on_screen();
  EXPECT_EQ(window.left, cell.x - (inside_field.x - inside_window.x) - kInputFieldOffsetXExtra);
  EXPECT_EQ(window.top, cell.y - kInputFieldOffsetY);
  EXPECT_GT(window.right, cell.x + DisplaySettings.HexCellWidth);
  EXPECT_GT(window.bottom, cell.y + DisplaySettings.LineHeight);
  EXPECT_GE(field_frame.left, window.left);
  EXPECT_LE(field_frame.right, window.right);
  EXPECT_LE(field_frame.bottom, window.bottom);
  EXPECT_TRUE(TextFits(field(), L"FF"));

  // Without moving on, the field shows what was written, read back from disk.
  DisplaySettings.MoveAfterEntry = false;
  Type(field(), L"7c");
  Enter();
  EXPECT_EQ(view().caret_column(), 3);
  EXPECT_EQ(ControlText(field()), L"7C");
}

TEST_F(InputWindowTest, EscHidesAndTheFocusStaysWithAShownWindow) {
  StartOn(kBytes);
  Key(page(), VK_SPACE, L' ');
  SetFocus(page());
  EXPECT_EQ(GetFocus(), field());
  Key(field(), VK_ESCAPE, 0x1B);
  EXPECT_FALSE(view().input_visible());
  EXPECT_FALSE(IsWindowVisible(popup()));
  EXPECT_EQ(GetFocus(), page());
  Key(page(), VK_RETURN, L'\r');
  EXPECT_EQ(ReadFileBytes(view().file_path()), kBytes);
}

TEST_F(InputWindowTest, WritingBehindTheLastByteLengthensTheFileAndItsSize) {
  StartOn(kBytes);
  Key(page(), VK_DOWN);
  Overwrite(page(), popup(), L"7f");
  EXPECT_EQ(ReadFileBytes(view().file_path()).size(), 17u);
  EXPECT_EQ(OnDisk(16), 0x7F);
  EXPECT_NE(ControlText(view().size_label()).find(L"000,000,017Bytes"), std::wstring::npos);
}

TEST_F(InputWindowTest, AFileThatCannotBeWrittenIsReportedAndLeftAlone) {
  const std::wstring path = StartOn(kBytes);
  const auto expect_refused = [&](const wchar_t* why) {
    messages.Clear();
    Overwrite(page(), popup(), L"ff");
    // The page drawn afterwards may add its own message about the file.
    ASSERT_FALSE(messages.shown().empty()) << why;
    EXPECT_TRUE(messages.shown()[0].text.starts_with(failure_texts::kOverwriteFailed)) << why;
  };

  FileLock lock(path);
  ASSERT_TRUE(lock.held());
  expect_refused(L"locked");
  lock.Release();
  EXPECT_EQ(ReadFileBytes(path), kBytes);

  ASSERT_TRUE(DeleteFileW(path.c_str()));
  expect_refused(L"deleted");
  EXPECT_LE(fs::FileLength(path), 0);
}

class InputWindowBackUpTest : public InputWindowTest {
 protected:
  void SetUp() override {
    InputWindowTest::SetUp();
    DisplaySettings.AutoBackUp = true;
  }
  std::wstring BackUp() const { return BackUpName(view().file_path()); }
};

TEST_F(InputWindowBackUpTest, TheFirstOverwriteKeepsTheFileAsItWasOpened) {
  StartOn(kBytes);
  Overwrite(page(), popup(), L"01");
  Overwrite(page(), popup(), L"02");
  EXPECT_EQ(ReadFileBytes(BackUp()), kBytes);
  EXPECT_EQ(OnDisk(1), 2);
  EXPECT_TRUE(view().changed());
}

TEST_F(InputWindowBackUpTest, AFailedBackUpThatIsNotGoneOnWithWritesNothing) {
  StartOn(kBytes);
  // A folder where the backup should go: the copy cannot be made.
  ASSERT_TRUE(CreateDirectoryW(BackUp().c_str(), nullptr));
  messages.Answer(MsgAnswer::No);
  Overwrite(page(), popup(), L"ff");
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, edit_texts::kBackUpFailed);
  EXPECT_EQ(ReadFileBytes(view().file_path()), kBytes);
  EXPECT_FALSE(view().changed());
  EXPECT_TRUE(IsWindowVisible(popup()));

  // The next Enter asks again; going on writes the byte.
  messages.Answer(MsgAnswer::Yes);
  Enter();
  EXPECT_EQ(messages.shown().size(), 2u);
  EXPECT_EQ(OnDisk(0), 0xFF);
  EXPECT_TRUE(view().changed());
  RemoveDirectoryW(BackUp().c_str());
}

}  // namespace
}  // namespace vx::test
