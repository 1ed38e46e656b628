// Linux reads a leading "//" as "/", so "\\" + a local path is a network path
// by its text that still reaches a real folder here.
#include <gtest/gtest.h>

#include "common/usual.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

TEST(UsualOpenBinary, OpensANetworkPathAsItIsWithoutMakingFolders) {
  test::TempFolder dir;
  const Usual usual;
  EXPECT_TRUE(usual.OpenBinary(L"\\" + dir / L"a.bin", false));
  EXPECT_FALSE(usual.OpenBinary(L"\\" + dir / L"sub\\a.bin", false));
  EXPECT_FALSE(fs::FolderExists(dir / L"sub"));
}

}  // namespace
}  // namespace vx
