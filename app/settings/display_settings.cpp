#include "app/settings/display_settings.h"

#include <optional>

#include "app/program_globals.h"
#include "app/settings/settings_folder.h"
#include "app/settings/settings_record.h"
#include "app/settings/settings_texts.h"
#include "common/file_operations.h"
#include "common/file_seam.h"
#include "common/message_box.h"
#include "common/settings_file_names.h"
#include "common/whole_file.h"

namespace vx {

DisplaySettingsRecord DisplaySettings = DefaultSettings();

namespace {

std::wstring SettingsFilePath() { return SettingsFolder() + kSettingsRecordName; }

// Empty when the file cannot be opened or is short: then the program has no
// settings it can trust. Values out of the settings window's ranges are
// brought into them as the record is decoded.
std::optional<DisplaySettingsRecord> ReadSettingsFile(const std::wstring& path) {
  fs::File file = fs::OpenFileForReading(path);
  if (!file) return std::nullopt;
  SettingsRecordBytes bytes{};
  const int64_t read = file.ReadAt(0, bytes.data(), kSettingsRecordSize);
  if (read < 0) return std::nullopt;
  return DecodeSettings(std::span<const uint8_t>(bytes).first(static_cast<size_t>(read)));
}

// The record in use, or the one beside the program when the user has none
// of their own yet; empty when there is neither.
std::wstring StoredSettingsFile() {
  for (const std::wstring& folder : SettingsReadFolders()) {
    if (fs::FileExists(folder + kSettingsRecordName)) return folder + kSettingsRecordName;
  }
  return {};
}

void ResetSettings() {
  SetDefaultSettings();
  SaveSettings();
}

}  // namespace

void SetDefaultSettings() { DisplaySettings = DefaultSettings(); }

void LoadSettings() {
  const std::wstring path = StoredSettingsFile();
  // A first start has no file yet: that is no failure worth a message.
  if (path.empty()) {
    ResetSettings();
    return;
  }
  std::optional<DisplaySettingsRecord> stored = ReadSettingsFile(path);
  if (!stored) {
    ShowMessage(kSettingsReadFailedText, MsgButtons::Ok, MsgIcon::None);
    ResetSettings();
    return;
  }
  DisplaySettings = *stored;
}

void SaveSettings() {
  const SettingsRecordBytes bytes = EncodeSettings(DisplaySettings);
  const std::string_view record(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  const std::wstring path = SettingsFilePath();
  if (!MakeFolders(path) || !WriteWholeFile(path, record)) {
    ShowMessage(kSettingsSaveFailedText, MsgButtons::Ok, MsgIcon::None);
  }
}

std::wstring GetFontName() {
  const std::wstring& name = DisplaySettings.FontName;
  const size_t end = name.find_last_not_of(std::wstring_view(L" \0", 2));
  if (end == std::wstring::npos || end < 1) return {};
  return name.substr(0, end + 1);
}

}  // namespace vx
