// The names of the text encodings as menus and lists show them, each defined once.
#pragma once

namespace vx::text_encoding_texts {

inline constexpr wchar_t kShiftJis[] = L"Shift-JIS";
inline constexpr wchar_t kSystemAnsi[] = L"システムの既定 (ANSI)";
inline constexpr wchar_t kWindows1252[] = L"西ヨーロッパ (Windows-1252)";
inline constexpr wchar_t kEucJp[] = L"EUC-JP";
inline constexpr wchar_t kUtf8[] = L"UTF-8";
inline constexpr wchar_t kUtf16Le[] = L"UTF-16 リトルエンディアン";
inline constexpr wchar_t kUtf16Be[] = L"UTF-16 ビッグエンディアン";

}  // namespace vx::text_encoding_texts
