// The main window's progress display as the long operations see it.
#pragma once

#include <functional>
#include <string>

namespace vx {

// Prog(value, Captions): below 0 starts and shows Captions, 0 to below 1
// shows the share done, 1 or more ends.
using ProgFunction = std::function<void(double value, const std::wstring& Captions)>;

}  // namespace vx
