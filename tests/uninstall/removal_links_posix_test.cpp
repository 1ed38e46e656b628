// The uninstaller's removals among links and hostile names, made here the
// POSIX way. The rules act on full names with a drive only: the drive "C:"
// is a folder of the scratch folder, which the test works in.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "common/file_operations.h"
#include "common/file_seam.h"
#include "common/posix_names.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/temp_folder.h"
#include "uninstall/removal_rules.h"

namespace vx::uninstall {
namespace {

// Works in `folder` while it lives.
class WorkingIn {
 public:
  explicit WorkingIn(const std::wstring& folder) : before_(getcwd(nullptr, 0)) {
    changed_ = ::chdir(PosixPath(folder).c_str()) == 0;
  }
  ~WorkingIn() {
    if (before_ && ::chdir(before_) != 0) ADD_FAILURE() << "cannot go back to " << before_;
    free(before_);
  }
  WorkingIn(const WorkingIn&) = delete;
  WorkingIn& operator=(const WorkingIn&) = delete;
  bool changed() const { return changed_; }

 private:
  char* before_;
  bool changed_ = false;
};

TEST(RemoveMakerFolderIfEmpty, NeverTakesALinkNorAFolderReachedThroughOne) {
  test::TempFolder dir;
  const WorkingIn in_scratch(dir.path());
  ASSERT_TRUE(in_scratch.changed());
  ASSERT_TRUE(MakeFolders(L"C:\\target\\Morvane Soft\\"));
  ASSERT_EQ(::symlink("target", "C:/through"), 0);
  ASSERT_EQ(::symlink("target", "C:/Morvane Soft"), 0);

  EXPECT_FALSE(RemoveMakerFolderIfEmpty(L"C:\\through\\Morvane Soft\\"));
  EXPECT_TRUE(fs::FolderExists(L"C:\\target\\Morvane Soft"));
  ASSERT_TRUE(fs::RemoveFolder(L"C:\\target\\Morvane Soft"));
  EXPECT_FALSE(RemoveMakerFolderIfEmpty(L"C:\\Morvane Soft\\"));
  EXPECT_TRUE(fs::IsFolderLink(L"C:\\Morvane Soft"));
  // The same folder, reached without a link, goes.
  ASSERT_TRUE(MakeFolders(L"C:\\real\\Morvane Soft\\"));
  EXPECT_TRUE(RemoveMakerFolderIfEmpty(L"C:\\real\\Morvane Soft\\"));
  EXPECT_FALSE(fs::FolderExists(L"C:\\real\\Morvane Soft"));
}

// A user's settings folder in the application data "C:\appdata\", with a
// link to a person's folder and one to a person's file, and those outside.
class UserSettingsTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(in_scratch_.changed());
    ASSERT_TRUE(MakeFolders(settings_ + L"sub\\"));
    ASSERT_TRUE(MakeFolders(L"C:\\keep\\"));
    test::WriteFileBytes(L"C:\\keep\\photo.jpg", {1});
    test::WriteFileBytes(L"C:\\appdata\\beside.txt", {2});
    test::WriteFileBytes(settings_ + L"Setting.dat", {3});
    test::WriteFileBytes(settings_ + L"sub\\fonts.dat", {4});
    Link(L"C:\\keep", settings_ + L"keep");
    Link(L"C:\\keep\\photo.jpg", settings_ + L"sub\\photo.jpg");
  }
  void Link(const std::wstring& target, const std::wstring& link) {
    ASSERT_EQ(::symlink(PosixPath(dir_ / target).c_str(), PosixPath(dir_ / link).c_str()), 0);
  }
  void ExpectPersonsFilesWhole() const {
    EXPECT_EQ(test::ReadFileBytes(L"C:\\keep\\photo.jpg"), std::vector<uint8_t>{1});
    EXPECT_EQ(test::ReadFileBytes(L"C:\\appdata\\beside.txt"), std::vector<uint8_t>{2});
  }
  static std::vector<std::wstring> Sorted(std::vector<std::wstring> names) {
    std::sort(names.begin(), names.end());
    return names;
  }

