// Whole-file copies through the file seam.
#pragma once

#include <functional>
#include <string>

namespace vx {

// Copies Source over a fresh Target (an old one is deleted first) in large
// blocks through one fixed buffer. A failed copy leaves no Target behind.
// `between_blocks`, when given, runs after every block.
bool CopyFileFresh(const std::wstring& Source, const std::wstring& Target,
                   const std::function<void()>& between_blocks = {});

}  // namespace vx
