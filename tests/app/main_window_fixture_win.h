// A real main window in the test process, on files in a scratch folder, with
// the settings at their defaults and every message box recorded.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/program_globals.h"
#include "app/settings/display_settings.h"
#include "app/view/form1_win.h"
#include "common/message_box.h"
#include "common/ui/controls_win.h"
#include "tests/app/form1_test_view_win.h"
#include "tests/support/message_recorder.h"
#include "tests/support/temp_folder.h"

namespace vx::test {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetAppTitle(L"Vantelox");
    ProgramFolder = dir.path();
    SetDefaultSettings();
    StartAborted = false;
  }

  void TearDown() override {
    form.reset();
    PumpMessages();
  }

  // Starts the main window as the start procedure does, on `file` (may be empty).
  void Start(const std::wstring& file) {
    StartFile = file;
    form = std::make_unique<Form1>();
    form->Form_Load();
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

  static void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }

  // Whether `condition` comes true within a few seconds of the window's
  // messages running: windows change in answer to messages, never at once.
  static bool Eventually(const std::function<bool()>& condition, int timeout_ms = 5000) {
    for (const ULONGLONG end = GetTickCount64() + timeout_ms; GetTickCount64() < end;) {
      if (condition()) return true;
      PumpMessages();
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return condition();
  }

  // The main window's own state and procedures.
  Form1TestView view() const { return Form1TestView(*form); }

  // Colour of a pixel of the page area's image, as 0x00BBGGRR.
  COLORREF PagePixel(int x, int y) const { return view().Picture1().PixelAt(x, y); }

  TempFolder dir;
  MessageRecorder messages;
  std::unique_ptr<Form1> form;
};

}  // namespace vx::test
