#include "common/install_record.h"

#include <algorithm>
#include <limits>

#include "common/file_seam.h"
#include "common/product.h"

namespace vx::install_record {

std::wstring DisplayName() { return std::wstring(product::kName) + product::kVersion; }

std::wstring StoredText(const std::wstring& text) {
  return text.empty() ? std::wstring(1, L'\0') : text;
}

uint32_t SizeInKb(const std::vector<std::wstring>& files) {
  int64_t bytes = 0;
  for (const std::wstring& file : files) bytes += std::max<int64_t>(fs::FileLength(file), 0);
  const int64_t kb = (bytes + 1023) / 1024;
  return static_cast<uint32_t>(std::min<int64_t>(kb, std::numeric_limits<uint32_t>::max()));
}

}  // namespace vx::install_record
