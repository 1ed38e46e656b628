// RegEdit: the one class through which the setup and the uninstaller touch
// the registry. Texts go through the W entry points whole; every key is
// opened (or made) by RegCreateKeyEx and closed by its owner on every path.
// Results as the registry's own: 0 for success or a system status; the
// yes/no answers of the erase operations are -1 (it failed) and 0.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "common/reg_keys.h"

namespace vx {

struct RegKeyCloser {
  void operator()(HKEY key) const { RegCloseKey(key); }
};
using RegKey = std::unique_ptr<std::remove_pointer_t<HKEY>, RegKeyCloser>;

// The values Windows' list of installed programs shows beside the name and
// the uninstaller; empty texts (and a size of 0) are not written.
struct UninstallDetails {
  std::wstring DisplayVersion;
  std::wstring Publisher;
  std::wstring DisplayIcon;      // the program whose icon the list shows
  std::wstring InstallLocation;  // the install folder
  uint32_t EstimatedSize = 0;    // in KB
};

// RootKey indexes RootKeyTable: 0 HKEY_CLASSES_ROOT, 1 HKEY_CURRENT_USER,
// 2 HKEY_LOCAL_MACHINE, 3 HKEY_USERS, 4 HKEY_PERFORMANCE_DATA,
// 5 HKEY_CURRENT_CONFIG, 6 HKEY_DYN_DATA. SubKey may start with one "\".
class RegEdit {
 public:
  static constexpr int kClassesRoot = 0;
  static constexpr int kCurrentUser = 1;
  static constexpr int kLocalMachine = 2;

  RegEdit();

  // Opens SubKey, making it and its missing parents; the system's status (0
  // when hKey now owns the key). <windows.h> makes this name a macro for
  // RegCreateKeyExW; it renames this member alike wherever it is seen.
  LONG RegCreateKeyEx(int RootKey, const std::wstring& SubKey, RegKey& hKey) const;

  // The text of value Name; empty when the key or the value is missing or
  // its text needs more than 1024 bytes in the system code page. The key is
  // made when it was missing.
  std::wstring GetValueString(int RootKey, const std::wstring& SubKey,
                              const std::wstring& Name) const;
  // Writes value as REG_SZ; the status of the write, or -1 without touching
  // the registry for the empty text. A text of one NUL stores the empty text.
  LONG SetValueString(int RootKey, const std::wstring& SubKey, const std::wstring& ValueName,
                      const std::wstring& value) const;
  // Deletes the value named `value`: -1 when opening or deleting failed (a
  // missing value), else 0.
  int EraseValue(int RootKey, const std::wstring& SubKey, const std::wstring& value) const;
  // Deletes that one key with its values: -1 when it failed, else 0.
  int EraseKeyOld(int RootKey, const std::wstring& SubKey) const;
  // Deletes the key and every key below it, deepest first: -1 when the key
  // itself could not be deleted, else 0.
  int EraseKey(int RootKey, const std::wstring& SubKey);

  // The names of the keys directly below SubKey that begin with FindSt
  // (letter case counts; an empty FindSt keeps all), into DestKeys from
  // index 0. The last index, or -1 for none; when the key cannot be opened,
  // DestKeys stays as it was.
  int GetKeys(int RootKey, const std::wstring& SubKey, std::vector<std::wstring>& DestKeys,
              const std::wstring& FindSt) const;
  // Every key below SubKey as a path (SubKey + "\" + ...), deepest first,
  // into DestKeys at 1..n (index 0 empty); returns n.
  int GetAllKeys(int RootKey, const std::wstring& SubKey, std::vector<std::wstring>& DestKeys);
  // GetAllKeys's collecting step: appends the keys below SubKey to
  // CollectedKeys in the order of CollectKeysBelow.
  void GetAllKeysGetting(int RootKey, const std::wstring& SubKey);

  // Makes or updates the entry KeyName of the installed-programs list under
  // HKEY_LOCAL_MACHINE: "DisplayName", "UnInstallString" = ExeFullPath, the
  // details, and "NoModify" = "NoRepair" = 1 (there is only the uninstaller).
  void UnInstallRegister(const std::wstring& KeyName, const std::wstring& DisplayName,
                         const std::wstring& ExeFullPath, const UninstallDetails& details) const;
  // Removes the entry KeyName with everything in it.
  void KillUnInstallRegister(const std::wstring& KeyName);

 private:
  LONG SetValueNumber(int RootKey, const std::wstring& SubKey, const std::wstring& ValueName,
                      uint32_t value) const;

  HKEY RootKeyTable[7];
  // The keys found so far (from index 0), only while GetAllKeys runs.
  std::vector<std::wstring> CollectedKeys;
};

// Where the installed-programs entry KeyName lives under HKEY_LOCAL_MACHINE.
std::wstring UninstallEntryKey(const std::wstring& KeyName);

}  // namespace vx
