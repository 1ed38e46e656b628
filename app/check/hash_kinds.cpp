#include "app/check/hash_kinds.h"

namespace vx {

const wchar_t* HashName(HashKind kind) {
  switch (kind) {
    case HashKind::Crc32:
      return L"CRC-32";
    case HashKind::Md5:
      return L"MD5";
    case HashKind::Sha1:
      return L"SHA-1";
    case HashKind::Sha256:
      return L"SHA-256";
    case HashKind::Sha512:
      return L"SHA-512";
  }
  return L"";
}

std::wstring HashText(std::span<const uint8_t> value) {
  constexpr wchar_t kDigits[] = L"0123456789abcdef";
  std::wstring text;
  text.reserve(value.size() * 2);
  for (const uint8_t b : value) {
    text.push_back(kDigits[b >> 4]);
    text.push_back(kDigits[b & 0xF]);
  }
  return text;
}

}  // namespace vx
