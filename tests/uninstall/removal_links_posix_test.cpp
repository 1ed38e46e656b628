// The uninstaller's removals among links and hostile names, made here the
// POSIX way. The rules act on full names with a drive only: the drive "C:"
// is a folder of the scratch folder, which the test works in.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/file_operations.h"
#include "common/file_seam.h"
#include "common/posix_names.h"
#include "common/uninstall_data.h"
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

std::vector<std::wstring> Sorted(std::vector<std::wstring> names) {
  std::sort(names.begin(), names.end());
  return names;
}

// The bins a test gives the uninstall: one that takes nothing, one that
// takes everything into "C:\trash\".
bool NoBin(const std::wstring&) { return false; }
bool TrashBin(const std::wstring& file) {
  return MakeFolders(L"C:\\trash\\") &&
         fs::RenameFile(file, L"C:\\trash\\" + std::to_wstring(std::rand()));
}

// The person's files outside the places, which nothing may reach.
class PlacesTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(in_scratch_.changed());
    ASSERT_TRUE(MakeFolders(L"C:\\keep\\photos\\"));
    for (const wchar_t* file : kKept) test::WriteFileBytes(file, {7});
  }
  // A link that leads to `target` wherever it stands.
  void Link(const std::wstring& target, const std::wstring& link) {
    ASSERT_EQ(::symlink(PosixPath(dir_ / target).c_str(), PosixPath(link).c_str()), 0);
  }
  void ExpectPersonsFilesWhole() const {
    for (const wchar_t* file : kKept) {
      EXPECT_EQ(test::ReadFileBytes(file), std::vector<uint8_t>{7}) << file;
    }
  }
  static constexpr const wchar_t* kKept[] = {L"C:\\keep\\photos\\a.jpg", L"C:\\keep\\budget.xls",
                                             L"C:\\keep\\hard.txt", L"C:\\keep\\Setting.dat"};

  test::TempFolder dir_;
  WorkingIn in_scratch_{dir_.path()};
};

// An install folder as a person may leave it: beside what the setup and the
// program made, a document, a folder, links to a person's folder and file
// (one in a listed file's place), a second name of a person's file in a
// listed file's place, an empty folder, the person's notes in the settings
// folder, and a list line naming the document.
class InstallFolderTest : public PlacesTest {
 protected:
  void SetUp() override {
    PlacesTest::SetUp();
    ASSERT_TRUE(MakeFolders(folder_ + L"Vanteloxヘルプ\\"));
    ASSERT_TRUE(MakeFolders(folder_ + L"VXSetting\\backup\\"));
    ASSERT_TRUE(MakeFolders(folder_ + L"emptydir\\"));
    for (const wchar_t* file : {L"Vantelox.exe", L"Vanteloxヘルプ\\top.htm", L"Vantelox.exe.VXOld",
                                L"VXSetting\\Setting.dat", L"thesis.txt", L"VXSetting\\mynotes.txt",
                                L"VXSetting\\backup\\x.bin"}) {
      test::WriteFileBytes(folder_ + file, {1});
    }
    Link(L"C:\\keep\\budget.xls", folder_ + L"Vanteloxヘルプ\\edit.htm");
    Link(L"C:\\keep\\photos", folder_ + L"photos");
    Link(L"C:\\keep\\Setting.dat", folder_ + L"VXSetting\\FontData.dat");
    ASSERT_EQ(::link(PosixPath(L"C:\\keep\\hard.txt").c_str(),
                     PosixPath(folder_ + L"Vanteloxヘルプ\\search.htm").c_str()),
              0);
    std::vector<std::wstring> listed;
    for (const wchar_t* file :
         {L"Vantelox.exe", L"Vanteloxヘルプ\\top.htm", L"Vanteloxヘルプ\\edit.htm",
          L"Vanteloxヘルプ\\search.htm", L"thesis.txt"}) {
      listed.push_back(folder_ + file);
    }
    ASSERT_TRUE(WriteUninstallData(folder_ + L"UnInstallData.Dat", listed));
  }
  Place MakePlace() {
    bool too_long = true;
    Place place = InstallFolderPlace(folder_, too_long);
    EXPECT_FALSE(too_long);
    return place;
  }
  const std::wstring folder_ = L"C:\\Vantelox\\";
  const std::vector<std::wstring> own_ = {
      folder_ + L"UnInstallData.Dat", folder_ + L"Vantelox.exe", folder_ + L"Vantelox.exe.VXOld",
      folder_ + L"VXSetting\\Setting.dat", folder_ + L"Vanteloxヘルプ\\top.htm"};
  const std::vector<std::wstring> persons_ = {folder_ + L"VXSetting\\FontData.dat",
                                              folder_ + L"VXSetting\\backup\\x.bin",
                                              folder_ + L"VXSetting\\mynotes.txt",
                                              folder_ + L"Vanteloxヘルプ\\edit.htm",
                                              folder_ + L"Vanteloxヘルプ\\search.htm",
                                              folder_ + L"emptydir\\",
                                              folder_ + L"photos",
                                              folder_ + L"thesis.txt"};
};

