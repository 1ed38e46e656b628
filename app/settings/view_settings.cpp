#include "app/settings/view_settings.h"

#include <charconv>
#include <vector>

#include "app/settings/settings_folder.h"
#include "common/file_operations.h"
#include "common/file_seam.h"
#include "common/settings_file_names.h"
#include "common/whole_file.h"

namespace vx {

ViewSettings ViewOptions;

namespace {

// A file larger than this is not ours.
constexpr int64_t kLargestFile = 4096;

constexpr std::string_view kInspectorShown = "InspectorShown";
constexpr std::string_view kInspectorLeft = "InspectorLeft";
constexpr std::string_view kInspectorTop = "InspectorTop";
constexpr std::string_view kInspectorBigEndian = "InspectorBigEndian";
constexpr std::string_view kTextEncoding = "TextEncoding";
constexpr std::string_view kControlDots = "ControlDots";

std::optional<int32_t> Number(std::string_view text) {
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

TextEncoding TextColumnEncoding() {
  const auto number = static_cast<size_t>(ViewOptions.text_encoding);
  return number < TextEncodings().size() ? TextEncodings()[number].encoding
                                         : TextEncoding::ShiftJis;
}

std::string FormatViewSettings(const ViewSettings& s) {
  std::string text;
  auto line = [&](std::string_view name, int32_t value) {
    text += std::string(name) + "=" + std::to_string(value) + "\r\n";
  };
  line(kInspectorShown, s.inspector_shown);
  if (s.inspector_place) {
    line(kInspectorLeft, s.inspector_place->first);
    line(kInspectorTop, s.inspector_place->second);
  }
  line(kInspectorBigEndian, s.inspector_big_endian);
  line(kTextEncoding, s.text_encoding);
  line(kControlDots, s.control_dots);
  return text;
}

ViewSettings ParseViewSettings(std::string_view text) {
  ViewSettings s;
  std::optional<int32_t> left, top;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string_view name = line.substr(0, equals);
    const std::optional<int32_t> value = Number(line.substr(equals + 1));
    if (!value) continue;
    const bool flag = *value == 1;
    if (name == kInspectorShown) s.inspector_shown = flag;
    if (name == kInspectorLeft) left = value;
    if (name == kInspectorTop) top = value;
    if (name == kInspectorBigEndian) s.inspector_big_endian = flag;
    if (name == kTextEncoding && *value >= 0) s.text_encoding = *value;
    if (name == kControlDots) s.control_dots = flag;
  }
  if (left && top) s.inspector_place = std::pair{*left, *top};
  return s;
}

void LoadViewSettings() {
  ViewOptions = {};
  for (const std::wstring& folder : SettingsReadFolders()) {
    fs::File file = fs::OpenFileForReading(folder + kViewSettingsName);
    if (!file) continue;
    const int64_t length = file.Length();
    if (length < 0 || length > kLargestFile) return;
    std::string text(static_cast<size_t>(length), '\0');
    if (file.ReadAt(0, text.data(), length) != length) return;
    ViewOptions = ParseViewSettings(text);
    return;
  }
}

bool SaveViewSettings() {
  const std::wstring path = SettingsFolder() + kViewSettingsName;
  return MakeFolders(path) && WriteWholeFile(path, FormatViewSettings(ViewOptions));
}

}  // namespace vx
