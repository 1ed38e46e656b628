// A real main window in the test process, on files in a scratch folder, with
// the settings at their defaults and every message box recorded.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/disk/recovery.h"
#include "app/program_globals.h"
#include "app/settings/display_settings.h"
#include "app/settings/view_settings.h"
#include "app/view/main_window_win.h"
#include "common/message_box.h"
#include "common/ui/controls_win.h"
#include "tests/app/main_window_test_view_win.h"
#include "tests/support/message_recorder.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_driver_win.h"

namespace vx::test {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetAppTitle(L"Vantelox");
    ProgramFolder = dir.path();
    SetDefaultSettings();
    ViewOptions = {};
    StartAborted = false;
  }

  void TearDown() override {
    form.reset();
    PumpMessages();
  }

  // Starts the main window as the start procedure does, on `file` (may be empty).
  void Start(const std::wstring& file) {
    StartFile = file;
    form = std::make_unique<MainWindow>();
    form->Create();
    if (!StartAborted) form->Show(SW_SHOWNORMAL);
    PumpMessages();
  }

  // A file of `bytes` in the scratch folder, started on.
  std::wstring StartOn(const std::vector<uint8_t>& bytes, const std::wstring& name = L"page.bin") {
    const std::wstring path = dir / name;
    WriteFileBytes(path, bytes);
    Start(path);
    return path;
  }

  // A menu command of the main window by its id, chosen as a click on its
  // item does, grayed or not, with what it sets off; and whether it is grayed.
  void Choose(int command) {
    test::Choose(form->hwnd(), command);
    PumpMessages();
  }
  bool Grayed(int command) const { return test::Grayed(form->hwnd(), command); }

  // A key of the page area as the keyboard delivers it, and what it sets off.
  void PageKey(int key, wchar_t character = 0) {
    Key(page(), key, character);
    PumpMessages();
  }

  // A shortcut key, with or without Ctrl or Shift, through the main window's
  // accelerator table as the program's message loop translates it; whether
  // the table took the key.
  bool Shortcut(WPARAM key, bool control = false, bool shift = false) {
    BYTE keys[256];
    GetKeyboardState(keys);
    const BYTE old_control = keys[VK_CONTROL];
    const BYTE old_shift = keys[VK_SHIFT];
    keys[VK_CONTROL] = control ? 0x80 : 0;
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    MSG msg{page(), WM_KEYDOWN, key, 1, 0, {}};
    const bool translated = TranslateAcceleratorW(form->hwnd(), form->Accelerators(), &msg) != 0;
    keys[VK_CONTROL] = old_control;
    keys[VK_SHIFT] = old_shift;
    SetKeyboardState(keys);
    PumpMessages();
    return translated;
  }

  // The main window's own state and procedures.
  MainWindowTestView view() const { return MainWindowTestView(*form); }
  HWND page() const { return view().page_view().hwnd(); }

  // Colour of a pixel of the page area's image, as 0x00BBGGRR.
  COLORREF PagePixel(int x, int y) const { return view().page_view().PixelAt(x, y); }

  TempFolder dir;
  MessageRecorder messages;
  std::unique_ptr<MainWindow> form;
};

// The main window as the program's start-up leaves it for changes: the
// journal keeps a change's bytes beside the recovery records, in the
// scratch folder.
class JournalledWindowTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    SetRecoveryFolder(dir / L"records");
  }
  void TearDown() override {
    MainWindowTest::TearDown();
    SetRecoveryFolder(L"");
  }
};

}  // namespace vx::test
