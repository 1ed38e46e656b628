// "VXSetting\FontData.dat": the list of installed font names that the
// settings window offers, kept so that the fonts are enumerated only once.
// One name a line, quoted, in Shift-JIS, each line ended by CR LF.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

// A list longer than this, or a file larger, is garbage: the list keeps what
// came before the limit. So is a line longer than any face name can be.
inline constexpr size_t kMaxCachedFonts = 4096;
inline constexpr size_t kMaxFontCacheBytes = 1 << 20;
inline constexpr size_t kMaxFontNameBytes = 255;

std::string EncodeFontList(const std::vector<std::wstring>& names);
// One name from each line: the text between its quotes, or the whole line
// when it has none. Empty lines, overlong ones and those holding control
// characters are left out.
std::vector<std::wstring> DecodeFontList(std::string_view bytes);

// The names in the order first seen, each once, without those that Shift-JIS
// cannot hold: the settings record could not keep them.
std::vector<std::wstring> UsableFontNames(const std::vector<std::wstring>& names);

// "FontData.dat" in the settings folder.
std::wstring FontCachePath();
// The cached list; empty when the file cannot be read.
std::vector<std::wstring> ReadFontCache(const std::wstring& path);
// Replaces the file with `names`, making the folder when it is missing.
// False when it could not be written.
bool WriteFontCache(const std::wstring& path, const std::vector<std::wstring>& names);

}  // namespace vx
