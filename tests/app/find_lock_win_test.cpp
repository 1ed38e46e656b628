// Share modes exist on Windows only, so only there can another program hold
// the file against the search.
#include <gtest/gtest.h>

#include "app/search/find_u.h"
#include "app/search/search_state.h"
#include "common/file_seam.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

TEST(FindLocked, AFileHeldByAnotherProgramIsAnErrorAndClearsTheSearch) {
  test::TempFolder dir;
  const std::wstring name = dir / L"held.bin";
  test::WriteFileBytes(name, {1, 2, 3});
  const FileOperation files;
  int progress_calls = 0;
  bool find_next_enabled = false;
  SearchState state(
      files, [&](double, const std::wstring&) { ++progress_calls; },
      [&](bool on) { find_next_enabled = on; });
  ASSERT_EQ(state.FindStart(name, 1, {2, 3}), 2);
  ASSERT_TRUE(find_next_enabled);

  fs::File holder = fs::OpenFile(name, false, fs::Share::Read);
  ASSERT_TRUE(holder);
  progress_calls = 0;
  EXPECT_EQ(state.FindNextInWindow(name), kFindOpenFailed);
  EXPECT_EQ(state.FindFirst(), -1);
  EXPECT_FALSE(find_next_enabled);
  EXPECT_EQ(progress_calls, 0);
}

}  // namespace
}  // namespace vx
