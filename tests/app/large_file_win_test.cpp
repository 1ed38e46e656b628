// The real main window on a file of 5 GiB, made sparse so that it costs no
// disk: opened, gone through to its end with the go-to window, its last byte
// overwritten, a byte inserted and one deleted near the end and all of it
// undone, a pattern past 4 GiB searched for and the last page printed, each
// checked on disk; and the window laid out for its wider addresses.
#include <cstdint>
#include <string>
#include <vector>

#include "app/settings/display_settings.h"
#include "app/view/menu_commands.h"
#include "common/file_seam.h"
#include "tests/app/main_window_fixture_win.h"
#include "tests/app/recording_printer_win.h"
#include "tests/support/byte_entry_win.h"
#include "tests/support/layout_check_win.h"

namespace vx::test {
namespace {

using Bytes = std::vector<uint8_t>;
using namespace menu_commands;

constexpr int64_t kFiveGiB = int64_t{5} << 30;
// A pattern 4 KiB past 4 GiB, where a search from 4 GiB finds it.
constexpr int64_t kPatternAt = (int64_t{1} << 32) + 0x1000;
const Bytes kPattern{0x56, 0x58, 0x4C, 0x47};
const Bytes kTail{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};

class LargeFileTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    // Copying 5 GiB would cost minutes and the disk; the backup's own rules
    // are tested on their own.
    DisplaySettings.AutoBackUp = false;
  }
  std::wstring MakeSparse(int64_t size) {
    fs::File f = fs::OpenFile(path, true, fs::Share::ReadWrite);
    EXPECT_TRUE(f.SetLength(size));
    EXPECT_TRUE(f.WriteAt(size - static_cast<int64_t>(kTail.size()), kTail.data(),
                          static_cast<int64_t>(kTail.size())));
    if (size > kPatternAt) {
      EXPECT_TRUE(f.WriteAt(kPatternAt, kPattern.data(), static_cast<int64_t>(kPattern.size())));
    }
    return path;
  }
  Bytes TailOnDisk(size_t count) const {
    fs::File f = fs::OpenFile(path, false, fs::Share::ReadWrite);
    Bytes bytes(count);
    EXPECT_EQ(f.ReadAt(f.Length() - static_cast<int64_t>(count), bytes.data(),
                       static_cast<int64_t>(count)),
              static_cast<int64_t>(count));
    return bytes;
  }
  // The go-to window from the menu, `address` typed in hexadecimal.
  void GoToWithTheWindow(const std::wstring& address) {
    ChooseAndDrive(form->hwnd(), kGoTo, [&](HWND w) {
      TypeOver(ChildOfClass(w, L"Edit"), address);
      Click(ChildWithText(w, L"移動"));
    });
  }

  const std::wstring path = dir / L"large.bin";
};

