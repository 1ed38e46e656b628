// Files at the 32-bit limit, made sparse so that they cost no disk.
#include "app/file/file_limits.h"
#include "app/document/open_texts.h"
#include "common/file_seam.h"
#include "tests/app/main_window_fixture_win.h"

namespace vx::test {
namespace {

class LargeFileTest : public MainWindowTest {
 protected:
  std::wstring MakeSparse(int64_t size) {
    const std::wstring path = dir / L"large.bin";
    fs::File f = fs::OpenFile(path, true, fs::Share::ReadWrite);
    EXPECT_TRUE(f.SetLength(size));
    const uint8_t last = 0x8E;
    EXPECT_TRUE(f.WriteAt(size - 1, &last, 1));
    return path;
  }
};

TEST_F(LargeFileTest, TwoGigabytesAreRefusedAndNothingOfItIsShown) {
  const std::wstring path = MakeSparse(kRefusedFileSize);
  Start(path);
  EXPECT_FALSE(StartAborted);
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, std::wstring(open_texts::kTooLarge));
  EXPECT_TRUE(view().file_path().empty());
  EXPECT_EQ(ControlText(view().file_name_label()), L"FileName: ------------");
  EXPECT_FALSE(IsWindowEnabled(view().page_view().hwnd()));
}

TEST_F(LargeFileTest, OneByteLessOpensAndItsLastPageShowsTheLastByte) {
  const std::wstring path = MakeSparse(kRefusedFileSize - 1);
  Start(path);
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_EQ(view().file_size(), 2147483646);
  EXPECT_EQ(ControlText(view().size_label()), L"Size: 2,147,483,646Bytes. (2147483.6KB. 2147.5MB.)");
  view().GoTo(view().file_size() - 1);
  EXPECT_EQ(ControlText(view().caret_address_label()), L"7FFFFFFD  (2147483645) 番地");
  EXPECT_EQ(ControlText(view().one_byte_label()), L"1Byte: 142");
  // The caret's row is on the page and the page holds the byte under it.
  const size_t cell = static_cast<size_t>(view().caret_row()) * 16 + view().caret_column();
  EXPECT_EQ(view().page_bytes().at(cell), 0x8E);
  EXPECT_EQ(view().page_bytes().at(cell + 1), 0);
}

TEST_F(LargeFileTest, AFileCutBehindTheCaretPutsTheCaretOnTheFirstByte) {
  std::vector<uint8_t> bytes(4096, 1);
  const std::wstring path = StartOn(bytes);
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
