#pragma once

#include <string>

#include "common/file_seam.h"

namespace vx {

// Opens Fn for reading and writing, making the file when it is missing but
// never a folder: a closed File says the file cannot be opened at all.
fs::File OpenForCheck(const std::wstring& Fn);

}  // namespace vx