TEST_F(LargeFileTest, FiveGigabytesOpenEditSearchAndPrintToTheirLastByte) {
  Start(MakeSparse(kFiveGiB));
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_EQ(view().file_size(), kFiveGiB);
  EXPECT_EQ(ControlText(view().size_label()),
            L"Size: 5,368,709,120Bytes. (5368709.1KB. 5368.7MB.)");
  // Nine address digits: the column one FontSize wider, all still in sight.
  EXPECT_EQ(view().page_settings().AddressWidth,
            DisplaySettings.AddressWidth + DisplaySettings.FontSize);
  EXPECT_EQ(LayoutFaults(form->hwnd()), L"");

  GoToWithTheWindow(L"13FFFFFFF");
  EXPECT_EQ(view().caret_offset(), kFiveGiB - 1);
  EXPECT_EQ(ControlText(view().caret_address_label()), L"13FFFFFFF  (5368709119) 番地");
  EXPECT_EQ(ControlText(view().one_byte_label()), L"1Byte: 16");
  EXPECT_EQ(view().scroll_bar().Value(), view().scroll_bar().Max());
  // Page Down at the end keeps the last page.
  const int64_t last_top = view().scroll_bar().Value();
  PageKey(VK_NEXT);
  EXPECT_EQ(view().scroll_bar().Value(), last_top);
  view().GoTo(kFiveGiB - 1);

  Overwrite(page(), view().input_window().hwnd(), L"AB");
  EXPECT_EQ(TailOnDisk(2), (Bytes{15, 0xAB}));
  view().GoTo(kFiveGiB - 3);
  PageKey(VK_INSERT);
  EXPECT_EQ(fs::FileLength(path), kFiveGiB + 1);
  EXPECT_EQ(TailOnDisk(6), (Bytes{12, 13, 0, 14, 15, 0xAB}));
  view().GoTo(kFiveGiB - 10);
  PageKey(VK_DELETE);
  EXPECT_EQ(fs::FileLength(path), kFiveGiB);
  EXPECT_EQ(TailOnDisk(12), (Bytes{5, 6, 8, 9, 10, 11, 12, 13, 0, 14, 15, 0xAB}));
  for (int i = 0; i < 3; ++i) Choose(kUndo);
  EXPECT_EQ(fs::FileLength(path), kFiveGiB);
  EXPECT_EQ(TailOnDisk(kTail.size()), kTail);
  EXPECT_TRUE(messages.shown().empty());

  GoToWithTheWindow(L"100000000");
  ChooseAndDrive(form->hwnd(), kFind, [&](HWND w) {
    Click(ChildWithText(w, L"現在の位置"));
    TypeOver(ChildOfClass(w, L"Edit"), L"56 58 4C 47");
    Click(ChildWithText(w, L"検索"));
    Click(ChildWithText(w, L"閉じる"));
  });
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_EQ(view().caret_offset(), kPatternAt);
  EXPECT_EQ(ControlText(view().caret_address_label()), L"100001000  (4294971392) 番地");

  // 512 bytes a page: the last of 10485760 pages, alone.
  RecordingPrinter printer;
  std::wstring status, printing;
  printer.on_end_page = [&](int) { printing = status; };
  ChooseAndDrive(form->hwnd(), kPrint, [&](HWND w) {
    for (const Child& child : Children(w)) {
      if (child.text.starts_with(L"印刷予定枚数")) status = child.text;
    }
    Click(ChildWithText(w, L"ページ指定"));
    TypeOver(ChildOfClass(w, L"Edit"), L"10485760");
    PostMessageW(ChildWithText(w, L"印刷"), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(status, L"印刷予定枚数：10485760ページ");
  EXPECT_EQ(printer.steps, (std::vector<std::wstring>{L"StartDoc large.bin", L"StartPage",
                                                      L"EndPage", L"EndDoc"}));
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_EQ(TailOnDisk(kTail.size()), kTail);
}

// A file one byte short of 4 GiB keeps the screen of a small file: eight
// address digits, the same page and window; the byte that reaches 4 GiB
// widens them, and taking it back narrows them again.
TEST_F(LargeFileTest, TheAddressColumnWidensAtFourGigabytesAndOnlyThere) {
  const int64_t below = (int64_t{1} << 32) - 1;
  Start(MakeSparse(below));
  RECT small{};
  GetWindowRect(form->hwnd(), &small);
  const DisplaySettingsRecord narrow = view().page_settings();
  EXPECT_EQ(narrow.AddressWidth, DisplaySettings.AddressWidth);
  view().GoTo(below - 1);
  EXPECT_EQ(ControlText(view().caret_address_label()), L"FFFFFFFE  (4294967294) 番地");

  PageKey(VK_INSERT);
  ASSERT_EQ(fs::FileLength(path), below + 1);
  EXPECT_EQ(view().page_settings().AddressWidth, narrow.AddressWidth + narrow.FontSize);
  RECT wide{};
  GetWindowRect(form->hwnd(), &wide);
  EXPECT_GT(wide.right - wide.left, small.right - small.left);
  EXPECT_EQ(LayoutFaults(form->hwnd()), L"");

  Choose(kUndo);
  ASSERT_EQ(fs::FileLength(path), below);
  EXPECT_EQ(view().page_settings().AddressWidth, narrow.AddressWidth);
  RECT again{};
  GetWindowRect(form->hwnd(), &again);
  EXPECT_EQ(again.right - again.left, small.right - small.left);
}

TEST_F(LargeFileTest, AFileCutBehindTheCaretPutsTheCaretOnTheFirstByte) {
  std::vector<uint8_t> bytes(4096, 1);
  StartOn(bytes, L"large.bin");
  view().GoTo(3999);
  ASSERT_EQ(view().caret_offset(), 3999);
  {
    fs::File f = fs::OpenFile(path, false, fs::Share::ReadWrite);
    ASSERT_TRUE(f.SetLength(100));
  }
  view().RefreshScrollRange();
  EXPECT_EQ(view().caret_offset(), 0);
  EXPECT_EQ(view().file_size(), 100);
  EXPECT_EQ(view().scroll_bar().Value(), 0);
}

}  // namespace
}  // namespace vx::test
