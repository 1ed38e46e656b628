#include "app/document/bookmark_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/file_seam.h"
#include "common/whole_file.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

// `text` as the file holds it: UTF-16LE after its byte-order mark.
std::string Utf16(const std::wstring& text, bool mark = true) {
  std::string out = mark ? "\xFF\xFE" : "";
  for (const wchar_t c : text) {
    out.push_back(static_cast<char>(c & 0xFF));
    out.push_back(static_cast<char>((c >> 8) & 0xFF));
  }
  return out;
}

const std::wstring kHeader = L"Vantelox bookmarks 1\r\n";

TEST(BookmarkFileTest, WrittenEntriesReadBackTheSame) {
  const std::vector<StoredBookmark> entries{
      {L"C:\\a\\イメージ.bin", {0, L"先頭"}},
      {L"C:\\a\\イメージ.bin", {0x7FFFFFFFFFFFFFFF, L""}},
      {L"D:\\b.dat", {0x1234ABCD, L"name with\ttab"}},
  };
  const BookmarkReading reading = ReadBookmarkBytes(BookmarkFileBytes(entries));
  EXPECT_EQ(reading.dropped, 0);
  ASSERT_EQ(reading.entries.size(), 3u);
  EXPECT_EQ(reading.entries[0], entries[0]);
  EXPECT_EQ(reading.entries[1], entries[1]);
  // A tab would split the line: names are kept without control characters.
  EXPECT_EQ(reading.entries[2].bookmark.name, L"name with tab");
}

TEST(BookmarkFileTest, DamagedOrHostileFilesAreReadSafely) {
  const std::wstring good = L"C:\\f\t10\tok\r\n";
  struct Case {
    const char* what;
    std::string bytes;
    size_t entries;
    int dropped;
  };
  const std::string odd = Utf16(kHeader + good) + "x";
  const std::vector<Case> cases{
      {"empty", "", 0, 0},
      {"no byte-order mark", Utf16(kHeader + good, false), 0, 1},
      {"another header", Utf16(L"Vantelox bookmarks 2\r\n" + good), 0, 1},
      {"cut short in a line", Utf16(kHeader + good + L"C:\\f\t2"), 1, 1},
      {"an odd byte at the end", odd, 1, 1},
      {"no tabs", Utf16(kHeader + good + L"C:\\f 20 x\r\n"), 1, 1},
      {"no address", Utf16(kHeader + good + L"C:\\f\t\tx\r\n"), 1, 1},
      {"not hexadecimal", Utf16(kHeader + good + L"C:\\f\t-1\tx\r\nC:\\f\t1G\tx\r\n"), 1, 2},
      {"too many digits", Utf16(kHeader + good + L"C:\\f\t00000000000000001\tx\r\n"), 1, 1},
      {"past 2^63", Utf16(kHeader + good + L"C:\\f\t8000000000000000\tx\r\n"), 1, 1},
      {"no file name", Utf16(kHeader + good + L"\t1\tx\r\n"), 1, 1},
      {"a control character in the name", Utf16(kHeader + good + L"C:\\f\t1\ta\x01\r\n"), 1, 1},
      {"a name too long", Utf16(kHeader + good + L"C:\\f\t1\t" + std::wstring(201, L'n') + L"\r\n"),
       1, 1},
      {"an empty line", Utf16(kHeader + L"\r\n" + good), 1, 1},
  };
  for (const Case& c : cases) {
    const BookmarkReading reading = ReadBookmarkBytes(c.bytes);
    EXPECT_EQ(reading.entries.size(), c.entries) << c.what;
    EXPECT_EQ(reading.dropped, c.dropped) << c.what;
  }
}

class BookmarkFolderTest : public ::testing::Test {
 protected:
  void WriteRaw(const std::string& bytes) {
    test::WriteFileBytes(dir / kBookmarkFileName, std::vector<uint8_t>(bytes.begin(), bytes.end()));
  }
  std::string ReadRaw() const {
    const std::vector<uint8_t> bytes = test::ReadFileBytes(dir / kBookmarkFileName);
    return {bytes.begin(), bytes.end()};
  }
  test::TempFolder dir;
  const std::wstring file = L"C:\\data\\image.bin";
};

TEST_F(BookmarkFolderTest, EachFileKeepsItsOwnAndOthersAreLeftAlone) {
  ASSERT_TRUE(SaveBookmarks(dir.path(), L"C:\\other.bin", {{5, L"other"}}));
  ASSERT_TRUE(SaveBookmarks(dir.path(), file, {{1, L"one"}, {0x20, L"two"}}));
  ASSERT_TRUE(SaveBookmarks(dir.path(), file, {{0x20, L"two"}}));
  // Keyed by the full name, whatever the case of its letters.
  const FileBookmarks loaded = LoadBookmarks(dir.path(), L"c:\\DATA\\image.bin", 100);
  EXPECT_EQ(loaded.dropped, 0);
  EXPECT_EQ(loaded.list, (std::vector<Bookmark>{{0x20, L"two"}}));
  EXPECT_EQ(LoadBookmarks(dir.path(), L"C:\\other.bin", 100).list,
            (std::vector<Bookmark>{{5, L"other"}}));
  EXPECT_FALSE(fs::FileExists(WholeFileTempName(dir / kBookmarkFileName)));
}

TEST_F(BookmarkFolderTest, EntriesPastTheEndAndTwiceAreDroppedOnceAndForAll) {
  WriteRaw(Utf16(kHeader + file + L"\t63\tlast\r\n" + file + L"\t64\tpast\r\n" + file +
                 L"\t3\ta\r\n" + file + L"\t3\tb\r\nC:\\x\tZZ\tbad\r\n"));
  // A file of 0x64 bytes: its last address is 63.
  const FileBookmarks loaded = LoadBookmarks(dir.path(), file, 0x64);
  EXPECT_EQ(loaded.list, (std::vector<Bookmark>{{3, L"a"}, {0x63, L"last"}}));
  EXPECT_EQ(loaded.dropped, 3);
  // The file was written again without them: the next reading finds nothing wrong.
  const FileBookmarks again = LoadBookmarks(dir.path(), file, 0x64);
  EXPECT_EQ(again.dropped, 0);
  EXPECT_EQ(again.list, loaded.list);
}

TEST_F(BookmarkFolderTest, AnOversizedFileIsNotReadAndNotReplacedByAFailedWrite) {
  WriteRaw(std::string(static_cast<size_t>(kBookmarkFileLimit) + 1, 'x'));
  const FileBookmarks loaded = LoadBookmarks(dir.path(), file, 64);
  EXPECT_TRUE(loaded.list.empty());
  EXPECT_EQ(loaded.dropped, 1);
  // A folder in the temporary file's place: the write fails, the file stays.
  WriteRaw(Utf16(kHeader + file + L"\t1\tkept\r\n"));
  ASSERT_TRUE(fs::MakeFolder(WholeFileTempName(dir / kBookmarkFileName)));
  EXPECT_FALSE(SaveBookmarks(dir.path(), file, {{2, L"new"}}));
  EXPECT_EQ(LoadBookmarks(dir.path(), file, 64).list, (std::vector<Bookmark>{{1, L"kept"}}));
}

}  // namespace
}  // namespace vx
