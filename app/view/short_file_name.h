// Fits a file name into the width of the file-name label.
#pragma once

#include <functional>
#include <string>

namespace vx {

using TextWidth = std::function<int(const std::wstring&)>;

// The name itself when it fits; else its last component; else the first 3
// characters, "..." and as much of the tail as fits (the shortest tail tried
// when nothing fits).
std::wstring ShortenedFileName(const std::wstring& path, int label_width,
                               const TextWidth& width_of);

}  // namespace vx
