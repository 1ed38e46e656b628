// Shift-JIS (code page 932) is the byte-level text of this system whatever the
// system locale: the dump's text column, the text fields of the settings file,
// search texts. The Win32 twin uses the system's converter, the POSIX twin iconv.
#pragma once

#include <string>
#include <string_view>

namespace vx {

// Characters without a Shift-JIS form become "?".
std::string ToShiftJis(std::wstring_view text);
// Bytes that form no character become the converter's replacement character.
std::wstring FromShiftJis(std::string_view bytes);

}  // namespace vx
