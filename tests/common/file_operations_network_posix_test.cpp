// Linux reads a leading "//" as "/", so "\\" + a local path is a network path
// by its text that still reaches a real folder here.
#include <gtest/gtest.h>

#include "common/file_operations.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

TEST(OpenOrMakeFile, OpensANetworkPathAsItIsWithoutMakingFolders) {
  test::TempFolder dir;
  EXPECT_TRUE(OpenOrMakeFile(L"\\" + dir / L"a.bin"));
  EXPECT_FALSE(OpenOrMakeFile(L"\\" + dir / L"sub\\a.bin"));
  EXPECT_FALSE(fs::FolderExists(dir / L"sub"));
}

}  // namespace
}  // namespace vx
