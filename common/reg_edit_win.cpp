#include "common/reg_edit_win.h"

#include <iterator>
#include <utility>

#include "common/code_page.h"

namespace vx {
namespace {

// The installers ask for reading, writing, making and listing, nothing more.
constexpr REGSAM kAccess =
    KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_ENUMERATE_SUB_KEYS;
static_assert(kAccess == 0xF);

// The longest value text read, in bytes of the system code page with its
// terminating zero, as the record has always been read.
constexpr size_t kValueLimitBytes = 1024;
// Enumerated key names and classes are read into buffers of this many characters.
constexpr DWORD kNameChars = 260;

constexpr wchar_t kUninstallKey[] = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

}  // namespace

std::wstring UninstallEntryKey(const std::wstring& KeyName) { return kUninstallKey + KeyName; }

RegEdit::RegEdit()
    : RootKeyTable{HKEY_CLASSES_ROOT,     HKEY_CURRENT_USER,   HKEY_LOCAL_MACHINE, HKEY_USERS,
                   HKEY_PERFORMANCE_DATA, HKEY_CURRENT_CONFIG, HKEY_DYN_DATA} {}

LONG RegEdit::RegCreateKeyEx(int RootKey, const std::wstring& SubKey, RegKey& hKey) const {
  hKey.reset();
  if (RootKey < 0 || RootKey >= static_cast<int>(std::size(RootKeyTable))) {
    return ERROR_INVALID_PARAMETER;
  }
  HKEY opened = nullptr;
  const LONG status =
      ::RegCreateKeyExW(RootKeyTable[RootKey], DelYen(SubKey).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, kAccess, nullptr, &opened, nullptr);
  if (status == ERROR_SUCCESS) hKey.reset(opened);
  return status;
}

std::wstring RegEdit::GetValueString(int RootKey, const std::wstring& SubKey,
                                     const std::wstring& Name) const {
  RegKey key;
  RegCreateKeyEx(RootKey, SubKey, key);
  // Every character takes at least one byte in the code page, so a text that
  // fits the limit there fits this buffer; one more zero always ends it.
  wchar_t buffer[kValueLimitBytes + 1] = {};
  DWORD size = kValueLimitBytes * sizeof(wchar_t);
  if (RegQueryValueExW(key.get(), Name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(buffer),
                       &size) != ERROR_SUCCESS) {
    return {};
  }
  std::wstring text(buffer);
  if (ToShiftJis(text).size() + 1 > kValueLimitBytes) return {};
  return text;
}

LONG RegEdit::SetValueString(int RootKey, const std::wstring& SubKey, const std::wstring& ValueName,
                             const std::wstring& value) const {
  if (value.empty()) return -1;
  RegKey key;
  const LONG opened = RegCreateKeyEx(RootKey, SubKey, key);
  if (opened != ERROR_SUCCESS) return opened;
  const std::wstring data = value + L'\0';
  return RegSetValueExW(key.get(), ValueName.c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(data.c_str()),
                        static_cast<DWORD>(data.size() * sizeof(wchar_t)));
}

LONG RegEdit::SetValueNumber(int RootKey, const std::wstring& SubKey, const std::wstring& ValueName,
                             uint32_t value) const {
  RegKey key;
  const LONG opened = RegCreateKeyEx(RootKey, SubKey, key);
  if (opened != ERROR_SUCCESS) return opened;
  const DWORD data = value;
  return RegSetValueExW(key.get(), ValueName.c_str(), 0, REG_DWORD,
                        reinterpret_cast<const BYTE*>(&data), sizeof data);
}

int RegEdit::EraseValue(int RootKey, const std::wstring& SubKey, const std::wstring& value) const {
  RegKey key;
  if (RegCreateKeyEx(RootKey, SubKey, key) != ERROR_SUCCESS) return -1;
  return RegDeleteValueW(key.get(), value.c_str()) == ERROR_SUCCESS ? 0 : -1;
}

int RegEdit::EraseKeyOld(int RootKey, const std::wstring& SubKey) const {
  RegKey key;
  if (RegCreateKeyEx(RootKey, SubKey, key) != ERROR_SUCCESS) return -1;
  // The empty name is the opened key itself.
  return RegDeleteKeyW(key.get(), L"") == ERROR_SUCCESS ? 0 : -1;
}

int RegEdit::EraseKey(int RootKey, const std::wstring& SubKey) {
  std::vector<std::wstring> keys;
  const int n = GetAllKeys(RootKey, SubKey, keys);
  for (int i = 1; i <= n; ++i) EraseKeyOld(RootKey, keys[i]);
  return EraseKeyOld(RootKey, SubKey);
}

int RegEdit::GetKeys(int RootKey, const std::wstring& SubKey, std::vector<std::wstring>& DestKeys,
                     const std::wstring& FindSt) const {
  RegKey key;
  if (RegCreateKeyEx(RootKey, SubKey, key) != ERROR_SUCCESS) return -1;
  std::vector<std::wstring> kept;
  for (DWORD index = 0;; ++index) {
    wchar_t name[kNameChars];
    wchar_t key_class[kNameChars];
    DWORD name_chars = kNameChars;
    DWORD class_chars = kNameChars;
    if (RegEnumKeyExW(key.get(), index, name, &name_chars, nullptr, key_class, &class_chars,
                      nullptr) != ERROR_SUCCESS) {
      break;
    }
    const std::wstring found(name, name_chars);
    if (found.starts_with(FindSt)) kept.push_back(found);
  }
  DestKeys = std::move(kept);
  return static_cast<int>(DestKeys.size()) - 1;
}

int RegEdit::GetAllKeys(int RootKey, const std::wstring& SubKey,
                        std::vector<std::wstring>& DestKeys) {
  CollectedKeys.clear();
  GetAllKeysGetting(RootKey, SubKey);
  DestKeys = DeepestFirst(CollectedKeys);
  CollectedKeys.clear();
  return static_cast<int>(DestKeys.size()) - 1;
}

void RegEdit::GetAllKeysGetting(int RootKey, const std::wstring& SubKey) {
  const auto names_below = [&](const std::wstring& key) {
    std::vector<std::wstring> names;
    GetKeys(RootKey, key, names, L"");
    return names;
  };
  CollectKeysBelow(SubKey, names_below, CollectedKeys);
}

void RegEdit::UnInstallRegister(const std::wstring& KeyName, const std::wstring& DisplayName,
                                const std::wstring& ExeFullPath,
                                const UninstallDetails& details) const {
  const std::wstring entry = UninstallEntryKey(KeyName);
  SetValueString(kLocalMachine, entry, L"DisplayName", DisplayName);
  SetValueString(kLocalMachine, entry, L"UnInstallString", ExeFullPath);
  SetValueString(kLocalMachine, entry, L"DisplayVersion", details.DisplayVersion);
  SetValueString(kLocalMachine, entry, L"Publisher", details.Publisher);
  SetValueString(kLocalMachine, entry, L"DisplayIcon", details.DisplayIcon);
  SetValueString(kLocalMachine, entry, L"InstallLocation", details.InstallLocation);
  if (details.EstimatedSize > 0) {
    SetValueNumber(kLocalMachine, entry, L"EstimatedSize", details.EstimatedSize);
  }
  SetValueNumber(kLocalMachine, entry, L"NoModify", 1);
  SetValueNumber(kLocalMachine, entry, L"NoRepair", 1);
}

void RegEdit::KillUnInstallRegister(const std::wstring& KeyName) {
  EraseKey(kLocalMachine, UninstallEntryKey(KeyName));
}

}  // namespace vx
