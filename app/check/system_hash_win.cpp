#include "app/check/system_hash_win.h"

#include <bcrypt.h>

#include <algorithm>

#include "app/check/crc32.h"

namespace vx {
namespace {

class CngHash final : public SystemHash {
 public:
  ~CngHash() override {
    if (hash_) BCryptDestroyHash(hash_);
    if (algorithm_) BCryptCloseAlgorithmProvider(algorithm_, 0);
  }
  // False when the system has no such algorithm.
  bool Open(const wchar_t* name) {
    DWORD got = 0;
    return BCRYPT_SUCCESS(BCryptOpenAlgorithmProvider(&algorithm_, name, nullptr, 0)) &&
           BCRYPT_SUCCESS(BCryptGetProperty(algorithm_, BCRYPT_HASH_LENGTH,
                                            reinterpret_cast<PUCHAR>(&length_), sizeof(length_),
                                            &got, 0)) &&
           BCRYPT_SUCCESS(BCryptCreateHash(algorithm_, &hash_, nullptr, 0, nullptr, 0, 0));
  }
  void Add(std::span<const uint8_t> block) override {
    // The system takes a ULONG count at a time.
    constexpr size_t kMost = size_t{1} << 30;
    for (size_t at = 0; at < block.size(); at += kMost) {
      const size_t count = std::min(kMost, block.size() - at);
      BCryptHashData(hash_, const_cast<PUCHAR>(block.data() + at), static_cast<ULONG>(count), 0);
    }
  }
  std::vector<uint8_t> Finish() override {
    std::vector<uint8_t> value(length_);
    BCryptFinishHash(hash_, value.data(), length_, 0);
    return value;
  }

 private:
  BCRYPT_ALG_HANDLE algorithm_ = nullptr;
  BCRYPT_HASH_HANDLE hash_ = nullptr;
  DWORD length_ = 0;
};

// The CRC-32 through a function that continues a CRC over a block.
using Crc32Function = uint32_t (*)(uint32_t crc, std::span<const uint8_t> bytes);

class Crc32Hash final : public SystemHash {
 public:
  explicit Crc32Hash(Crc32Function function) : function_(function) {}
  void Add(std::span<const uint8_t> block) override { crc_ = function_(crc_, block); }
  std::vector<uint8_t> Finish() override {
    return {static_cast<uint8_t>(crc_ >> 24), static_cast<uint8_t>(crc_ >> 16),
            static_cast<uint8_t>(crc_ >> 8), static_cast<uint8_t>(crc_)};
  }

 private:
  Crc32Function function_;
  uint32_t crc_ = 0;
};

using NtdllCrc32Function = DWORD(WINAPI*)(DWORD initial, const BYTE* data, INT length);

NtdllCrc32Function NtdllCrc32() {
  static const NtdllCrc32Function function = reinterpret_cast<NtdllCrc32Function>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlComputeCrc32")));
  return function;
}

uint32_t NtdllCrc32Update(uint32_t crc, std::span<const uint8_t> bytes) {
  // It takes an INT count at a time.
  constexpr size_t kMost = size_t{1} << 30;
  for (size_t at = 0; at < bytes.size(); at += kMost) {
    const size_t count = std::min(kMost, bytes.size() - at);
    crc = NtdllCrc32()(crc, bytes.data() + at, static_cast<INT>(count));
  }
  return crc;
}

const wchar_t* CngName(HashKind kind) {
  switch (kind) {
    case HashKind::Md5:
      return BCRYPT_MD5_ALGORITHM;
    case HashKind::Sha1:
      return BCRYPT_SHA1_ALGORITHM;
    case HashKind::Sha256:
      return BCRYPT_SHA256_ALGORITHM;
    case HashKind::Sha512:
      return BCRYPT_SHA512_ALGORITHM;
    case HashKind::Crc32:
      break;
  }
  return nullptr;
}

}  // namespace

std::unique_ptr<SystemHash> MakeSystemHash(HashKind kind) {
  if (kind == HashKind::Crc32) return std::make_unique<Crc32Hash>(Crc32Update);
  auto hash = std::make_unique<CngHash>();
  if (!hash->Open(CngName(kind))) return nullptr;
  return hash;
}

std::unique_ptr<SystemHash> MakeNtdllCrc32() {
  if (!NtdllCrc32()) return nullptr;
  return std::make_unique<Crc32Hash>(NtdllCrc32Update);
}

RangeHashes HashRange(const std::wstring& path, int64_t file_size, ByteRange range,
                      std::span<const HashKind> kinds, const KeepGoing& keep_going) {
  RangeHashes result;
  std::vector<std::pair<size_t, std::unique_ptr<SystemHash>>> hashes;
  std::vector<BlockSink*> sinks;
  for (const HashKind kind : kinds) {
    std::unique_ptr<SystemHash> hash = MakeSystemHash(kind);
    if (!hash) {
      result.unavailable = kind;
      continue;
    }
    sinks.push_back(hash.get());
    hashes.emplace_back(static_cast<size_t>(kind), std::move(hash));
  }
  result.outcome = ReadOnce(path, file_size, range, sinks, keep_going);
  if (result.outcome != ReadOnceOutcome::Done) return result;
  for (auto& [index, hash] : hashes) result.texts[index] = HashText(hash->Finish());
  return result;
}

}  // namespace vx
