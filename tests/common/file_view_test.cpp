#include "common/file_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "common/file_seam.h"
#include "tests/support/temp_folder.h"

namespace vx::fs {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Counting(size_t length) {
  Bytes bytes(length);
  for (size_t i = 0; i < length; ++i) bytes[i] = static_cast<uint8_t>(i * 7 + i / 251);
  return bytes;
}

// Views start anywhere (not only where the system's views must start) and
// end at the file's end; the same view as often as asked.
TEST(FileView, ViewsAnyStretchUpToTheEndOfTheFile) {
  test::TempFolder dir;
  const std::wstring name = dir / L"viewed.bin";
  const Bytes bytes = Counting(300000);
  test::WriteFileBytes(name, bytes);
  FileView view = FileView::Open(name);
  ASSERT_TRUE(view);
  EXPECT_EQ(view.Length(), 300000);
  struct Case {
    int64_t offset, length, expected;
  };
  for (const Case c :
       {Case{0, 10, 10}, Case{65535, 3, 3}, Case{65536 + 4097, 100000, 100000},
        Case{299990, 100, 10}, Case{300000, 5, 0}, Case{400000, 5, 0}, Case{0, 300000, 300000}}) {
    const auto got = view.Map(c.offset, c.length);
    ASSERT_TRUE(got) << "offset " << c.offset;
    ASSERT_EQ(static_cast<int64_t>(got->size()), c.expected) << "offset " << c.offset;
    EXPECT_TRUE(
        std::equal(got->begin(), got->end(), bytes.begin() + std::min<int64_t>(c.offset, 300000)))
        << "offset " << c.offset;
  }
  EXPECT_FALSE(view.Map(-1, 5));
}

TEST(FileView, AFileThatGrewIsViewedToItsNewEnd) {
  test::TempFolder dir;
  const std::wstring name = dir / L"growing.bin";
  test::WriteFileBytes(name, Counting(10));
  FileView view = FileView::Open(name);
  ASSERT_EQ(view.Map(0, 100)->size(), 10u);
  // Lengthened in place: a file with a view may not be cut on Windows.
  const Bytes longer = Counting(70000);
  File file = OpenFile(name, false, Share::ReadWrite);
  ASSERT_TRUE(file.WriteAt(10, longer.data() + 10, 70000 - 10));
  ASSERT_TRUE(file.Close());
  const auto got = view.Map(65530, 10000);
  ASSERT_TRUE(got);
  EXPECT_EQ(got->size(), 70000u - 65530u);
  EXPECT_EQ((*got)[0], longer[65530]);
}

TEST(FileView, AMissingFileDoesNotOpenAndIsNotMade) {
  test::TempFolder dir;
  EXPECT_FALSE(FileView::Open(dir / L"missing.bin"));
  EXPECT_FALSE(FileExists(dir / L"missing.bin"));
  EXPECT_FALSE(FileView::Open(dir.path()));
}

}  // namespace
}  // namespace vx::fs
