#include "app/search/candidate_scan.h"

#include <bit>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define VX_SCAN_SSE2 1
#endif

namespace vx {

#ifdef VX_SCAN_SSE2
namespace {

// The lanes of the 16 offsets from `at` on where the first and the last byte
// of the pattern both stand.
__m128i CandidateLanes(const uint8_t* at, size_t m, __m128i firsts, __m128i lasts) {
  const __m128i heads = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
  const __m128i tails = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + m));
  return _mm_and_si128(_mm_cmpeq_epi8(heads, firsts), _mm_cmpeq_epi8(tails, lasts));
}

}  // namespace
#endif

size_t NextCandidate(const uint8_t* data, size_t from, size_t count,
                     std::span<const uint8_t> pattern) {
  const size_t m = pattern.size() - 1;
  const uint8_t first = pattern.front();
  const uint8_t last = pattern.back();
  size_t i = from;
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
