// The texts of the version window, each defined once.
#pragma once

#include "common/product.h"

namespace vx::version_texts {

inline constexpr wchar_t kCaption[] = L"バージョン情報";
inline constexpr const wchar_t* kProductName = product::kName;
inline constexpr wchar_t kVersionPrefix[] = L"Version ";
inline constexpr const wchar_t* kVersion = product::kVersion;
inline constexpr wchar_t kMaker[] = L"Vantelox の開発者";
inline constexpr wchar_t kClose[] = L"閉じる";
inline constexpr wchar_t kNameFont[] = L"ＭＳ Ｐゴシック";

}  // namespace vx::version_texts
