// The product's name, version and maker, as every program shows and records them.
#pragma once

namespace vx::product {

inline constexpr wchar_t kName[] = L"Vantelox";
inline constexpr wchar_t kVersion[] = L"1.1.0";
inline constexpr wchar_t kMaker[] = L"Morvane Soft";
// The main program's file in the install folder.
inline constexpr wchar_t kProgramFile[] = L"Vantelox.exe";

}  // namespace vx::product
