// Case folding for names and extensions. Only the Latin letters fold, in their
// ASCII and full-width forms, so the result is the same on every platform and
// in every locale.
#pragma once

#include <string>
#include <string_view>

namespace vx {

wchar_t LowerChar(wchar_t c);
std::wstring LowerCase(std::wstring_view text);
// The same name but for the case of its letters.
bool SameName(std::wstring_view a, std::wstring_view b);

}  // namespace vx
