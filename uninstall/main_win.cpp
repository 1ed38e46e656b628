// UnInstallVantelox's start procedure.
#include <windows.h>

#include <string>

#include "common/message_box.h"
#include "common/registry_win.h"
#include "uninstall/uninstall_texts.h"
#include "uninstall/uninstall_window_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using namespace vx;
  SetAppTitle(uninstall_texts::kTitle);
  Registry registry;
  wchar_t image[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, image, MAX_PATH);
  uninstall::UninstallWindow uninstaller(
      registry, length > 0 && length < MAX_PATH ? std::wstring(image, length) : std::wstring());
  uninstaller.Start();
  uninstaller.Run();
  return 0;
}
