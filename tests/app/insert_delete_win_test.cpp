// The tail of a file moves through one handle that lets other programs read
// the file meanwhile but not write it.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <vector>

#include "app/disk/insert_delete.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_driver_win.h"

namespace vx {
namespace {

// Opens the way another program would, sharing everything it can.
bool OtherProgramOpens(const std::wstring& name, DWORD access) {
  return test::FileLock(name, access, FILE_SHARE_READ | FILE_SHARE_WRITE).held();
}

TEST(TailMoveSharing, OthersMayReadButNotWriteWhileTheTailMoves) {
  test::TempFolder dir;
  const EditedFile file(dir / L"a.bin");
  test::WriteFileBytes(file.path(), std::vector<uint8_t>(3 * kMoveBlockSize, 7));
  for (const bool insertion : {true, false}) {
    std::optional<bool> read_during, write_during;
    const ProgressCallback progress = [&](double share, const std::wstring&) {
      if (share < 0 || share >= 1 || read_during) return;
      read_during = OtherProgramOpens(file.path(), GENERIC_READ);
      write_during = OtherProgramOpens(file.path(), GENERIC_WRITE);
    };
    ASSERT_TRUE(insertion ? InsertIntoFile(file, 0, 9, progress, L"")
                          : DeleteFromFile(file, 0, progress, L""));
    EXPECT_EQ(read_during, std::optional<bool>(true)) << insertion;
    EXPECT_EQ(write_during, std::optional<bool>(false)) << insertion;
    EXPECT_TRUE(OtherProgramOpens(file.path(), GENERIC_WRITE));
  }
}

}  // namespace
}  // namespace vx
