// UnInstallVantelox's start procedure.
#include <windows.h>

#include "common/message_box.h"
#include "common/registry_win.h"
#include "uninstall/uninstall_texts.h"
#include "uninstall/uninstall_window_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using namespace vx;
  SetAppTitle(uninstall_texts::kTitle);
  Registry registry;
  uninstall::UninstallWindow uninstaller(registry);
  uninstaller.Start();
  uninstaller.Run();
  return 0;
}
