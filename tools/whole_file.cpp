#include "tools/whole_file.h"

#include <filesystem>
#include <fstream>

namespace vx::tools {

bool WriteWholeFile(const std::string& name, const std::vector<uint8_t>& bytes) {
  const std::string temp = name + ".new";
  std::ofstream out(temp, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  std::error_code failed;
  if (out) std::filesystem::rename(temp, name, failed);
  if (out && !failed) return true;
  std::filesystem::remove(temp, failed);
  return false;
}

}  // namespace vx::tools
