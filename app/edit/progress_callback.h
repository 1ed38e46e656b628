// How long work shows how far it has come: the main window's progress area
// as insertion, deletion, backup and search see it.
#pragma once

#include <functional>
#include <string>

namespace vx {

// A share below 0 starts and shows `caption`; 0 to below 1 is the share
// done; 1 or more ends. Long work calls it between its blocks, which is
// also where the window lets the system in.
using ProgressCallback = std::function<void(double share, const std::wstring& caption)>;

inline constexpr double kProgressStart = -1;
inline constexpr double kProgressEnd = 1;

}  // namespace vx
