// A copy reads its source only: a file that other programs hold open for
// reading (a running program, a document open in a viewer) can be copied,
// and so can one the copy may not write; one held by a writer that shares
// nothing cannot.
#include <gtest/gtest.h>
#include <windows.h>

#include "common/file_copy.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_bytes.h"
#include "tests/support/window_driver_win.h"

namespace vx {
namespace {

TEST(CopyFileFresh, NeedsOnlyToReadItsSource) {
  test::TempFolder dir;
  const std::wstring source = dir / L"source.bin";
  const std::wstring target = dir / L"target.bin";
  test::WriteFileBytes(source, test::PatternBytes(5000));
  {
    const test::FileLock reader(source, GENERIC_READ, FILE_SHARE_READ);
    ASSERT_TRUE(reader.held());
    EXPECT_TRUE(CopyFileFresh(source, target));
    EXPECT_EQ(test::ReadFileBytes(target), test::PatternBytes(5000));
  }
  ASSERT_TRUE(SetFileAttributesW(source.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_TRUE(CopyFileFresh(source, target));
  SetFileAttributesW(source.c_str(), FILE_ATTRIBUTE_NORMAL);
  const test::FileLock writer(source);
  ASSERT_TRUE(writer.held());
  EXPECT_FALSE(CopyFileFresh(source, target));
}

}  // namespace
}  // namespace vx