TEST_F(InstallFolderTest, OnlyWhatTheSetupMadeIsItsOwnAndEverythingElseIsNamed) {
  const Place place = MakePlace();
  EXPECT_FALSE(place.refused);
  EXPECT_EQ(Sorted(place.sorted.own), Sorted(own_));
  EXPECT_EQ(Sorted(place.sorted.foreign), Sorted(persons_));
  EXPECT_EQ(place.last, folder_ + L"UnInstallData.Dat");
}

// Kept, agreed but the bin takes nothing, agreed and the bin takes all:
// the setup's files go each time, the person's only into the bin, links
// as links, and the list only once nothing else that should go stays.
TEST_F(InstallFolderTest, ThePersonsEntriesGoOnlyWhenAgreedAndOnlyIntoTheBin) {
  const struct {
    bool agreed;
    bool (*bin)(const std::wstring&);
    std::vector<std::wstring> left;
    bool list_stays;
  } cases[] = {
      {false, NoBin, {}, false},
      {true,
       NoBin,
       {folder_ + L"VXSetting\\backup\\x.bin", folder_ + L"VXSetting\\mynotes.txt",
        folder_ + L"Vanteloxヘルプ\\search.htm", folder_ + L"thesis.txt"},
       true},
      {true, TrashBin, {}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.left.size() * 2 + c.agreed);
    const Place place = MakePlace();
    EXPECT_EQ(Sorted(ClearPlace(place, c.agreed, c.bin)), c.left);
    for (const std::wstring& file : own_) {
      EXPECT_EQ(fs::FileExists(file), c.list_stays && file == place.last) << file;
    }
    const bool all_gone = c.agreed && c.bin == TrashBin;
    EXPECT_EQ(fs::FolderExists(folder_), !all_gone);
    for (const std::wstring& name : persons_) {
      const bool link = name.ends_with(L"photos") || name.ends_with(L"edit.htm") ||
                        name.ends_with(L"FontData.dat");
      const bool stays = !c.agreed || (!link && !all_gone && !name.ends_with(L"\\"));
      EXPECT_EQ(fs::FileExists(name) || fs::FolderExists(name), stays) << name;
    }
    ExpectPersonsFilesWhole();
    // The next case starts afresh.
    test::RemoveTree(L"C:\\");
    SetUp();
  }
}

// A list longer than any install's is refused whole; one that lost the
// count names nothing it holds, and the files of the distribution are
// still the setup's.
TEST_F(InstallFolderTest, AListLongerThanAnyInstallsRefusesTheFolder) {
  test::WriteFileBytes(folder_ + L"UnInstallData.Dat", {'2', '0', '0', '0', '0', '\r', '\n'});
  bool too_long = false;
  EXPECT_TRUE(InstallFolderPlace(folder_, too_long).refused);
  EXPECT_TRUE(too_long);
  ASSERT_TRUE(fs::RemoveFile(folder_ + L"UnInstallData.Dat"));
  const Place place = InstallFolderPlace(folder_, too_long);
  EXPECT_FALSE(too_long);
  EXPECT_EQ(Sorted(place.sorted.own),
            Sorted({folder_ + L"Vantelox.exe", folder_ + L"Vantelox.exe.VXOld",
                    folder_ + L"VXSetting\\Setting.dat", folder_ + L"Vanteloxヘルプ\\top.htm"}));
}

