// What the programs tell a person about a file or a folder that failed them,
// each text defined once.
#pragma once

#include <string_view>

namespace vx::file_texts {

// Shown after the name of a file or folder that could not be opened or made.
inline constexpr std::wstring_view kOpenFailed = L"のオープンに失敗しました。";
// Shown when a folder tree that must never go was asked to be erased.
inline constexpr std::wstring_view kEraseRefused = L"Error!";

}  // namespace vx::file_texts
