// RegEdit on the real registry, in keys of the tests' own that go afterwards.
#include "common/reg_edit_win.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/code_page.h"
#include "tests/support/command_output_win.h"
#include "tests/support/registry_view_win.h"

namespace vx {
namespace {

using Names = std::vector<std::wstring>;
using test::KeyExists;

class RegEditTest : public testing::Test {
 protected:
  void TearDown() override {
    RegDeleteTreeW(HKEY_CURRENT_USER, base_.c_str());
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, UninstallEntryKey(entry_name_).substr(1).c_str());
  }

  // Under HKEY_CURRENT_USER (RootKey 1).
  std::wstring Key(const std::wstring& below) const { return base_ + L"\\" + below; }
  // What the system's own reg.exe says about a key, values and subkeys.
  static std::wstring RegQuery(const std::wstring& key) {
    return FromShiftJis(test::CommandOutput(L"reg.exe query \"" + key + L"\" /s"));
  }

  const std::wstring base_ = L"Software\\VanteloxTest-" + std::to_wstring(GetCurrentProcessId());
  const std::wstring entry_name_ = L"VanteloxTest-" + std::to_wstring(GetCurrentProcessId());
  RegEdit reg;
};

TEST_F(RegEditTest, TextValuesAreWrittenReadAndErasedAsReadBackByRegQuery) {
  const std::wstring key = Key(L"Values");
  const std::wstring folder = L"C:\\Program Files\\Morvane Soft\\Vantelox\\";
  EXPECT_EQ(reg.SetValueString(1, L"\\" + key, L"InstallDir", folder), 0);
  EXPECT_EQ(reg.SetValueString(1, key, L"名前", L"日本語のテキスト"), 0);
  EXPECT_EQ(reg.SetValueString(1, key, L"RightOn", std::wstring(1, L'\0')), 0);
  EXPECT_EQ(reg.GetValueString(1, key, L"InstallDir"), folder);
  EXPECT_EQ(reg.GetValueString(1, L"\\" + key, L"名前"), L"日本語のテキスト");
  EXPECT_EQ(reg.GetValueString(1, key, L"RightOn"), L"");

  const std::wstring listed = RegQuery(L"HKCU\\" + key);
  EXPECT_NE(listed.find(L"InstallDir    REG_SZ    " + folder), std::wstring::npos) << listed;
  EXPECT_NE(listed.find(L"名前    REG_SZ    日本語のテキスト"), std::wstring::npos) << listed;
  EXPECT_NE(listed.find(L"RightOn    REG_SZ"), std::wstring::npos) << listed;

  EXPECT_EQ(reg.EraseValue(1, key, L"InstallDir"), 0);
  EXPECT_EQ(reg.EraseValue(1, key, L"InstallDir"), -1);
  EXPECT_EQ(reg.GetValueString(1, key, L"InstallDir"), L"");
  EXPECT_EQ(RegQuery(L"HKCU\\" + key).find(L"InstallDir"), std::wstring::npos);
}

TEST_F(RegEditTest, TheEmptyTextIsRefusedAndOneNulStoresAnEmptyText) {
  EXPECT_EQ(reg.SetValueString(1, Key(L"Refused"), L"v", L""), -1);
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Key(L"Refused")));
  ASSERT_EQ(reg.SetValueString(1, Key(L"Nul"), L"v", std::wstring(1, L'\0')), 0);
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

TEST_F(RegEditTest, AReadMakesAMissingKeyAndTextsBeyond1024CodePageBytesReadEmpty) {
  EXPECT_EQ(reg.GetValueString(1, Key(L"Made\\By\\Reading"), L"InstallDir"), L"");
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, Key(L"Made\\By\\Reading")));
  Names none;
  EXPECT_EQ(reg.GetKeys(1, Key(L"Made\\By\\Reading"), none, L""), -1);

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
    ASSERT_EQ(reg.SetValueString(1, Key(L"Long"), L"v", c.text), 0);
    EXPECT_EQ(reg.GetValueString(1, Key(L"Long"), L"v"), c.fits ? c.text : L"") << c.text.size();
  }
}

