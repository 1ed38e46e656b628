// The texts of the version window, each defined once.
#pragma once

#include "common/product.h"

namespace vx::version_texts {

inline constexpr wchar_t kCaption[] = L"バージョン情報";
inline constexpr const wchar_t* kProductName = product::kName;
inline constexpr wchar_t kVersionPrefix[] = L"Version ";
inline constexpr const wchar_t* kVersion = product::kVersion;
inline constexpr const wchar_t* kMaker = product::kMaker;
inline constexpr wchar_t kClose[] = L"閉じる";

}  // namespace vx::version_texts
