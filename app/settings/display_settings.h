// The one program-wide record of user settings and its file
// "VXSetting\Setting.dat" below the program folder.
#pragma once

#include <string>

#include "app/settings/display_settings_record.h"

namespace vx {

// The program's settings, loaded at start-up.
extern DisplaySettingsRecord DisplaySettings;

// The procedures below act on DisplaySettings and the file
// "Setting.dat" in the settings folder.
void SetDefaultSettings();
// Falls back to the defaults, saved at once, when the file is missing or
// unusable; only an unusable file is reported.
void LoadSettings();
// Reports its own failure; the record in memory stays in use either way.
void SaveSettings();
// FontName without trailing blanks and NULs; empty when one character or less
// remains.
std::wstring GetFontName();

}  // namespace vx