// A user's settings folder in the application data "C:\appdata\", with a
// link to a person's folder and one to a person's file, and the person's
// own files in it.
class UserSettingsTest : public PlacesTest {
 protected:
  void SetUp() override {
    PlacesTest::SetUp();
    ASSERT_TRUE(MakeFolders(settings_ + L"notes\\"));
    test::WriteFileBytes(L"C:\\appdata\\beside.txt", {2});
    test::WriteFileBytes(settings_ + L"Setting.dat", {3});
    test::WriteFileBytes(settings_ + L"Journal12-1.dat", {3});
    test::WriteFileBytes(settings_ + L"diary.txt", {4});
    test::WriteFileBytes(settings_ + L"notes\\n1.txt", {4});
    Link(L"C:\\keep\\photos", settings_ + L"keep");
    Link(L"C:\\keep\\budget.xls", settings_ + L"FontData.dat");
  }
  const std::wstring appdata_ = L"C:\\appdata\\";
  const std::wstring settings_ = appdata_ + L"Morvane Soft\\Vantelox\\VXSetting\\";
};

TEST_F(UserSettingsTest, ThePersonsFilesAreNamedAndTheProgramsGo) {
  const Place place = UserSettingsPlace(appdata_);
  ASSERT_FALSE(place.refused);
  EXPECT_EQ(Sorted(place.sorted.own), (std::vector<std::wstring>{settings_ + L"Journal12-1.dat",
                                                                 settings_ + L"Setting.dat"}));
  EXPECT_EQ(Sorted(place.sorted.foreign),
            (std::vector<std::wstring>{settings_ + L"FontData.dat", settings_ + L"diary.txt",
                                       settings_ + L"keep", settings_ + L"notes\\n1.txt"}));
  // Kept: the folder stays for them, and that is no failure.
  EXPECT_TRUE(ClearPlace(place, false, NoBin).empty());
  EXPECT_FALSE(fs::FileExists(settings_ + L"Setting.dat"));
  EXPECT_EQ(test::ReadFileBytes(settings_ + L"diary.txt"), std::vector<uint8_t>{4});
  EXPECT_EQ(test::ReadFileBytes(settings_ + L"notes\\n1.txt"), std::vector<uint8_t>{4});
  // Agreed: into the bin, the links as links, and the folders above once empty.
  EXPECT_TRUE(ClearPlace(UserSettingsPlace(appdata_), true, TrashBin).empty());
  EXPECT_FALSE(fs::FolderExists(appdata_ + L"Morvane Soft"));
  EXPECT_EQ(test::ReadFileBytes(L"C:\\appdata\\beside.txt"), std::vector<uint8_t>{2});
  ExpectPersonsFilesWhole();
  // Nothing there: nothing to name.
  EXPECT_TRUE(ClearPlace(UserSettingsPlace(appdata_), true, NoBin).empty());
}

TEST_F(UserSettingsTest, AFolderThatHoldsTheProfileOrIsALinkIsLeftWhole) {
  {
    ASSERT_TRUE(MakeFolders(settings_ + L"profile\\"));
    // The profile as the native build learns it: a full name.
    const test::ScopedEnvironment home(L"HOME", dir_ / settings_ + L"profile");
    const Place place = UserSettingsPlace(appdata_);
    EXPECT_TRUE(place.refused);
    EXPECT_EQ(ClearPlace(place, true, TrashBin), std::vector<std::wstring>{settings_});
    EXPECT_TRUE(fs::FileExists(settings_ + L"Setting.dat"));
  }
  ASSERT_TRUE(MakeFolders(L"C:\\elsewhere\\"));
  ASSERT_TRUE(fs::RemoveFolder(settings_ + L"profile"));
  ASSERT_EQ(std::rename("C:/appdata/Morvane Soft/Vantelox", "C:/elsewhere/Vantelox"), 0);
  Link(L"C:\\elsewhere\\Vantelox", appdata_ + L"Morvane Soft\\Vantelox");
  const Place place = UserSettingsPlace(appdata_);
  EXPECT_TRUE(place.refused);
  EXPECT_EQ(ClearPlace(place, true, TrashBin), std::vector<std::wstring>{settings_});
  EXPECT_TRUE(fs::FileExists(L"C:\\elsewhere\\Vantelox\\VXSetting\\Setting.dat"));
  EXPECT_TRUE(fs::FileExists(L"C:\\elsewhere\\Vantelox\\VXSetting\\diary.txt"));
}

}  // namespace
}  // namespace vx::uninstall
