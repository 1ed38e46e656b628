// SetUpVantelox's start procedure.
#include <windows.h>

#include <string>

#include "common/message_box.h"
#include "common/program_folder_win.h"
#include "common/reg_edit_win.h"
#include "common/usual.h"
#include "setup/fixed_disk_win.h"
#include "setup/setup_window_win.h"
#include "setup/setup_texts.h"
#include "setup/wizard.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using namespace vx;
  SetAppTitle(setup_texts::kTitle);
  const Usual usual;
  RegEdit reg;
  const std::wstring SourceFolder = ProgramFileFolder();
  if (!setup::IsFixedDisk(setup::DriveRootOf(SourceFolder))) {
    ShowMessage(setup_texts::kSourceNotFixed);
    return 0;
  }
  setup::SetupWindow form(usual, reg, SourceFolder, setup::IsFixedDisk);
  form.Form_Load();
  form.Run();
  return 0;
}
