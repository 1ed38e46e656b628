#include "tests/support/program_driver_win.h"

#include <vector>

#include "tests/support/window_driver_win.h"

namespace vx::test {
namespace {

std::vector<HWND> ShownTopWindows() {
  std::vector<HWND> windows;
  EnumWindows(
      [](HWND window, LPARAM list) {
        if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

bool OfProcess(HWND window, HANDLE process) {
  if (!process) return true;
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  return owner == GetProcessId(process);
}

HWND ShownWindow(const std::wstring& caption, const wchar_t* window_class,
                 HANDLE process = nullptr) {
  for (const HWND window : ShownTopWindows()) {
    if (WindowText(window) == caption && (!window_class || ClassOf(window) == window_class) &&
        OfProcess(window, process)) {
      return window;
    }
  }
  return nullptr;
}

}  // namespace

HWND WaitForWindowOf(HANDLE process, const std::wstring& window_class) {
  HWND window = nullptr;
  Eventually(
      [&] {
        for (const HWND shown : ShownTopWindows()) {
          if (OfProcess(shown, process) && ClassOf(shown) == window_class) window = shown;
        }
        return window != nullptr;
      },
      kProgramPatienceMs);
  return window;
}

Handle StartProgram(const std::wstring& command_line) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring line = command_line;
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return nullptr;
  }
  CloseHandle(process.hThread);
  return Handle(process.hProcess);
}

bool WaitForEnd(HANDLE process) {
  return WaitForSingleObject(process, kProgramPatienceMs) == WAIT_OBJECT_0;
}

HWND WaitForWindow(const std::wstring& caption) {
  HWND window = nullptr;
  Eventually([&] { return (window = ShownWindow(caption, nullptr)) != nullptr; },
             kProgramPatienceMs);
  return window;
}

bool WaitForNoWindow(const std::wstring& caption) {
  return Eventually([&] { return ShownWindow(caption, nullptr) == nullptr; }, kProgramPatienceMs);
}

bool WaitForChildText(HWND window, const std::wstring& text) {
  return Eventually([&] { return FindChildWithText(window, text) != nullptr; }, kProgramPatienceMs);
}

void PressButton(HWND window, const std::wstring& text) {
  if (const HWND button = FindChildWithText(window, text)) PostMessageW(button, BM_CLICK, 0, 0);
}

std::wstring AnswerMessageBox(const std::wstring& title, int id, HANDLE process) {
  HWND box = nullptr;
  if (!Eventually([&] { return (box = ShownWindow(title, L"#32770", process)) != nullptr; },
                  kProgramPatienceMs)) {
    return {};
  }
  // The message is the box's longest label.
  std::wstring text;
  for (const Child& child : Children(box)) {
    if (child.window_class == L"Static" && child.text.size() > text.size()) text = child.text;
  }
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
  // The next box of the same title must not be taken for this one.
  Eventually([&] { return !IsWindow(box) || !IsWindowVisible(box); }, kProgramPatienceMs);
  return text;
}

}  // namespace vx::test
