#include "common/uninstall_data.h"

#include <gtest/gtest.h>

#include <random>

#include "common/code_page.h"
#include "common/file_seam.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

using Paths = std::vector<std::wstring>;

TEST(UninstallDataFormat, CountLineThenOneQuotedPathALineInCodePage932) {
  EXPECT_EQ(FormatUninstallData({}), "0\r\n");
  const std::wstring japanese = L"C:\\インストール\\説明書.txt";
  EXPECT_EQ(FormatUninstallData({L"C:\\a,b\\x.exe", japanese}),
            "2\r\n\"C:\\a,b\\x.exe\"\r\n\"" + ToShiftJis(japanese) + "\"\r\n");
}

TEST(UninstallDataFormat, LeavesOutNamesTheListCouldNotGiveBack) {
  // A quote or line break would break the line; "?" stands where code page
  // 932 has no character, and a delete would read it as a wildcard.
  EXPECT_EQ(FormatUninstallData({L"C:\\a\"b", L"C:\\x\r\ny", L"C:\\한글.txt", L"C:\\ok"}),
            "1\r\n\"C:\\ok\"\r\n");
}

TEST(UninstallDataFile, RoundTripsCommasJapaneseNamesAndAnEmptyList) {
  test::TempFolder dir;
  const std::wstring list = dir / L"UnInstallData.Dat";
  const Paths files = {dir / L"a,b.txt", dir / L"ヘルプ\\トップ.htm", dir / L"ＭＳ ゴシック.dat"};
  test::WriteFileBytes(list, std::vector<uint8_t>(5000, 'x'));  // an older, longer list
  ASSERT_TRUE(WriteUninstallData(list, files));
  const UninstallData read = ReadUninstallData(list);
  EXPECT_TRUE(read.complete);
  EXPECT_EQ(read.paths, files);

  ASSERT_TRUE(WriteUninstallData(list, {}));
  EXPECT_EQ(test::ReadFileBytes(list), (std::vector<uint8_t>{'0', '\r', '\n'}));
  const UninstallData none = ReadUninstallData(list);
  EXPECT_TRUE(none.complete);
  EXPECT_TRUE(none.paths.empty());

  EXPECT_FALSE(ReadUninstallData(dir / L"missing.dat").complete);
  EXPECT_FALSE(WriteUninstallData(dir / L"no\\such\\folder.dat", files));
}

TEST(UninstallDataReader, ReadsTheCountAndTheFieldsAsOlderListsMayHoldThem) {
  const struct {
    const char* bytes;
    Paths paths;
    bool complete;
  } cases[] = {
      {"2\r\n\"C:\\a\"\r\n\"C:\\b\"\r\n\"C:\\c\"\r\n", {L"C:\\a", L"C:\\b"}, true},
      {"1\n\"C:\\a\"\n", {L"C:\\a"}, true},                        // LF alone ends a line
      {"2.5\r\n\"a\"\r\n\"b\"\r\n\"c\"\r\n", {L"a", L"b"}, true},  // halves to even
      {"1.5\r\n\"a\"\r\n\"b\"\r\n\"c\"\r\n", {L"a", L"b"}, true},
      {"1.51\r\n\"a\"\r\n\"b\"\r\n\"c\"\r\n", {L"a", L"b"}, true},
      {" 1 files\r\n\"a\"\r\n", {L"a"}, true},  // the leading number of the field
      {"files\r\n\"a\"\r\n", {}, true},         // no number: 0
      {"-2\r\n\"a\"\r\n", {}, false},
      {"3\r\n\"a\"\r\n", {L"a"}, false},  // fewer lines than the count
      {"", {}, false},
      {"2\r\nC:\\x.txt , C:\\y.txt\r\n", {L"C:\\x.txt", L"C:\\y.txt"}, true},  // unquoted
      {"1\r\n\"C:\\a,b\"tail\r\n", {L"C:\\a,b"}, true},
      {"2\r\n\"C:\\open\r\n\"C:\\b\"\r\n", {L"C:\\open", L"C:\\b"}, true},  // a quote left open
      {"3\r\n\"C:\\*.*\"\r\n\"\"\r\n\"C:\\ok\"\r\n", {L"C:\\ok"}, false},   // no file's names
      {"2\r\n\"C:\\a\x01z\"\r\n\"C:\\b\"\r\n", {L"C:\\b"}, false},
  };
  for (const auto& c : cases) {
    const UninstallData read = ParseUninstallData(c.bytes);
    EXPECT_EQ(read.paths, c.paths) << c.bytes;
    EXPECT_EQ(read.complete, c.complete) << c.bytes;
  }
  // A NUL inside a name would cut it short at the system and name another file.
  using namespace std::string_literals;
  EXPECT_TRUE(ParseUninstallData("1\r\n\"C:\\a\0b\"\r\n"s).paths.empty());
}

