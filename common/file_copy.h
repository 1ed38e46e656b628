// Whole-file copies through the file seam.
#pragma once

#include <functional>
#include <string>

namespace vx {

// Copies `source` over a fresh `target` (an old one is deleted first) in
// large blocks through one fixed buffer. A failed copy leaves no target
// behind.
// `between_blocks`, when given, runs after every block but the last: a
// window copying a large file lets the system reach it there.
// `system_error`, when given, receives the system's code for a failure.
bool CopyFileFresh(const std::wstring& source, const std::wstring& target,
                   const std::function<void()>& between_blocks = {},
                   int* system_error = nullptr);

}  // namespace vx
