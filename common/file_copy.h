// Whole-file copies through the file seam.
#pragma once

#include <string>

namespace vx {

// Copies Source over a fresh Target (an old one is deleted first) in large
// blocks through one fixed buffer. A failed copy leaves no Target behind.
bool CopyFileFresh(const std::wstring& Source, const std::wstring& Target);

}  // namespace vx
