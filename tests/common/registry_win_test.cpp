// Registry on the real registry, in keys of the tests' own that go afterwards.
#include "common/registry_win.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/code_page.h"
#include "tests/support/command_output_win.h"
#include "tests/support/registry_view_win.h"

namespace vx {
namespace {

using Names = std::vector<std::wstring>;
using test::KeyExists;

constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;

class RegistryTest : public testing::Test {
 protected:
  void TearDown() override {
    RegDeleteTreeW(HKEY_CURRENT_USER, base_.c_str());
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, UninstallEntryKey(entry_name_).substr(1).c_str());
  }

  // Under HKEY_CURRENT_USER.
  std::wstring Key(const std::wstring& below) const { return base_ + L"\\" + below; }
  // What the system's own reg.exe says about a key, values and subkeys.
  static std::wstring RegQuery(const std::wstring& key) {
    return FromShiftJis(test::CommandOutput(L"reg.exe query \"" + key + L"\" /s"));
  }

  const std::wstring base_ = L"Software\\VanteloxTest-" + std::to_wstring(GetCurrentProcessId());
  const std::wstring entry_name_ = L"VanteloxTest-" + std::to_wstring(GetCurrentProcessId());
  Registry registry;
};

TEST_F(RegistryTest, TextValuesAreWrittenReadAndErasedAsReadBackByRegQuery) {
  const std::wstring key = Key(L"Values");
  const std::wstring folder = L"C:\\Program Files\\Morvane Soft\\Vantelox\\";
  EXPECT_EQ(registry.WriteText(kUser, L"\\" + key, L"InstallDir", folder), 0);
  EXPECT_EQ(registry.WriteText(kUser, key, L"名前", L"日本語のテキスト"), 0);
  EXPECT_EQ(registry.WriteText(kUser, key, L"RightOn", std::wstring(1, L'\0')), 0);
  EXPECT_EQ(registry.ReadText(kUser, key, L"InstallDir"), folder);
  EXPECT_EQ(registry.ReadText(kUser, L"\\" + key, L"名前"), L"日本語のテキスト");
  EXPECT_EQ(registry.ReadText(kUser, key, L"RightOn"), L"");

  const std::wstring listed = RegQuery(L"HKCU\\" + key);
  EXPECT_NE(listed.find(L"InstallDir    REG_SZ    " + folder), std::wstring::npos) << listed;
  EXPECT_NE(listed.find(L"名前    REG_SZ    日本語のテキスト"), std::wstring::npos) << listed;
  EXPECT_NE(listed.find(L"RightOn    REG_SZ"), std::wstring::npos) << listed;

  EXPECT_TRUE(registry.DeleteValue(kUser, key, L"InstallDir"));
  EXPECT_FALSE(registry.DeleteValue(kUser, key, L"InstallDir"));
  EXPECT_EQ(registry.ReadText(kUser, key, L"InstallDir"), L"");
  EXPECT_EQ(RegQuery(L"HKCU\\" + key).find(L"InstallDir"), std::wstring::npos);
}

TEST_F(RegistryTest, TheEmptyTextIsRefusedAndOneNulStoresAnEmptyText) {
  EXPECT_EQ(registry.WriteText(kUser, Key(L"Refused"), L"v", L""), -1);
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Key(L"Refused")));
  ASSERT_EQ(registry.WriteText(kUser, Key(L"Nul"), L"v", std::wstring(1, L'\0')), 0);
  DWORD type = 0;
  wchar_t data[4] = {1, 1, 1, 1};
  DWORD size = sizeof data;
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, Key(L"Nul").c_str(), L"v", RRF_RT_ANY | RRF_NOEXPAND,
                         &type, data, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(size, 2 * sizeof(wchar_t));
  EXPECT_EQ(data[0], 0);
}

