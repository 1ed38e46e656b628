// The settings as the tests keep and inspect them: the record's bytes as the
// program writes them, where "Setting.dat" lies beside a program, and the
// program folder and record put back after a test that changed them. Only
// for test programs that link the editor's code.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/program_globals.h"
#include "app/settings/display_settings.h"
#include "app/settings/settings_record.h"

namespace vx::test {

inline std::vector<uint8_t> EncodedSettings(const DisplaySettingsRecord& s) {
  const SettingsRecordBytes bytes = EncodeSettings(s);
  return {bytes.begin(), bytes.end()};
}

// "Setting.dat" in the settings folder beside the program, in the program
// folder as it is set now.
inline std::wstring SettingsFile() { return ProgramFolder + L"VXSetting\\Setting.dat"; }

// The program folder and the settings record as they were, put back when
// the object goes.
class KeptProgramSettings {
 public:
  KeptProgramSettings() = default;
  ~KeptProgramSettings() {
    ProgramFolder = folder_;
    DisplaySettings = settings_;
  }
  KeptProgramSettings(const KeptProgramSettings&) = delete;
  KeptProgramSettings& operator=(const KeptProgramSettings&) = delete;

 private:
  std::wstring folder_ = ProgramFolder;
  DisplaySettingsRecord settings_ = DisplaySettings;
};

}  // namespace vx::test
