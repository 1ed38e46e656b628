#include <gtest/gtest.h>
#include <windows.h>

#include "app/file/file_operation.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

// Opens the way another program would, sharing everything it can.
bool OtherProgramOpens(const std::wstring& name, DWORD access) {
  HANDLE h = CreateFileW(name.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  CloseHandle(h);
  return true;
}

TEST(FileOperationOpenApi, LetsOthersReadButNotWriteWhileOpen) {
  test::TempFolder dir;
  const std::wstring name = dir / L"a.bin";
  const FileOperation files;
  fs::File file = files.OpenApi(name);
  ASSERT_TRUE(file);
  EXPECT_TRUE(OtherProgramOpens(name, GENERIC_READ));
  EXPECT_FALSE(OtherProgramOpens(name, GENERIC_WRITE));
  ASSERT_TRUE(files.CloseApi(file));
  EXPECT_TRUE(OtherProgramOpens(name, GENERIC_WRITE));
}

}  // namespace
}  // namespace vx
