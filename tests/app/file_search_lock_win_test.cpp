// Share modes exist on Windows only, so only there can another program hold
// the file against the search.
#include <gtest/gtest.h>

#include "app/search/file_search.h"
#include "app/search/search_state.h"
#include "common/file_seam.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

TEST(FindLocked, AFileHeldByAnotherProgramIsAnErrorAndClearsTheSearch) {
  test::TempFolder dir;
  const EditedFile file(dir / L"held.bin");
  test::WriteFileBytes(file.path(), {1, 2, 3});
  int progress_calls = 0;
  bool find_next_enabled = false;
  SearchState state([&](double, const std::wstring&) { ++progress_calls; },
                    [&](bool on) { find_next_enabled = on; });
  ASSERT_EQ(state.Start(file, 0, SearchPattern(std::vector<uint8_t>{2, 3})).offset, 1);
  ASSERT_TRUE(find_next_enabled);

  fs::File holder = fs::OpenFile(file.path(), false, fs::Share::Read);
  ASSERT_TRUE(holder);
  progress_calls = 0;
  EXPECT_EQ(state.ContinueInWindow(file).outcome, FindOutcome::Failed);
  EXPECT_EQ(state.first_match(), -1);
  EXPECT_FALSE(find_next_enabled);
  EXPECT_EQ(progress_calls, 0);
}

}  // namespace
}  // namespace vx
