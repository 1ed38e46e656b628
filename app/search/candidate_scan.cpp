#include "app/search/candidate_scan.h"

#include <bit>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define VX_SCAN_SSE2 1
#endif
// Wider vectors only where the compiler builds them for one function and
// the processor says it has them: SSE2 is all every x86-64 has.
#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>
#define VX_SCAN_AVX2 1
#endif

namespace vx {
namespace {

#ifdef VX_SCAN_SSE2
// The lanes of the 16 offsets from `at` on where the first and the last byte
// of the pattern both stand.
__m128i CandidateLanes(const uint8_t* at, size_t m, __m128i firsts, __m128i lasts) {
  const __m128i heads = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
  const __m128i tails = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + m));
  return _mm_and_si128(_mm_cmpeq_epi8(heads, firsts), _mm_cmpeq_epi8(tails, lasts));
}
#endif

#ifdef VX_SCAN_AVX2
__attribute__((target("avx2"))) __m256i CandidateLanes32(const uint8_t* at, size_t m,
                                                         __m256i firsts, __m256i lasts) {
  const __m256i heads = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
  const __m256i tails = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at + m));
  return _mm256_and_si256(_mm256_cmpeq_epi8(heads, firsts), _mm256_cmpeq_epi8(tails, lasts));
}

// From `i` on, past every 128 offsets with no candidate; the rest is left to
// the narrower loops.
__attribute__((target("avx2"))) size_t SkipPlainStretchesAvx2(const uint8_t* data, size_t i,
                                                              size_t count, size_t m, uint8_t first,
                                                              uint8_t last) {
  const __m256i firsts = _mm256_set1_epi8(static_cast<char>(first));
  const __m256i lasts = _mm256_set1_epi8(static_cast<char>(last));
  for (; i + 128 <= count; i += 128) {
    const __m256i any =
        _mm256_or_si256(_mm256_or_si256(CandidateLanes32(data + i, m, firsts, lasts),
                                        CandidateLanes32(data + i + 32, m, firsts, lasts)),
                        _mm256_or_si256(CandidateLanes32(data + i + 64, m, firsts, lasts),
                                        CandidateLanes32(data + i + 96, m, firsts, lasts)));
    if (_mm256_movemask_epi8(any) != 0) break;
  }
  return i;
}

const bool kHasAvx2 = __builtin_cpu_supports("avx2");
#endif

}  // namespace

size_t NextCandidate(const uint8_t* data, size_t from, size_t count,
                     std::span<const uint8_t> pattern) {
  const size_t m = pattern.size() - 1;
  const uint8_t first = pattern.front();
  const uint8_t last = pattern.back();
  size_t i = from;
#ifdef VX_SCAN_AVX2
  // Where the processor has them, twice as wide: the scan costs as much as
  // the read's copy, and each byte it saves shows in the search's speed.
  if (kHasAvx2) i = SkipPlainStretchesAvx2(data, i, count, m, first, last);
#endif
#ifdef VX_SCAN_SSE2
  // A plain byte loop runs well below the page cache's speed, and under Wine
  // memchr is slower still, so sixteen candidates are tested at once, and
  // four such tests share one branch while nothing turns up.
  const __m128i firsts = _mm_set1_epi8(static_cast<char>(first));
  const __m128i lasts = _mm_set1_epi8(static_cast<char>(last));
  for (; i + 64 <= count; i += 64) {
    const __m128i any = _mm_or_si128(_mm_or_si128(CandidateLanes(data + i, m, firsts, lasts),
                                                  CandidateLanes(data + i + 16, m, firsts, lasts)),
                                     _mm_or_si128(CandidateLanes(data + i + 32, m, firsts, lasts),
                                                  CandidateLanes(data + i + 48, m, firsts, lasts)));
    if (_mm_movemask_epi8(any) != 0) break;
  }
  for (; i + 16 <= count; i += 16) {
    const unsigned mask =
        static_cast<unsigned>(_mm_movemask_epi8(CandidateLanes(data + i, m, firsts, lasts)));
    if (mask != 0) return i + static_cast<size_t>(std::countr_zero(mask));
  }
#endif
  for (; i < count; ++i) {
    if (data[i] == first && data[i + m] == last) return i;
  }
  return count;
}

}  // namespace vx
