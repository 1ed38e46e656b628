// The installation record's registry part, in the places the programs use.
#include "common/install_record_win.h"

#include <gtest/gtest.h>

#include "common/install_record.h"
#include "tests/support/registry_view_win.h"

namespace vx::install_record {
namespace {

using test::KeyExists;
using test::TextValue;

// The record lives where the programs keep it; a prefix that holds a real
// install is left alone.
class InstallRecordTest : public testing::Test {
 protected:
  void SetUp() override {
    if (KeyExists(HKEY_CURRENT_USER, kMakerKey) || KeyExists(HKEY_LOCAL_MACHINE, entry_)) {
      GTEST_SKIP() << "this prefix holds an installation record";
    }
  }
  void TearDown() override {
    RegDeleteTreeW(HKEY_CURRENT_USER, kMakerKey);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, entry_.c_str());
  }
  static constexpr wchar_t kMakerKey[] = L"SoftWare\\MorvaneSoft";
  const std::wstring entry_ = UninstallEntryKey(kUninstallEntryName).substr(1);
  Registry registry;
};

TEST_F(InstallRecordTest, FourValuesAndTheEntryAreWrittenReadAndRemoved) {
  const std::wstring folder = L"C:\\Program Files\\Morvane Soft\\Vantelox\\";
  const std::wstring uninstaller = L"C:\\windows\\UnInstallVantelox.exe";
  EXPECT_EQ(ReadRecordValue(registry, kInstallFolderValue), L"");  // no record yet: the key is made
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, L"SoftWare\\MorvaneSoft\\Vantelox"));
  EXPECT_EQ(WriteRecordValue(registry, kInstallFolderValue, folder), 0);
  EXPECT_EQ(WriteRecordValue(registry, kUninstallerValue, uninstaller), 0);
  EXPECT_EQ(WriteRecordValue(registry, kDesktopShortcutValue, L""), 0);  // no shortcut made
  EXPECT_EQ(WriteRecordValue(registry, kSendToShortcutValue, L""), 0);
  RegisterInstalledProgram(registry, folder, uninstaller, 321);

  EXPECT_EQ(ReadRecordValue(registry, kInstallFolderValue), folder);
  EXPECT_EQ(ReadRecordValue(registry, kUninstallerValue), uninstaller);
  EXPECT_EQ(ReadRecordValue(registry, kDesktopShortcutValue), L"");
  EXPECT_EQ(TextValue(HKEY_CURRENT_USER, L"SoftWare\\MorvaneSoft\\Vantelox", kSendToShortcutValue),
            L"");
  EXPECT_EQ(TextValue(HKEY_LOCAL_MACHINE, entry_, L"DisplayName"), L"Vantelox1.1.0");
  EXPECT_EQ(TextValue(HKEY_LOCAL_MACHINE, entry_, L"DisplayIcon"), folder + L"Vantelox.exe");

  for (const wchar_t* value :
       {kInstallFolderValue, kUninstallerValue, kDesktopShortcutValue, kSendToShortcutValue}) {
    EXPECT_TRUE(DeleteRecordValue(registry, value)) << value;
    EXPECT_FALSE(DeleteRecordValue(registry, value)) << value;  // a second uninstall finds none
  }
  UnregisterInstalledProgram(registry);
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, entry_));
  EXPECT_TRUE(DeleteRecordKey(registry));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, L"SoftWare\\MorvaneSoft\\Vantelox"));
}

}  // namespace
}  // namespace vx::install_record