TEST_F(RegEditTest, GetKeysKeepsNamesStartingWithFindStInTheSameCase) {
  // Key names ignore letter case themselves; these differ beyond it.
  for (const wchar_t* name : {L"Vantelox", L"vanilla", L"VAX", L"Va", L"V", L"Other"}) {
    RegKey made;
    ASSERT_EQ(reg.RegCreateKeyEx(1, Key(L"Find\\") + name, made), 0);
  }
  Names found;
  ASSERT_EQ(reg.GetKeys(1, Key(L"Find"), found, L"Va"), 1);
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, (Names{L"Va", L"Vantelox"}));
  EXPECT_EQ(reg.GetKeys(1, Key(L"Find"), found, L""), 5);

  Names kept = {L"as it was"};
  EXPECT_EQ(reg.GetKeys(7, Key(L"Find"), kept, L""), -1);  // no such root
  EXPECT_EQ(kept, Names{L"as it was"});
}

TEST_F(RegEditTest, GetAllKeysAndEraseKeyWorkDeepestFirstThroughADoubledMark) {
  for (const wchar_t* path : {L"Tree\\A\\A1\\A11", L"Tree\\A\\A2", L"Tree\\B"}) {
    ASSERT_EQ(reg.SetValueString(1, Key(path), L"v", L"x"), 0);
  }
  Names keys;
  ASSERT_EQ(reg.GetAllKeys(1, Key(L"Tree"), keys), 5);
  const std::wstring t = Key(L"Tree");
  EXPECT_EQ(keys, (Names{L"", t + L"\\A\\A1\\A11", t + L"\\A\\A1", t + L"\\A\\A2", t + L"\\A",
                         t + L"\\B"}));
  EXPECT_EQ(reg.GetAllKeys(1, Key(L"Tree\\B"), keys), 0);

  EXPECT_EQ(reg.EraseKey(1, Key(L"Tree\\")), 0);  // children reached as "Tree\\\\A"
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Key(L"Tree")));
  EXPECT_EQ(RegQuery(L"HKCU\\" + Key(L"Tree")).find(L"REG_SZ"), std::wstring::npos);
  EXPECT_EQ(reg.EraseKey(1, Key(L"Leaf")), 0);  // made by the open, then erased
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Key(L"Leaf")));
  EXPECT_EQ(reg.EraseKey(7, Key(L"Tree")), -1);
  EXPECT_EQ(reg.EraseKeyOld(7, Key(L"Tree")), -1);
}

TEST_F(RegEditTest, TheInstalledProgramsEntryShowsWhatWindowsListsAndGoesWhole) {
  UninstallDetails details;
  details.DisplayVersion = L"1.1.0";
  details.Publisher = L"Morvane Soft";
  details.DisplayIcon = L"C:\\Program Files\\Morvane Soft\\Vantelox\\Vantelox.exe";
  details.InstallLocation = L"C:\\Program Files\\Morvane Soft\\Vantelox\\";
  details.EstimatedSize = 1234;
  reg.UnInstallRegister(entry_name_, L"Vantelox1.1.0", L"C:\\windows\\UnInstallVantelox.exe",
                        details);
  const std::wstring listed = RegQuery(L"HKLM" + UninstallEntryKey(entry_name_));
  for (const std::wstring& line :
       {std::wstring(L"DisplayName    REG_SZ    Vantelox1.1.0"),
        std::wstring(L"UnInstallString    REG_SZ    C:\\windows\\UnInstallVantelox.exe"),
        std::wstring(L"DisplayVersion    REG_SZ    1.1.0"),
        std::wstring(L"Publisher    REG_SZ    Morvane Soft"),
        L"DisplayIcon    REG_SZ    " + details.DisplayIcon,
        L"InstallLocation    REG_SZ    " + details.InstallLocation,
        std::wstring(L"EstimatedSize    REG_DWORD    0x4d2"),
        std::wstring(L"NoModify    REG_DWORD    0x1"),
        std::wstring(L"NoRepair    REG_DWORD    0x1")}) {
    EXPECT_NE(listed.find(line), std::wstring::npos) << line << "\n" << listed;
  }
  RegKey below;  // whatever else came to live in the entry goes with it
  ASSERT_EQ(reg.RegCreateKeyEx(2, UninstallEntryKey(entry_name_) + L"\\Extra", below), 0);
  below.reset();
  reg.KillUnInstallRegister(entry_name_);
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, UninstallEntryKey(entry_name_).substr(1)));
}

}  // namespace
}  // namespace vx
