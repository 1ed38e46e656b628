#include "app/view/short_file_name.h"

namespace vx {

std::wstring ShortenedFileName(const std::wstring& path, int label_width,
                               const TextWidth& width_of) {
  std::wstring name = path;
  if (width_of(name) <= label_width) return name;
  const size_t slash = name.rfind(L'\\');
  if (slash != std::wstring::npos) name = name.substr(slash + 1);
  if (width_of(name) <= label_width) return name;
  std::wstring tried = name;
  for (size_t i = 4; i + 1 <= name.size(); ++i) {
    tried = name.substr(0, 3) + L"..." + name.substr(i - 1);
    if (width_of(tried) < label_width) return tried;
  }
  return tried;
}

}  // namespace vx
