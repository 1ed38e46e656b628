// The digits of hexadecimal numbers as every part of the programs shows them.
#pragma once

namespace vx {

inline constexpr char kHexDigits[] = "0123456789ABCDEF";

}  // namespace vx