TEST(UninstallDataReader, GarbageNeverYieldsANameTheWriterWouldNotGiveBack) {
  std::mt19937 random(20240610);
  const std::string alphabet =
      "\"\",,\r\n\r\n 0123456789-.+C:\\a\x81\x40\x82\xA0\xE0\xFC\xFF\x00*?";
  for (int round = 0; round < 3000; ++round) {
    std::string bytes;
    if (round % 3 == 0) bytes = std::to_string(random()) + std::to_string(random()) + "\r\n";
    const size_t length = random() % 600;
    for (size_t i = 0; i < length; ++i) bytes += alphabet[random() % alphabet.size()];
    const UninstallData read = ParseUninstallData(bytes);
    const UninstallData again = ParseUninstallData(FormatUninstallData(read.paths));
    ASSERT_TRUE(again.complete) << round;
    ASSERT_EQ(again.paths, read.paths) << round;
  }
}

TEST(UninstallDataReader, StaysWithinItsBoundsWhateverTheCountSays) {
  // A count beyond what a list of the setup's holds: nothing is read,
  // whatever follows; up to it, every line is.
  std::string lines;
  for (size_t i = 0; i <= kMaxUninstallEntries; ++i) lines += "\"x\"\r\n";
  for (const std::string count : {"99999999999999999999999", "10001"}) {
    const UninstallData refused = ParseUninstallData(count + "\r\n" + lines);
    EXPECT_TRUE(refused.too_long) << count;
    EXPECT_TRUE(refused.paths.empty()) << count;
    EXPECT_FALSE(refused.complete) << count;
  }
  const UninstallData longest = ParseUninstallData("10000\r\n" + lines);
  EXPECT_FALSE(longest.too_long);
  EXPECT_EQ(longest.paths.size(), kMaxUninstallEntries);
  EXPECT_TRUE(longest.complete);

  const UninstallData long_field = ParseUninstallData("1\r\n\"" + std::string(1 << 20, 'a'));
  EXPECT_TRUE(long_field.paths.empty());
  EXPECT_FALSE(long_field.complete);
}

TEST(UninstallDataReader, StreamsAHundredMegabyteListKeepingOnlyWhatNamesAFile) {
  test::TempFolder dir;
  const std::wstring list = dir / L"UnInstallData.Dat";
  {
    fs::File file = fs::OpenFile(list, true, fs::Share::ReadWrite);
    ASSERT_TRUE(file);
    // The longest count a list may have; the reader stops there.
    const std::string head = "10000\r\n\"C:\\first\"\r\n";
    ASSERT_TRUE(file.WriteAt(0, head.data(), static_cast<int64_t>(head.size())));
    // About a hundred thousand long lines, none of them a file's name.
    const std::string line = "\"C:\\*" + std::string(992, 'x') + "\"\r\n";
    std::string block;
    while (block.size() < (1 << 20)) block += line;
    const auto size = static_cast<int64_t>(block.size());
    for (int64_t i = 0; i < 100; ++i) {
      ASSERT_TRUE(file.WriteAt(static_cast<int64_t>(head.size()) + i * size, block.data(), size));
    }
  }
  const UninstallData read = ReadUninstallData(list);
  EXPECT_EQ(read.paths, Paths{L"C:\\first"});
  EXPECT_FALSE(read.complete);
}

}  // namespace
}  // namespace vx
