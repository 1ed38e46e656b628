// The tools' output files: written beside the target and renamed over it, so
// that a failed write leaves the old file whole.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vx::tools {

bool WriteWholeFile(const std::string& name, const std::vector<uint8_t>& bytes);

}  // namespace vx::tools
