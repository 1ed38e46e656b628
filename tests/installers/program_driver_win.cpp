#include "tests/installers/program_driver_win.h"

#include <iterator>
#include <vector>

#include "tests/support/window_driver_win.h"

namespace vx::test {
namespace {

constexpr int kPatienceMs = 30000;

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return name;
}

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

HWND ShownWindow(const std::wstring& caption, const wchar_t* window_class) {
  for (const HWND window : ShownTopWindows()) {
    if (WindowText(window) == caption && (!window_class || ClassOf(window) == window_class)) {
      return window;
    }
  }
  return nullptr;
}

}  // namespace

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
  return WaitForSingleObject(process, kPatienceMs) == WAIT_OBJECT_0;
}

HWND WaitForWindow(const std::wstring& caption) {
  HWND window = nullptr;
  Eventually([&] { return (window = ShownWindow(caption, nullptr)) != nullptr; }, kPatienceMs);
  return window;
}

bool WaitForNoWindow(const std::wstring& caption) {
  return Eventually([&] { return ShownWindow(caption, nullptr) == nullptr; }, kPatienceMs);
}

bool WaitForChildText(HWND window, const std::wstring& text) {
  return Eventually([&] { return FindChildWithText(window, text) != nullptr; }, kPatienceMs);
}

void PressButton(HWND window, const std::wstring& text) {
  if (const HWND button = FindChildWithText(window, text)) PostMessageW(button, BM_CLICK, 0, 0);
}

std::wstring AnswerMessageBox(const std::wstring& title, int id) {
  HWND box = nullptr;
  if (!Eventually([&] { return (box = ShownWindow(title, L"#32770")) != nullptr; }, kPatienceMs)) {
    return {};
  }
  // The message is the box's longest label.
  std::wstring text;
  for (const Child& child : Children(box)) {
    if (child.window_class == L"Static" && child.text.size() > text.size()) text = child.text;
  }
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
  // The next box of the same title must not be taken for this one.
  Eventually([&] { return !IsWindow(box) || !IsWindowVisible(box); }, kPatienceMs);
  return text;
}

}  // namespace vx::test
