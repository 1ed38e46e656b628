// Registry: the one class through which the setup and the uninstaller touch
// the registry. Texts go through the W entry points whole; every key is
// opened (or made) by RegCreateKeyEx and closed by its owner on every path.
// Key paths may start with one "\".
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace vx {

struct RegKeyCloser {
  void operator()(HKEY key) const { RegCloseKey(key); }
};
using RegKey = std::unique_ptr<std::remove_pointer_t<HKEY>, RegKeyCloser>;

// The roots the programs keep their keys under.
enum class RegistryRoot { CurrentUser, LocalMachine };

// The values Windows' list of installed programs shows beside the name and
// the uninstaller; empty texts (and a size of 0) are not written.
struct UninstallDetails {
  std::wstring display_version;
  std::wstring publisher;
  std::wstring display_icon;      // the program whose icon the list shows
  std::wstring install_location;  // the install folder
  uint32_t estimated_size_kb = 0;
};

class Registry {
 public:
  // Opens `key_path`, making it and its missing parents; the system's status
  // (0 when `key` now owns the key).
  LONG OpenOrMakeKey(RegistryRoot root, const std::wstring& key_path, RegKey& key) const;

  // The text of the value `name`; empty when the key or the value is missing
  // or its text needs more than 1024 bytes in the system code page. The key
  // is made when it was missing.
  std::wstring ReadText(RegistryRoot root, const std::wstring& key_path,
                        const std::wstring& name) const;
  // Writes `text` as REG_SZ; the status of the write, or -1 without touching
  // the registry for the empty text. A text of one NUL stores the empty text.
  LONG WriteText(RegistryRoot root, const std::wstring& key_path, const std::wstring& name,
                 const std::wstring& text) const;
  // Deletes the value `name`; false when the key could not be opened or the
  // value was not there.
  bool DeleteValue(RegistryRoot root, const std::wstring& key_path, const std::wstring& name) const;
  // Deletes the key and every key below it, deepest first; false when the
  // key itself could not be deleted.
  bool DeleteKeyTree(RegistryRoot root, const std::wstring& key_path) const;

  // The names of the keys directly below `key_path`, in enumeration order.
  std::vector<std::wstring> SubKeyNames(RegistryRoot root, const std::wstring& key_path) const;
  // Every key below `key_path` as a path (`key_path` + "\" + ...), deepest first.
  std::vector<std::wstring> KeysBelow(RegistryRoot root, const std::wstring& key_path) const;

  // Makes or updates the entry `entry_name` of the installed-programs list
  // under HKEY_LOCAL_MACHINE: "DisplayName", "UnInstallString" = `uninstaller`,
  // the details, and "NoModify" = "NoRepair" = 1 (there is only the uninstaller).
  void RegisterUninstallEntry(const std::wstring& entry_name, const std::wstring& display_name,
                              const std::wstring& uninstaller,
                              const UninstallDetails& details) const;
  // Removes that entry with everything in it.
  void RemoveUninstallEntry(const std::wstring& entry_name) const;

 private:
  LONG WriteNumber(RegistryRoot root, const std::wstring& key_path, const std::wstring& name,
                   uint32_t value) const;
  // Deletes the one key with its values, not what is below it.
  bool DeleteOneKey(RegistryRoot root, const std::wstring& key_path) const;
};

// Where the installed-programs entry `entry_name` lives under HKEY_LOCAL_MACHINE.
std::wstring UninstallEntryKey(const std::wstring& entry_name);

}  // namespace vx
