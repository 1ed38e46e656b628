// SetUpVantelox's start procedure.
#include <windows.h>

#include <string>

#include "common/message_box.h"
#include "common/program_folder_win.h"
#include "common/registry_win.h"
#include "setup/fixed_disk_win.h"
#include "setup/setup_texts.h"
#include "setup/setup_window_win.h"
#include "setup/wizard.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using namespace vx;
  SetAppTitle(setup_texts::kTitle);
  Registry registry;
  const std::wstring setup_folder = ProgramFileFolder();
  if (!setup::IsFixedDisk(setup::DriveRootOf(setup_folder))) {
    ShowMessage(setup_texts::kSourceNotFixed);
    return 0;
  }
  setup::SetupWindow wizard(registry, setup_folder, setup::IsFixedDisk);
  wizard.Start();
  wizard.Run();
  return 0;
}
