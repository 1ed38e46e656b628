#include "common/registry_win.h"

#include <utility>

#include "common/code_page.h"
#include "common/reg_keys.h"

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

HKEY RootHandle(RegistryRoot root) {
  return root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

}  // namespace

std::wstring UninstallEntryKey(const std::wstring& entry_name) {
  return kUninstallKey + entry_name;
}

LONG Registry::OpenOrMakeKey(RegistryRoot root, const std::wstring& key_path, RegKey& key) const {
  key.reset();
  HKEY opened = nullptr;
  const LONG status =
      RegCreateKeyExW(RootHandle(root), WithoutLeadingMark(key_path).c_str(), 0, nullptr,
                      REG_OPTION_NON_VOLATILE, kAccess, nullptr, &opened, nullptr);
  if (status == ERROR_SUCCESS) key.reset(opened);
  return status;
}

std::wstring Registry::ReadText(RegistryRoot root, const std::wstring& key_path,
                                const std::wstring& name) const {
  RegKey key;
  OpenOrMakeKey(root, key_path, key);
  // Every character takes at least one byte in the code page, so a text that
  // fits the limit there fits this buffer; one more zero always ends it.
  wchar_t buffer[kValueLimitBytes + 1] = {};
  DWORD size = kValueLimitBytes * sizeof(wchar_t);
  if (RegQueryValueExW(key.get(), name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(buffer),
                       &size) != ERROR_SUCCESS) {
    return {};
  }
  std::wstring text(buffer);
  if (ToShiftJis(text).size() + 1 > kValueLimitBytes) return {};
  return text;
}

LONG Registry::WriteText(RegistryRoot root, const std::wstring& key_path, const std::wstring& name,
                         const std::wstring& text) const {
  if (text.empty()) return -1;
  RegKey key;
  const LONG opened = OpenOrMakeKey(root, key_path, key);
  if (opened != ERROR_SUCCESS) return opened;
  const std::wstring data = text + L'\0';
  return RegSetValueExW(key.get(), name.c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(data.c_str()),
                        static_cast<DWORD>(data.size() * sizeof(wchar_t)));
}

LONG Registry::WriteNumber(RegistryRoot root, const std::wstring& key_path,
                           const std::wstring& name, uint32_t value) const {
  RegKey key;
  const LONG opened = OpenOrMakeKey(root, key_path, key);
  if (opened != ERROR_SUCCESS) return opened;
  const DWORD data = value;
  return RegSetValueExW(key.get(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                        sizeof data);
}

bool Registry::DeleteValue(RegistryRoot root, const std::wstring& key_path,
                           const std::wstring& name) const {
  RegKey key;
  return OpenOrMakeKey(root, key_path, key) == ERROR_SUCCESS &&
         RegDeleteValueW(key.get(), name.c_str()) == ERROR_SUCCESS;
}

bool Registry::DeleteOneKey(RegistryRoot root, const std::wstring& key_path) const {
  RegKey key;
  // The empty name is the opened key itself.
  return OpenOrMakeKey(root, key_path, key) == ERROR_SUCCESS &&
         RegDeleteKeyW(key.get(), L"") == ERROR_SUCCESS;
}

bool Registry::DeleteKeyTree(RegistryRoot root, const std::wstring& key_path) const {
  for (const std::wstring& below : KeysBelow(root, key_path)) DeleteOneKey(root, below);
  return DeleteOneKey(root, key_path);
}

std::vector<std::wstring> Registry::SubKeyNames(RegistryRoot root,
                                                const std::wstring& key_path) const {
  RegKey key;
  if (OpenOrMakeKey(root, key_path, key) != ERROR_SUCCESS) return {};
  std::vector<std::wstring> names;
  for (DWORD index = 0;; ++index) {
    wchar_t name[kNameChars];
    wchar_t key_class[kNameChars];
    DWORD name_chars = kNameChars;
    DWORD class_chars = kNameChars;
    if (RegEnumKeyExW(key.get(), index, name, &name_chars, nullptr, key_class, &class_chars,
                      nullptr) != ERROR_SUCCESS) {
      break;
    }
    names.emplace_back(name, name_chars);
  }
  return names;
}

std::vector<std::wstring> Registry::KeysBelow(RegistryRoot root,
                                              const std::wstring& key_path) const {
  std::vector<std::wstring> collected;
  CollectKeysBelow(
      key_path, [&](const std::wstring& key) { return SubKeyNames(root, key); }, collected);
  return DeepestFirst(collected);
}

void Registry::RegisterUninstallEntry(const std::wstring& entry_name,
                                      const std::wstring& display_name,
                                      const std::wstring& uninstaller,
                                      const UninstallDetails& details) const {
  constexpr RegistryRoot kRoot = RegistryRoot::LocalMachine;
  const std::wstring entry = UninstallEntryKey(entry_name);
  WriteText(kRoot, entry, L"DisplayName", display_name);
  WriteText(kRoot, entry, L"UnInstallString", uninstaller);
  WriteText(kRoot, entry, L"DisplayVersion", details.display_version);
  WriteText(kRoot, entry, L"Publisher", details.publisher);
  WriteText(kRoot, entry, L"DisplayIcon", details.display_icon);
  WriteText(kRoot, entry, L"InstallLocation", details.install_location);
  if (details.estimated_size_kb > 0) {
    WriteNumber(kRoot, entry, L"EstimatedSize", details.estimated_size_kb);
  }
  WriteNumber(kRoot, entry, L"NoModify", 1);
  WriteNumber(kRoot, entry, L"NoRepair", 1);
}

void Registry::RemoveUninstallEntry(const std::wstring& entry_name) const {
  DeleteKeyTree(RegistryRoot::LocalMachine, UninstallEntryKey(entry_name));
}

}  // namespace vx
