#include "app/check/crc32.h"

#include <array>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#include <immintrin.h>
#define VX_CRC32_FOLDING 1
#endif

namespace vx {
namespace {

constexpr uint32_t kPolynomial = 0xEDB88320;  // x^32 + x^26 + ... + 1, reflected

// kTables[0][b] is the CRC of the byte b alone; kTables[k][b] the same byte
// followed by k zero bytes, so that 16 bytes are looked up at once.
using Crc32Tables = std::array<std::array<uint32_t, 256>, 16>;

const Crc32Tables& Tables() {
  static const Crc32Tables tables = [] {
    Crc32Tables made{};
    for (uint32_t b = 0; b < 256; ++b) {
      uint32_t crc = b;
      for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (kPolynomial & (0u - (crc & 1)));
      made[0][b] = crc;
    }
    for (size_t k = 1; k < made.size(); ++k) {
      for (size_t b = 0; b < 256; ++b) {
        made[k][b] = (made[k - 1][b] >> 8) ^ made[0][made[k - 1][b] & 0xFF];
      }
    }
    return made;
  }();
  return tables;
}

uint32_t LittleEndian32(const uint8_t* at) {
  return uint32_t{at[0]} | uint32_t{at[1]} << 8 | uint32_t{at[2]} << 16 | uint32_t{at[3]} << 24;
}

// `state` is the CRC register, not inverted.
uint32_t TableState(uint32_t state, const uint8_t* at, size_t count) {
  const Crc32Tables& t = Tables();
  for (; count >= 16; at += 16, count -= 16) {
    const uint32_t a = LittleEndian32(at) ^ state;
    const uint32_t b = LittleEndian32(at + 4);
    const uint32_t c = LittleEndian32(at + 8);
    const uint32_t d = LittleEndian32(at + 12);
    state = t[15][a & 0xFF] ^ t[14][a >> 8 & 0xFF] ^ t[13][a >> 16 & 0xFF] ^ t[12][a >> 24] ^
            t[11][b & 0xFF] ^ t[10][b >> 8 & 0xFF] ^ t[9][b >> 16 & 0xFF] ^ t[8][b >> 24] ^
            t[7][c & 0xFF] ^ t[6][c >> 8 & 0xFF] ^ t[5][c >> 16 & 0xFF] ^ t[4][c >> 24] ^
            t[3][d & 0xFF] ^ t[2][d >> 8 & 0xFF] ^ t[1][d >> 16 & 0xFF] ^ t[0][d >> 24];
  }
  for (; count > 0; ++at, --count) state = (state >> 8) ^ t[0][(state ^ *at) & 0xFF];
  return state;
}

#ifdef VX_CRC32_FOLDING

bool HasCarrylessMultiply() {
  static const bool has = [] {
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    return __get_cpuid(1, &eax, &ebx, &ecx, &edx) && (ecx & bit_PCLMUL) && (ecx & bit_SSE4_1);
  }();
  return has;
}

// Constants of the folding, in the reflected domain: x^k mod P for the
// distances folded over (eight lanes of 16 bytes, four, then one lane), and for
// the final reduction P itself and Barrett's quotient floor(x^64 / P).
constexpr uint64_t kFold4Low = 0x154442BD4, kFold4High = 0x1C6E41596;
constexpr uint64_t kFold8Low = 0x1E88EF372, kFold8High = 0x14A7FE880;
constexpr uint64_t kFold1Low = 0x1751997D0, kFold1High = 0x0CCAA009E;
constexpr uint64_t kFold64 = 0x163CD6124;
constexpr uint64_t kPolynomialFull = 0x1DB710641, kBarrettQuotient = 0x1F7011641;

// x carried 128 bits further on by the pair `k`, with `next` added.
__attribute__((target("pclmul,sse4.1"))) inline __m128i Fold(__m128i x, __m128i k, __m128i next) {
  return _mm_xor_si128(
      _mm_xor_si128(_mm_clmulepi64_si128(x, k, 0x00), _mm_clmulepi64_si128(x, k, 0x11)), next);
}

__m128i Load(const uint8_t* at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at)); }

// The register from the 128 bits the lanes were folded into and the rest
// of the bytes, a multiple of 16.
__attribute__((target("pclmul,sse4.1"))) uint32_t ReducedState(__m128i x, const uint8_t* at,
                                                               size_t count) {
  const __m128i one = _mm_set_epi64x(kFold1High, kFold1Low);
  for (; count >= 16; at += 16, count -= 16) x = Fold(x, one, Load(at));
  // 128 bits to 64, then to 32 + 32, then Barrett's reduction to the CRC.
  const __m128i low32 = _mm_setr_epi32(-1, 0, -1, 0);
  x = _mm_xor_si128(_mm_srli_si128(x, 8), _mm_clmulepi64_si128(x, one, 0x10));
  x = _mm_xor_si128(_mm_srli_si128(x, 4),
                    _mm_clmulepi64_si128(_mm_and_si128(x, low32), _mm_set_epi64x(0, kFold64), 0));
  const __m128i barrett = _mm_set_epi64x(kBarrettQuotient, kPolynomialFull);
  __m128i t = _mm_clmulepi64_si128(_mm_and_si128(x, low32), barrett, 0x10);
  t = _mm_clmulepi64_si128(_mm_and_si128(t, low32), barrett, 0x00);
  return static_cast<uint32_t>(_mm_extract_epi32(_mm_xor_si128(x, t), 1));
}

