// The one program-wide record of user settings and its file "Setting.dat"
// in the settings folder (settings_folder.h).
#pragma once

#include <string>

#include "app/settings/display_settings_record.h"

namespace vx {

// The program's settings, loaded at start-up.
extern DisplaySettingsRecord DisplaySettings;

// The procedures below act on DisplaySettings and the file
// "Setting.dat" in the settings folder.
void SetDefaultSettings();
// Reads the record in use or, while the user has none, the one beside the
// program, even where it cannot be written. Falls back to the defaults,
// saved at once, when there is none or it is unusable (cannot be opened,
// short); only an unusable file is reported.
void LoadSettings();
// Reports its own failure; the record in memory stays in use either way.
void SaveSettings();
// FontName without trailing blanks and NULs; empty when one character or less
// remains.
std::wstring GetFontName();

}  // namespace vx
