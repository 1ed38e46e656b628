// The messages that Usual shows, each defined once.
#pragma once

#include <string_view>

namespace vx::usual_texts {

// Shown as kWriteFailed, a carriage return, the name, kInUseByOtherSoftware.
inline constexpr std::wstring_view kWriteFailed = L"書き込みに失敗しました。";
inline constexpr std::wstring_view kInUseByOtherSoftware = L"は現在他のソフトで使用中です。";
// Shown after the name of a file or folder that could not be opened or made.
inline constexpr std::wstring_view kOpenFailed = L"のオープンに失敗しました。";
// Shown when a folder tree that must never go is asked to be erased.
inline constexpr std::wstring_view kEraseRefused = L"Error!";

}  // namespace vx::usual_texts
