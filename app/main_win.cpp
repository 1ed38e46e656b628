// Vantelox's start procedure.
#include <windows.h>

#include "app/disk/journal_data.h"
#include "app/disk/recovery.h"
#include "app/file/command_line_file.h"
#include "app/program_globals.h"
#include "app/settings/display_settings.h"
#include "app/settings/settings_folder.h"
#include "app/settings/view_settings.h"
#include "app/view/main_window_win.h"
#include "common/message_box.h"
#include "common/path_text.h"
#include "common/ui/message_pump_win.h"
#include "common/program_folder_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR command_line, int show_command) {
  using namespace vx;
  SetAppTitle(L"Vantelox");
  StartAborted = false;
  StartFile = FileNameFromCommandLine(command_line ? command_line : L"");
  ProgramFolder = WithFolderMark(ProgramFileFolder());
  LoadSettings();
  LoadViewSettings();
  // An edit cut short by a killed program is mended before any file is opened,
  // whichever of the places for settings the program that was killed used.
  SetRecoveryFolder(SettingsFolder());
  SetOtherRecordFolders({ProgramSettingsFolder(), UserSettingsFolder()});
  RepairLeftRecords();
  // Then the undo data that no record needs any more.
  for (const std::wstring& folder : {ProgramSettingsFolder(), UserSettingsFolder()}) {
    RemoveLeftJournalData(folder);
  }

  MainWindow main_window;
  main_window.SetEndsProgram(true);
  main_window.Create();
  if (StartAborted) {
    main_window.SetEndsProgram(false);
    main_window.Unload();
    return 0;
  }
  main_window.Show(show_command);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    // Shortcut keys belong to the main window and its controls; the byte input
    // window keeps its own keys (Ctrl+V there is not the version window).
    const bool in_main = msg.hwnd == main_window.hwnd() || IsChild(main_window.hwnd(), msg.hwnd);
    if (in_main && TranslateAcceleratorW(main_window.hwnd(), main_window.Accelerators(), &msg)) continue;
    if (main_window.TakeModelessKey(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
