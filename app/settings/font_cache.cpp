#include "app/settings/font_cache.h"

#include <algorithm>
#include <unordered_set>

#include "app/settings/settings_folder.h"
#include "common/code_page.h"
#include "common/file_operations.h"
#include "common/file_seam.h"
#include "common/settings_file_names.h"
#include "common/whole_file.h"

namespace vx {
namespace {

std::string_view Trimmed(std::string_view line) {
  const size_t first = line.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const size_t last = line.find_last_not_of(" \t");
  return line.substr(first, last - first + 1);
}

std::string_view FieldOf(std::string_view line) {
  line = Trimmed(line);
  if (line.empty() || line.front() != '"') return line;
  line.remove_prefix(1);
  return line.substr(0, line.find('"'));
}

bool HasControlCharacter(std::string_view field) {
  return std::any_of(field.begin(), field.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

}  // namespace

std::string EncodeFontList(const std::vector<std::wstring>& names) {
  std::string bytes;
  for (const std::wstring& name : names) bytes += '"' + ToShiftJis(name) + "\"\r\n";
  return bytes;
}

std::vector<std::wstring> DecodeFontList(std::string_view bytes) {
  std::vector<std::wstring> names;
  bytes = bytes.substr(0, kMaxFontCacheBytes);
  while (!bytes.empty() && names.size() < kMaxCachedFonts) {
    const size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::string_view field = FieldOf(line);
    if (field.empty() || field.size() > kMaxFontNameBytes || HasControlCharacter(field)) continue;
    names.push_back(FromShiftJis(field));
  }
  return names;
}

std::vector<std::wstring> UsableFontNames(const std::vector<std::wstring>& names) {
  std::vector<std::wstring> usable;
  std::unordered_set<std::wstring> seen;
  for (const std::wstring& name : names) {
    if (name.empty() || FromShiftJis(ToShiftJis(name)) != name) continue;
    if (seen.insert(name).second) usable.push_back(name);
  }
  return usable;
}

std::wstring FontCachePath() { return SettingsFolder() + kFontListName; }

std::vector<std::wstring> ReadFontCache(const std::wstring& path) {
  fs::File file = fs::OpenFile(path, false, fs::Share::ReadWrite);
  if (!file) return {};
  const int64_t length = file.Length();
  if (length <= 0) return {};
  std::string bytes(static_cast<size_t>(std::min<int64_t>(length, kMaxFontCacheBytes)), '\0');
  const int64_t read = file.ReadAt(0, bytes.data(), static_cast<int64_t>(bytes.size()));
  if (read <= 0) return {};
  bytes.resize(static_cast<size_t>(read));
  return DecodeFontList(bytes);
}

bool WriteFontCache(const std::wstring& path, const std::vector<std::wstring>& names) {
  return MakeFolders(path) && WriteWholeFile(path, EncodeFontList(names));
}

}  // namespace vx