TEST_F(RegistryTest, AReadMakesAMissingKeyAndTextsBeyond1024CodePageBytesReadEmpty) {
  EXPECT_EQ(registry.ReadText(kUser, Key(L"Made\\By\\Reading"), L"InstallDir"), L"");
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, Key(L"Made\\By\\Reading")));
  EXPECT_TRUE(registry.SubKeyNames(kUser, Key(L"Made\\By\\Reading")).empty());

  const struct {
    std::wstring text;
    bool fits;
  } cases[] = {
      {std::wstring(1023, L'a'), true},  {std::wstring(1024, L'a'), false},
      {std::wstring(511, L'字'), true},   // 1022 bytes in code page 932
      {std::wstring(512, L'字'), false},  // 1024 bytes, no room for the zero
      {std::wstring(3000, L'a'), false},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(registry.WriteText(kUser, Key(L"Long"), L"v", c.text), 0);
    EXPECT_EQ(registry.ReadText(kUser, Key(L"Long"), L"v"), c.fits ? c.text : L"") << c.text.size();
  }
}

TEST_F(RegistryTest, SubKeysAreListedAndTheTreeIsDeletedDeepestFirstThroughADoubledMark) {
  for (const wchar_t* path : {L"Tree\\A\\A1\\A11", L"Tree\\A\\A2", L"Tree\\B"}) {
    ASSERT_EQ(registry.WriteText(kUser, Key(path), L"v", L"x"), 0);
  }
  Names children = registry.SubKeyNames(kUser, Key(L"Tree"));
  std::sort(children.begin(), children.end());
  EXPECT_EQ(children, (Names{L"A", L"B"}));
  const std::wstring t = Key(L"Tree");
  EXPECT_EQ(registry.KeysBelow(kUser, t),
            (Names{t + L"\\A\\A1\\A11", t + L"\\A\\A1", t + L"\\A\\A2", t + L"\\A", t + L"\\B"}));
  EXPECT_TRUE(registry.KeysBelow(kUser, Key(L"Tree\\B")).empty());

  EXPECT_TRUE(registry.DeleteKeyTree(kUser, Key(L"Tree\\")));  // children reached as "Tree\\\\A"
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Key(L"Tree")));
  EXPECT_EQ(RegQuery(L"HKCU\\" + Key(L"Tree")).find(L"REG_SZ"), std::wstring::npos);
  EXPECT_TRUE(registry.DeleteKeyTree(kUser, Key(L"Leaf")));  // made by the open, then deleted
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Key(L"Leaf")));
}

TEST_F(RegistryTest, TheInstalledProgramsEntryShowsWhatWindowsListsAndGoesWhole) {
  UninstallDetails details;
  details.display_version = L"1.1.0";
  details.publisher = L"Morvane Soft";
  details.display_icon = L"C:\\Program Files\\Morvane Soft\\Vantelox\\Vantelox.exe";
  details.install_location = L"C:\\Program Files\\Morvane Soft\\Vantelox\\";
  details.estimated_size_kb = 1234;
  registry.RegisterUninstallEntry(entry_name_, L"Vantelox1.1.0",
                                  L"C:\\windows\\UnInstallVantelox.exe", details);
  const std::wstring listed = RegQuery(L"HKLM" + UninstallEntryKey(entry_name_));
  for (const std::wstring& line :
       {std::wstring(L"DisplayName    REG_SZ    Vantelox1.1.0"),
        std::wstring(L"UnInstallString    REG_SZ    C:\\windows\\UnInstallVantelox.exe"),
        std::wstring(L"DisplayVersion    REG_SZ    1.1.0"),
        std::wstring(L"Publisher    REG_SZ    Morvane Soft"),
        L"DisplayIcon    REG_SZ    " + details.display_icon,
        L"InstallLocation    REG_SZ    " + details.install_location,
        std::wstring(L"EstimatedSize    REG_DWORD    0x4d2"),
        std::wstring(L"NoModify    REG_DWORD    0x1"),
        std::wstring(L"NoRepair    REG_DWORD    0x1")}) {
    EXPECT_NE(listed.find(line), std::wstring::npos) << line << "\n" << listed;
  }
  RegKey below;  // whatever else came to live in the entry goes with it
  ASSERT_EQ(registry.OpenOrMakeKey(RegistryRoot::LocalMachine,
                                   UninstallEntryKey(entry_name_) + L"\\Extra", below),
            0);
  below.reset();
  registry.RemoveUninstallEntry(entry_name_);
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, UninstallEntryKey(entry_name_).substr(1)));
}

}  // namespace
}  // namespace vx
