// The texts of the version window, each defined once.
#pragma once

namespace vx::version_texts {

inline constexpr wchar_t kCaption[] = L"バージョン情報";
inline constexpr wchar_t kProductName[] = L"Vantelox";
inline constexpr wchar_t kVersionPrefix[] = L"Version ";
inline constexpr wchar_t kVersion[] = L"1.1.0";
inline constexpr wchar_t kMaker[] = L"Vantelox の開発者";
inline constexpr wchar_t kClose[] = L"閉じる";
inline constexpr wchar_t kNameFont[] = L"ＭＳ Ｐゴシック";

}  // namespace vx::version_texts
