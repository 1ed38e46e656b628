#include "tests/installers/program_driver_win.h"

#include <chrono>
#include <functional>
#include <iterator>
#include <thread>
#include <vector>

namespace vx::test {
namespace {

constexpr auto kPatience = std::chrono::seconds(30);
constexpr auto kPoll = std::chrono::milliseconds(50);

// The text of a window of another process, through the message that asks it.
std::wstring TextOf(HWND window) {
  wchar_t text[2048] = {};
  DWORD_PTR got = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, 2000, &got);
  return text;
}

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

std::vector<HWND> ChildrenOf(HWND window) {
  std::vector<HWND> children;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM list) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&children));
  return children;
}

HWND ShownWindow(const std::wstring& caption, const wchar_t* window_class) {
  for (const HWND window : ShownTopWindows()) {
    if (TextOf(window) == caption && (!window_class || ClassOf(window) == window_class)) {
      return window;
    }
  }
  return nullptr;
}

HWND ChildWithText(HWND window, const std::wstring& text) {
  for (const HWND child : ChildrenOf(window)) {
    if (TextOf(child) == text) return child;
  }
  return nullptr;
}

}  // namespace

bool Eventually(const std::function<bool()>& found) {
  const auto end = std::chrono::steady_clock::now() + kPatience;
  while (!found()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(kPoll);
  }
  return true;
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
  return WaitForSingleObject(process,
                             static_cast<DWORD>(kPatience / std::chrono::milliseconds(1))) ==
         WAIT_OBJECT_0;
}

HWND WaitForWindow(const std::wstring& caption) {
  HWND window = nullptr;
  Eventually([&] { return (window = ShownWindow(caption, nullptr)) != nullptr; });
  return window;
}

bool WaitForNoWindow(const std::wstring& caption) {
  return Eventually([&] { return ShownWindow(caption, nullptr) == nullptr; });
}

bool WaitForChildText(HWND window, const std::wstring& text) {
  return Eventually([&] { return ChildWithText(window, text) != nullptr; });
}

void PressButton(HWND window, const std::wstring& text) {
  if (const HWND button = ChildWithText(window, text)) PostMessageW(button, BM_CLICK, 0, 0);
}

std::wstring AnswerMessageBox(const std::wstring& title, int id) {
  HWND box = nullptr;
  if (!Eventually([&] { return (box = ShownWindow(title, L"#32770")) != nullptr; })) return {};
  // The message is the box's longest label.
  std::wstring text;
  for (const HWND child : ChildrenOf(box)) {
    const std::wstring label = ClassOf(child) == L"Static" ? TextOf(child) : L"";
    if (label.size() > text.size()) text = label;
  }
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
  // The next box of the same title must not be taken for this one.
  Eventually([&] { return !IsWindow(box) || !IsWindowVisible(box); });
  return text;
}

}  // namespace vx::test
