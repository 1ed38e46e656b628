#include "common/install_record_win.h"

#include "common/install_record.h"
#include "common/product.h"

namespace vx::install_record {

LONG WriteRecordValue(const RegEdit& reg, const wchar_t* ValueName, const std::wstring& text) {
  return reg.SetValueString(kRecordRoot, kRecordKey, ValueName, StoredText(text));
}

std::wstring ReadRecordValue(const RegEdit& reg, const wchar_t* ValueName) {
  return reg.GetValueString(kRecordRoot, kRecordKey, ValueName);
}

std::wstring PeekRecordValue(const RegEdit& reg, const wchar_t* ValueName) {
  HKEY key = nullptr;
  // The key's name without its marks at either end, as the registry wants it.
  std::wstring name(kRecordKey + 1);
  name.pop_back();
  if (RegOpenKeyExW(HKEY_CURRENT_USER, name.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return {};
  }
  RegCloseKey(key);
  return ReadRecordValue(reg, ValueName);
}

int EraseRecordValue(const RegEdit& reg, const wchar_t* ValueName) {
  return reg.EraseValue(kRecordRoot, kRecordKey, ValueName);
}

int EraseRecordKey(RegEdit& reg) { return reg.EraseKey(kRecordRoot, kRecordKey); }

void RegisterInstalledProgram(const RegEdit& reg, const std::wstring& InstallFolder,
                              const std::wstring& UninstallerFile, uint32_t SizeKb) {
  UninstallDetails details;
  details.DisplayVersion = product::kVersion;
  details.Publisher = product::kMaker;
  details.DisplayIcon = InstallFolder + product::kProgramFile;
  details.InstallLocation = InstallFolder;
  details.EstimatedSize = SizeKb;
  reg.UnInstallRegister(kUninstallEntryName, DisplayName(), UninstallerFile, details);
}

void UnregisterInstalledProgram(RegEdit& reg) { reg.KillUnInstallRegister(kUninstallEntryName); }

}  // namespace vx::install_record
