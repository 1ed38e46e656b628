// The setup's copy and its record under simulated power cuts: after a cut at
// any instant and the next setup's start (its take-back of a stopped setup),
// each installed file and the list of copied files is the earlier one (or
// none) or the new one; a second setup then leaves exactly one setup's disk.
#include <gtest/gtest.h>

#include "common/file_operations.h"
#include "common/install_record.h"
#include "common/installer/installed_names.h"
#include "common/installer/own_entries.h"
#include "common/path_text.h"
#include "common/uninstall_data.h"
#include "common/whole_file.h"
#include "setup/distribution.h"
#include "tests/support/power_cut.h"
#include "tests/support/temp_folder.h"

namespace vx::setup {
namespace {

using Names = std::vector<std::wstring>;

TEST(PowerCutSetup, CopyAndRecord) {
  const Names files = {L"Vantelox.exe", L"Vanteloxヘルプ\\top.htm", L"Vanteloxヘルプ\\keys.htm"};
  const std::wstring uninstaller = installed_names::kUninstallerFile;
  struct Case {
    const char* command;
    bool earlier_install;
  };
  for (const Case& c :
       {Case{"setup into a new folder", false}, Case{"setup over an earlier install", true}}) {
    test::TempFolder dir;
    const std::wstring from = dir / L"Downloads\\";
    const std::wstring to = dir / L"Apps\\Vantelox\\";
    const std::wstring list_file = to + install_record::kListFileName;
    for (const std::wstring& name : files) {
      ASSERT_TRUE(MakeFolders(FolderPart(from + name)));
      test::WriteFileBytes(from + name, std::vector<uint8_t>(700, 0x4E));
      if (c.earlier_install) {
        ASSERT_TRUE(MakeFolders(FolderPart(to + name)));
        test::WriteFileBytes(to + name, std::vector<uint8_t>(900, 0x0D));
      }
    }
    test::WriteFileBytes(from + uninstaller, {2, 2});
    ASSERT_TRUE(MakeFolders(dir / L"Apps\\"));
    test::WriteFileBytes(dir / L"Apps\\bystander.txt", {5});
    if (c.earlier_install) {
      ASSERT_TRUE(WriteUninstallData(list_file, {to + files[0]}));
    }

    const auto install = [&] {
      const DistributionCopy copy = CopyDistribution(from, to, files, {});
      ASSERT_TRUE(copy.complete);
      ASSERT_TRUE(WriteUninstallData(list_file, copy.copied));
      std::vector<std::wstring> made;
      ASSERT_TRUE(CopyReplacing(from + uninstaller, to + uninstaller, made).ok);
      EXPECT_TRUE(KeepInstall(copy.moved_aside).empty());
    };
    // What a cut may leave that the next setup writes afresh.
    const auto stale = [&](const std::wstring& name) {
      return name == WholeFileTempName(list_file) ||
             name == to + uninstaller + installed_names::kFreshSuffix;
    };
    test::PowerCutCase cut(c.command, {dir.path()}, install);
    cut.random_states = 3;
    cut.check = [&](const test::CutRecorder& recording) {
      for (const std::wstring& name : files) TakeBackLeftovers(to + name);
      std::string failed = test::EachFileBeforeOrAfter(recording, stale);
      if (!failed.empty()) return failed;
      install();
      return test::FilesDiffer("a second setup", recording.ReadDisk(), recording.After());
    };
    EXPECT_TRUE(test::RunPowerCuts(cut)) << c.command;
  }
}

}  // namespace
}  // namespace vx::setup
