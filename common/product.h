// The product's name, version and maker, as every program shows and records
// them; the resource scripts read the same values from product_version.h.
#pragma once

#include "common/product_version.h"

namespace vx::product {

inline constexpr wchar_t kName[] = L"" VX_PRODUCT_NAME;
inline constexpr wchar_t kVersion[] = L"" VX_VERSION_TEXT;
inline constexpr wchar_t kMaker[] = L"" VX_COMPANY_NAME;
// The main program's file in the install folder.
inline constexpr wchar_t kProgramFile[] = L"Vantelox.exe";

}  // namespace vx::product
