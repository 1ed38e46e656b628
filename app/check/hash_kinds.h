// The hashes the hash window shows, in its order, with their names.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace vx {

enum class HashKind { Crc32, Md5, Sha1, Sha256, Sha512 };

inline constexpr std::array<HashKind, 5> kHashKinds{HashKind::Crc32, HashKind::Md5, HashKind::Sha1,
                                                    HashKind::Sha256, HashKind::Sha512};

// "CRC-32", "MD5", "SHA-1", "SHA-256", "SHA-512".
const wchar_t* HashName(HashKind kind);

// A hash value as it is written: two lower-case hexadecimal digits a byte.
std::wstring HashText(std::span<const uint8_t> value);

}  // namespace vx
