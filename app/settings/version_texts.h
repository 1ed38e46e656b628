// The texts of the version window, each defined once.
#pragma once

#include "common/product_version.h"

namespace vx::version_texts {

inline constexpr wchar_t kCaption[] = L"バージョン情報";
inline constexpr wchar_t kProductName[] = L"" VX_PRODUCT_NAME;
inline constexpr wchar_t kVersionPrefix[] = L"Version ";
inline constexpr wchar_t kVersion[] = L"" VX_VERSION_TEXT;
inline constexpr wchar_t kMaker[] = L"" VX_COMPANY_NAME;
inline constexpr wchar_t kClose[] = L"閉じる";
inline constexpr wchar_t kNameFont[] = L"ＭＳ Ｐゴシック";

}  // namespace vx::version_texts
