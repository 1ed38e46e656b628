#include "app/settings/installed_fonts_win.h"

#include <windows.h>

#include "app/settings/font_cache.h"
#include "common/ui/gdi_win.h"

namespace vx {
namespace {

int CALLBACK AddFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM names) {
  reinterpret_cast<std::vector<std::wstring>*>(names)->push_back(font->lfFaceName);
  return 1;
}

}  // namespace

std::vector<std::wstring> InstalledFontNames() {
  std::vector<std::wstring> names;
  WindowDc screen;
  LOGFONTW every{};
  // Every character set: a face that comes in several is listed once per set.
  every.lfCharSet = DEFAULT_CHARSET;
  EnumFontFamiliesExW(screen.get(), &every, &AddFace, reinterpret_cast<LPARAM>(&names), 0);
  return UsableFontNames(names);
}

}  // namespace vx