  test::TempFolder dir_;
  WorkingIn in_scratch_{dir_.path()};
  const std::wstring appdata_ = L"C:\\appdata\\";
  const std::wstring settings_ = appdata_ + L"Morvane Soft\\Vantelox\\VXSetting\\";
};

TEST_F(UserSettingsTest, GoesEntryByEntryWithTheFoldersAboveAndLinksAsLinks) {
  const SettingsRemoval removal = RemoveUserSettings(appdata_);
  EXPECT_TRUE(removal.left.empty());
  EXPECT_FALSE(removal.refused);
  EXPECT_FALSE(fs::FolderExists(appdata_ + L"Morvane Soft"));
  ExpectPersonsFilesWhole();
  // Nothing there: nothing to name.
  EXPECT_TRUE(RemoveUserSettings(appdata_).left.empty());
}

TEST_F(UserSettingsTest, ARecordSetAsideAndANameThatCannotBeJoinedStayNamed) {
  test::WriteFileBytes(settings_ + L"Recovery12-1.old", {5});
  test::WriteFileBytes(settings_ + L"sub\\Recovery12-1.txt", {6});
  // Made by POSIX itself: joined, the name would lead out of the folder.
  const std::string odd = PosixPath(dir_ / settings_ + L"sub") + "/..\\..\\Setting.dat";
  std::FILE* file = std::fopen(odd.c_str(), "w");
  ASSERT_NE(file, nullptr);
  std::fclose(file);

  const SettingsRemoval removal = RemoveUserSettings(appdata_);
  EXPECT_FALSE(removal.refused);
  EXPECT_EQ(Sorted(removal.left),
            Sorted({settings_ + L"Recovery12-1.old", settings_ + L"sub\\Recovery12-1.txt",
                    settings_ + L"sub\\..\\..\\Setting.dat"}));
  EXPECT_EQ(test::ReadFileBytes(settings_ + L"Recovery12-1.old"), std::vector<uint8_t>{5});
  EXPECT_EQ(test::ReadFileBytes(settings_ + L"sub\\Recovery12-1.txt"), std::vector<uint8_t>{6});
  EXPECT_FALSE(fs::FileExists(settings_ + L"Setting.dat"));
  EXPECT_FALSE(fs::FileExists(settings_ + L"sub\\fonts.dat"));
  EXPECT_FALSE(fs::IsFolderLink(settings_ + L"keep"));
  ExpectPersonsFilesWhole();
}

TEST_F(UserSettingsTest, AFolderThatHoldsTheProfileOrIsALinkIsLeftWhole) {
  {
    ASSERT_TRUE(MakeFolders(settings_ + L"profile\\"));
    // The profile as the native build learns it: a full name.
    const test::ScopedEnvironment home(L"HOME", dir_ / settings_ + L"profile");
    const SettingsRemoval removal = RemoveUserSettings(appdata_);
    EXPECT_TRUE(removal.refused);
    EXPECT_EQ(removal.left, std::vector<std::wstring>{settings_});
    EXPECT_TRUE(fs::FileExists(settings_ + L"Setting.dat"));
  }
  ASSERT_TRUE(MakeFolders(L"C:\\elsewhere\\"));
  ASSERT_TRUE(fs::RemoveFolder(appdata_ + L"Morvane Soft\\Vantelox\\VXSetting\\profile"));
  ASSERT_EQ(std::rename("C:/appdata/Morvane Soft/Vantelox", "C:/elsewhere/Vantelox"), 0);
  Link(L"C:\\elsewhere\\Vantelox", appdata_ + L"Morvane Soft\\Vantelox");
  const SettingsRemoval removal = RemoveUserSettings(appdata_);
  EXPECT_FALSE(removal.refused);
  EXPECT_EQ(removal.left, std::vector<std::wstring>{settings_});
  EXPECT_TRUE(fs::FileExists(L"C:\\elsewhere\\Vantelox\\VXSetting\\Setting.dat"));
}

}  // namespace
}  // namespace vx::uninstall
