#include "common/erase_guard.h"

#include <gtest/gtest.h>

#include "common/system_folders.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

std::wstring UpperCase(std::wstring text) {
  for (wchar_t& c : text) {
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
  }
  return text;
}

TEST(EraseGuard, RefusesEverySystemFolderUnderAnyOfItsNamesButNotWhatLiesBelow) {
  const std::vector<std::wstring> system = SystemFolders();
  ASSERT_FALSE(system.empty());
  for (const std::wstring& folder : system) {
    for (const std::wstring& name :
         {folder, folder + L"\\", UpperCase(folder), folder + L"\\x\\..\\", folder + L"\\.\\"}) {
      EXPECT_FALSE(MayEraseFolder(name)) << name;
    }
    EXPECT_TRUE(MayEraseFolder(folder + L"\\Vantelox\\")) << folder;
  }
}

TEST(EraseGuard, RefusesARootReachedFromTheCurrentFolder) {
  std::wstring up;
  for (int i = 0; i < 64; ++i) up += L"..\\";
  EXPECT_FALSE(MayEraseFolder(up));
  EXPECT_FALSE(MayEraseFolder(L".\\" + up));
  test::TempFolder dir;
  EXPECT_TRUE(MayEraseFolder(dir.path()));
  EXPECT_TRUE(MayEraseFolder(dir / L"sub\\..\\"));
}

}  // namespace
}  // namespace vx
