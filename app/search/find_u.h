// FindU: the matching over the open file on disk, block by block, so that a
// file of any size needs one small buffer.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/file/file_operation.h"

namespace vx {

// The main window's progress display Prog(value, Captions): below 0 starts
// with the caption, 0 to below 1 shows the fraction, 1 or more ends.
using FindProgress = std::function<void(double value, const std::wstring& Captions)>;

inline constexpr int32_t kFindOpenFailed = -1;  // also a read failure on the way
inline constexpr int32_t kFindNoMatch = -2;

// Candidate start positions per block; a block is read with the m = pattern
// length - 1 bytes behind it, so a match across a border is seen whole.
inline constexpr int32_t kFindBlock = 4096;

// The seek position of the first exact match of FindBy from Start to the end
// of the file and, failing that, of the first one from the beginning that ends
// at or before Start. Prog is told after every block. Returns the position,
// kFindOpenFailed or kFindNoMatch.
int32_t FindU(const FileOperation& files, const std::wstring& FileName, int32_t Start,
              const std::vector<uint8_t>& FindBy, const FindProgress& Prog);

}  // namespace vx