// The register after a multiple of 16 bytes, at least 64.
__attribute__((target("pclmul,sse4.1"))) uint32_t FoldedState(uint32_t state, const uint8_t* at,
                                                              size_t count) {
  __m128i x0 = _mm_xor_si128(Load(at), _mm_cvtsi32_si128(static_cast<int>(state)));
  __m128i x1 = Load(at + 16), x2 = Load(at + 32), x3 = Load(at + 48);
  at += 64;
  count -= 64;
  const __m128i four = _mm_set_epi64x(kFold4High, kFold4Low);
  for (; count >= 64; at += 64, count -= 64) {
    x0 = Fold(x0, four, Load(at));
    x1 = Fold(x1, four, Load(at + 16));
    x2 = Fold(x2, four, Load(at + 32));
    x3 = Fold(x3, four, Load(at + 48));
  }
  const __m128i one = _mm_set_epi64x(kFold1High, kFold1Low);
  return ReducedState(Fold(Fold(Fold(x0, one, x1), one, x2), one, x3), at, count);
}

// Processors with the carry-less multiply on 256-bit registers fold two
// lanes per instruction: twice the bytes a round, which the narrow fold
// needs to keep up with a read from the system's cache.
bool HasWideCarrylessMultiply() {
  static const bool has = [] {
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    return HasCarrylessMultiply() && __get_cpuid_count(7, 0, &eax, &ebx, &ecx, &edx) &&
           (ebx & bit_AVX2) && (ecx & bit_VPCLMULQDQ);
  }();
  return has;
}

__attribute__((target("vpclmulqdq,avx2"))) inline __m256i WideLoad(const uint8_t* at) {
  return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
}

__attribute__((target("vpclmulqdq,avx2"))) inline __m256i WideFold(__m256i x, __m256i k,
                                                                   __m256i next) {
  return _mm256_xor_si256(
      _mm256_xor_si256(_mm256_clmulepi64_epi128(x, k, 0x00), _mm256_clmulepi64_epi128(x, k, 0x11)),
      next);
}

// As FoldedState, eight lanes of 16 bytes in four registers; at least 128 bytes.
__attribute__((target("vpclmulqdq,avx2,pclmul,sse4.1"))) uint32_t WideFoldedState(uint32_t state,
                                                                                  const uint8_t* at,
                                                                                  size_t count) {
  __m256i y0 = _mm256_xor_si256(WideLoad(at),
                                _mm256_zextsi128_si256(_mm_cvtsi32_si128(static_cast<int>(state))));
  __m256i y1 = WideLoad(at + 32), y2 = WideLoad(at + 64), y3 = WideLoad(at + 96);
  at += 128;
  count -= 128;
  const __m256i eight = _mm256_set_epi64x(kFold8High, kFold8Low, kFold8High, kFold8Low);
  for (; count >= 128; at += 128, count -= 128) {
    y0 = WideFold(y0, eight, WideLoad(at));
    y1 = WideFold(y1, eight, WideLoad(at + 32));
    y2 = WideFold(y2, eight, WideLoad(at + 64));
    y3 = WideFold(y3, eight, WideLoad(at + 96));
  }
  // The eight lanes, in the bytes' order, folded into one.
  const __m128i one = _mm_set_epi64x(kFold1High, kFold1Low);
  __m128i x = _mm256_castsi256_si128(y0);
  x = Fold(x, one, _mm256_extracti128_si256(y0, 1));
  x = Fold(Fold(x, one, _mm256_castsi256_si128(y1)), one, _mm256_extracti128_si256(y1, 1));
  x = Fold(Fold(x, one, _mm256_castsi256_si128(y2)), one, _mm256_extracti128_si256(y2, 1));
  x = Fold(Fold(x, one, _mm256_castsi256_si128(y3)), one, _mm256_extracti128_si256(y3, 1));
  return ReducedState(x, at, count);
}

#endif

}  // namespace

uint32_t Crc32UpdateByTables(uint32_t crc, std::span<const uint8_t> bytes) {
  return ~TableState(~crc, bytes.data(), bytes.size());
}

uint32_t Crc32Update(uint32_t crc, std::span<const uint8_t> bytes) {
  uint32_t state = ~crc;
  const uint8_t* at = bytes.data();
  size_t count = bytes.size();
#ifdef VX_CRC32_FOLDING
  if (count >= 64 && HasCarrylessMultiply()) {
    const size_t folded = count & ~size_t{15};
    state = folded >= 128 && HasWideCarrylessMultiply() ? WideFoldedState(state, at, folded)
                                                        : FoldedState(state, at, folded);
    at += folded;
    count -= folded;
  }
#endif
  return ~TableState(state, at, count);
}

}  // namespace vx
