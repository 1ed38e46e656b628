// The tail of a file moves through one handle that lets other programs read
// the file meanwhile but not write it.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <vector>

#include "app/edit/ins_del_one.h"
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
  const std::wstring name = dir / L"a.bin";
  test::WriteFileBytes(name, std::vector<uint8_t>(3 * kTailBlockSize, 7));
  for (const bool insertion : {true, false}) {
    std::optional<bool> read_during, write_during;
    const ProgFunction prog = [&](double value, const std::wstring&) {
      if (value < 0 || value >= 1 || read_during) return;
      read_during = OtherProgramOpens(name, GENERIC_READ);
      write_during = OtherProgramOpens(name, GENERIC_WRITE);
    };
    const int32_t r = insertion ? InsOne(name, 1, 9, prog, L"") : DelOne(name, 1, prog, L"");
    ASSERT_EQ(r, 0);
    EXPECT_EQ(read_during, std::optional<bool>(true)) << insertion;
    EXPECT_EQ(write_during, std::optional<bool>(false)) << insertion;
    EXPECT_TRUE(OtherProgramOpens(name, GENERIC_WRITE));
  }
}

}  // namespace
}  // namespace vx
