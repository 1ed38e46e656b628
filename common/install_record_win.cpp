#include "common/install_record_win.h"

#include "common/install_record.h"
#include "common/product.h"
#include "common/removal_rule.h"

namespace vx::install_record {
namespace {

constexpr RegistryRoot kRecordRoot = RegistryRoot::CurrentUser;

}  // namespace

LONG WriteRecordValue(const Registry& registry, const wchar_t* name, const std::wstring& text) {
  return registry.WriteText(kRecordRoot, kRecordKey, name, StoredText(text));
}

std::wstring ReadRecordValue(const Registry& registry, const wchar_t* name) {
  return registry.ReadText(kRecordRoot, kRecordKey, name);
}

std::wstring PeekRecordValue(const Registry& registry, const wchar_t* name) {
  HKEY key = nullptr;
  // The key's name without its marks at either end, as the registry wants it.
  std::wstring key_name(kRecordKey + 1);
  key_name.pop_back();
  if (RegOpenKeyExW(HKEY_CURRENT_USER, key_name.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return {};
  }
  RegCloseKey(key);
  return ReadRecordValue(registry, name);
}

bool DeleteRecordValue(const Registry& registry, const wchar_t* name) {
  return registry.DeleteValue(kRecordRoot, kRecordKey, name);
}

bool DeleteRecordKey(const Registry& registry) {
  return registry.DeleteKeyTree(kRecordRoot, kRecordKey);
}

void RegisterInstalledProgram(const Registry& registry, const std::wstring& install_folder,
                              const std::wstring& uninstaller, uint32_t size_kb) {
  UninstallDetails details;
  details.display_version = product::kVersion;
  details.publisher = product::kMaker;
  details.display_icon = install_folder + product::kProgramFile;
  details.install_location = install_folder;
  details.estimated_size_kb = size_kb;
  registry.RegisterUninstallEntry(kUninstallEntryName, DisplayName(), uninstaller, details);
}

std::wstring RegisteredInstallFolder() {
  const std::wstring key = UninstallEntryKey(kUninstallEntryName).substr(1);
  DWORD bytes = 0;
  if (RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), L"InstallLocation", RRF_RT_REG_SZ, nullptr,
                   nullptr, &bytes) != ERROR_SUCCESS) {
    return {};
  }
  std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
  bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  if (RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), L"InstallLocation", RRF_RT_REG_SZ, nullptr,
                   text.data(), &bytes) != ERROR_SUCCESS) {
    return {};
  }
  return UpToNul(text);
}

void UnregisterInstalledProgram(const Registry& registry) {
  registry.RemoveUninstallEntry(kUninstallEntryName);
}

}  // namespace vx::install_record
