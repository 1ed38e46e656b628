// UnInstallVantelox's start procedure.
#include <windows.h>

#include "common/message_box.h"
#include "common/reg_edit_win.h"
#include "common/usual.h"
#include "uninstall/uninstall_window_win.h"
#include "uninstall/uninstall_texts.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using namespace vx;
  SetAppTitle(uninstall_texts::kTitle);
  const Usual usual;
  RegEdit reg;
  uninstall::UninstallWindow form(usual, reg);
  form.Form_Load();
  form.Run();
  return 0;
}
