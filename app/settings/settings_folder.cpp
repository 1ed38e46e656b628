#include "app/settings/settings_folder.h"

#include "app/program_globals.h"

namespace vx {

std::wstring SettingsFolder() { return ProgramFolder + L"VXSetting\\"; }

}  // namespace vx
