#include "common/folder_rules.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(FolderRules, CollapsesNamesAsWindowsReadsThem) {
  const struct {
    std::wstring name;
    const wchar_t* collapsed;
  } cases[] = {
      {std::wstring(L"C:\\\0Windows", 11), L"C:\\"},    // the system stops at the NUL
      {L"\\\\.\\C:\\..\\D:\\Windows", L"D:\\Windows"},  // ".." climbs over a device's volume
      {L"\\\\srv\\share:\\a\\b", L"\\\\srv\\share:\\a\\b"},
      {L"C:a\\b", L"C:a\\b"},
      {L"C:\\a\\.\\b\\..\\c\\", L"C:\\a\\c"},
      {L"C:/a//b/", L"C:\\a\\b"},
      {L"C:\\..\\..\\a", L"C:\\a"},  // nothing above the root
      {L"C:\\Windows.\\System32 \\", L"C:\\Windows\\System32"},
      {L"\\\\?\\C:\\a\\", L"C:\\a"},
      {L"\\\\?\\UNC\\server\\share\\a", L"\\\\server\\share\\a"},
      {L"\\\\server\\share\\a\\..\\..", L"\\\\server\\share"},
      {L"..\\a\\..\\..\\b", L"..\\..\\b"},  // a relative name keeps what it climbs
      {L"C:a\\..\\..", L"C:.."},
      {L"\\a\\..", L"\\"},
  };
  for (const auto& c : cases) EXPECT_EQ(CollapsePath(c.name), c.collapsed);
}

TEST(FolderRules, KnowsADriveRootHoweverItIsWritten) {
  for (const wchar_t* root :
       {L"c:\\", L"C:\\", L"D:\\", L"C:", L"C:/", L"\\", L"\\\\server\\share\\", L"\\\\server",
        L"C:\\Windows\\..\\", L"C:\\a\\b\\..\\..\\..\\", L"\\\\?\\C:\\", L"\\\\.\\D:",
        L"\\\\?\\UNC\\server\\share"}) {
    EXPECT_TRUE(IsRootFolder(root)) << root;
  }
  for (const wchar_t* folder : {L"C:\\a\\", L"\\\\server\\share\\a", L"..\\", L"a", L""}) {
    EXPECT_FALSE(IsRootFolder(folder)) << folder;
  }
}

TEST(FolderRules, TellsAFolderBelowAnotherWithoutRegardToCase) {
  EXPECT_TRUE(IsSameOrBelow(L"c:\\setup\\", L"C:\\SETUP"));
  EXPECT_TRUE(IsSameOrBelow(L"C:\\Setup\\Vantelox\\", L"C:\\setup\\"));
  EXPECT_TRUE(IsSameOrBelow(L"C:\\setup\\x\\..\\y", L"c:\\setup\\y"));
  EXPECT_TRUE(IsSameOrBelow(L"C:\\any", L"C:"));
  EXPECT_FALSE(IsSameOrBelow(L"C:\\setup2\\", L"C:\\setup\\"));  // a longer name is no child
  EXPECT_FALSE(IsSameOrBelow(L"C:\\setup\\", L"C:\\setup\\Vantelox\\"));
  EXPECT_FALSE(IsSameOrBelow(L"D:\\setup\\", L"C:\\setup\\"));
}

TEST(FolderRules, ProtectsRootsSystemFoldersAndWhatHoldsThem) {
  const std::vector<std::wstring> system = {L"C:\\Windows", L"C:\\users\\Ann\\Desktop\\"};
  EXPECT_TRUE(IsProtectedFolder(std::wstring(L"C:\\\0keep\\", 9), system)) << "a root before a NUL";
  for (const wchar_t* folder :
       {L"D:\\", L"\\\\.\\X:\\..\\C:\\Windows", L"c:\\windows\\", L"C:\\Windows\\System32\\..",
        L"C:\\users\\ann\\Desktop", L"C:\\users\\", L"C:\\Users\\Ann\\"}) {
    EXPECT_TRUE(IsProtectedFolder(folder, system)) << folder;
  }
  for (const wchar_t* folder :
       {L"C:\\Windows\\Temp\\x\\", L"C:\\users\\Ann\\Desktop\\old\\", L"C:\\users\\Bob\\"}) {
    EXPECT_FALSE(IsProtectedFolder(folder, system)) << folder;
  }
}

}  // namespace
}  // namespace vx
