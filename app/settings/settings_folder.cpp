#include "app/settings/settings_folder.h"

#include <optional>

#include "app/program_globals.h"
#include "common/environment.h"
#include "common/file_operations.h"
#include "common/file_seam.h"
#include "common/path_text.h"
#include "common/settings_file_names.h"

namespace vx {
namespace {

constexpr wchar_t kFolderName[] = L"VXSetting\\";
constexpr wchar_t kUserPlace[] = L"Morvane Soft\\Vantelox\\";
constexpr wchar_t kProbeName[] = L"VXWrite.tmp";

FolderWriteCheck& WriteCheckOverride() {
  static FolderWriteCheck check;
  return check;
}

struct Decision {
  std::wstring program_folder;
  std::wstring folder;
  bool writable = false;
};

std::optional<Decision>& Decided() {
  static std::optional<Decision> decided;
  return decided;
}

bool ProbeFolder(const std::wstring& folder) {
  const bool existed = fs::FolderExists(folder);
  if (!existed && !MakeFolders(folder)) return false;
  const std::wstring probe = folder + kProbeName;
  bool writable = false;
  {
    fs::File file = fs::OpenFile(probe, true, fs::Share::ReadWrite);
    writable = file && file.WriteAt(0, "x", 1) && file.Close();
  }
  writable = fs::RemoveFile(probe) && writable;
  // A record that is there must be replaceable, not only the folder writable:
  // a read-only record would otherwise fail every save.
  const std::wstring record = folder + kSettingsRecordName;
  if (writable && fs::FileExists(record)) {
    writable = static_cast<bool>(fs::OpenFile(record, false, fs::Share::ReadWrite));
  }
  if (!writable && !existed) fs::RemoveFolder(folder);
  return writable;
}

const Decision& Decide() {
  std::optional<Decision>& decided = Decided();
  if (decided && decided->program_folder == ProgramFolder) return *decided;
  Decision d{ProgramFolder, ProgramSettingsFolder(), false};
  if (CanWriteSettingsIn(d.folder)) {
    d.writable = true;
  } else if (const std::wstring user = UserSettingsFolder();
             !user.empty() && CanWriteSettingsIn(user)) {
    d.folder = user;
    d.writable = true;
  }
  // Written nowhere: the folder beside the program stays, and every save
  // says that it failed.
  decided = d;
  return *decided;
}

}  // namespace

std::wstring ProgramSettingsFolder() { return ProgramFolder + kFolderName; }

std::wstring UserSettingsFolder() {
  std::wstring data = GetEnvironmentText(L"APPDATA");
  if (data.empty()) return {};
  if (data.back() != L'\\') data += L'\\';
  return data + kUserPlace + kFolderName;
}

std::wstring SettingsFolder() { return Decide().folder; }

std::vector<std::wstring> SettingsReadFolders() {
  std::vector<std::wstring> folders{SettingsFolder()};
  if (folders[0] != ProgramSettingsFolder()) folders.push_back(ProgramSettingsFolder());
  return folders;
}

std::wstring SpeedTestFolder(const std::wstring& file) {
  const Decision& d = Decide();
  return d.writable ? d.folder : FolderPart(file);
}

void SetFolderWriteCheck(FolderWriteCheck check) {
  WriteCheckOverride() = std::move(check);
  Decided().reset();
}

bool CanWriteSettingsIn(const std::wstring& folder) {
  if (const FolderWriteCheck& check = WriteCheckOverride(); check && !check(folder)) return false;
  return ProbeFolder(folder);
}

}  // namespace vx
