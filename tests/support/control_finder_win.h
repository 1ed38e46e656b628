// Finds a window's controls as a person does: by the label beside them.
// Without GoogleTest, so that the benchmarks drive windows with it too.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace vx::test {

// A window's class name ("Edit", "Button").
std::wstring ClassOf(HWND window);
// A window's text, asked of it by message: also for another process's window.
std::wstring WindowText(HWND window);

// The shown controls of class `window_class` ("Edit", "ScrollBar") right of
// the label of `window` that reads `label`, on its line (each overlaps the
// label's height), nearest first; empty when there is no such label.
std::vector<HWND> ControlsBeside(HWND window, const std::wstring& label,
                                 const std::wstring& window_class);
// The nearest of them, or null.
HWND ControlBeside(HWND window, const std::wstring& label, const std::wstring& window_class);

}  // namespace vx::test
