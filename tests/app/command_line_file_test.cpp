#include "app/file/command_line_file.h"

#include <gtest/gtest.h>

#include "tests/support/scoped_environment.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

TEST(LongPathOf, KeepsANameTheSystemDoesNotKnow) {
  test::TempFolder dir;
  EXPECT_EQ(LongPathOf(dir / L"missing.bin"), dir / L"missing.bin");
  test::WriteFileBytes(dir / L"long name.bin", {1});
  EXPECT_EQ(test::ReadFileBytes(LongPathOf(dir / L"long name.bin")), std::vector<uint8_t>{1});
}

TEST(FileNameFromCommandLine, TheNtFamilyQuotesNamesWithBlanks) {
  const test::ScopedEnvironment os(L"OS", L"Windows_nt");
  EXPECT_EQ(FileNameFromCommandLine(L"\"C:\\vx missing\\a b.bin\""), L"C:\\vx missing\\a b.bin");
  EXPECT_EQ(FileNameFromCommandLine(L"C:\\vx missing\\a b.bin"), L"C:\\vx missing\\a b.bin");
  EXPECT_EQ(FileNameFromCommandLine(L"C:\\vx.bin \"x\""), L"C:\\vx.bin ");
  EXPECT_EQ(FileNameFromCommandLine(L""), L"");
}

TEST(FileNameFromCommandLine, The95FamilyEndsTheNameAtTheFirstBlank) {
  const test::ScopedEnvironment os(L"OS", std::nullopt);
  EXPECT_EQ(FileNameFromCommandLine(L"C:\\vx missing\\a b.bin"), L"C:\\vx");
  EXPECT_EQ(FileNameFromCommandLine(L"C:\\vx.bin"), L"C:\\vx.bin");
}

}  // namespace
}  // namespace vx
