// Links on the way to the maker's folder, made here the POSIX way. The rule
// acts on full names with a drive only: the drive "C:" is a folder of the
// scratch folder, which the test works in.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "common/file_operations.h"
#include "common/file_seam.h"
#include "common/posix_names.h"
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

}  // namespace
}  // namespace vx::uninstall
