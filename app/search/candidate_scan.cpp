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

// The pattern's first and last place, and whether either of them has a
// choice of two values (a letter whose case is ignored). An exact pattern
// compares each byte once; a choice costs a second comparison and an or.
struct Ends {
  ByteChoice first;
  ByteChoice last;
  size_t m;
};

#ifdef VX_SCAN_SSE2
struct Lanes16 {
  __m128i first_one, first_other, last_one, last_other;
  explicit Lanes16(const Ends& ends)
      : first_one(_mm_set1_epi8(static_cast<char>(ends.first.one))),
        first_other(_mm_set1_epi8(static_cast<char>(ends.first.other))),
        last_one(_mm_set1_epi8(static_cast<char>(ends.last.one))),
        last_other(_mm_set1_epi8(static_cast<char>(ends.last.other))) {}
};

// The lanes of the 16 offsets from `at` on where the first and the last place
// of the pattern both may stand.
template <bool kChoice>
__m128i CandidateLanes(const uint8_t* at, size_t m, const Lanes16& v) {
  const __m128i heads = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
  const __m128i tails = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + m));
  __m128i first = _mm_cmpeq_epi8(heads, v.first_one);
  __m128i last = _mm_cmpeq_epi8(tails, v.last_one);
  if constexpr (kChoice) {
    first = _mm_or_si128(first, _mm_cmpeq_epi8(heads, v.first_other));
    last = _mm_or_si128(last, _mm_cmpeq_epi8(tails, v.last_other));
  }
  return _mm_and_si128(first, last);
}

// From `i` on, past every 64 offsets with no candidate, then to the first
// 16 with one; the rest is left to the byte loop.
template <bool kChoice>
size_t SkipSse2(const uint8_t* data, size_t i, size_t count, const Ends& ends) {
  // A plain byte loop runs well below the page cache's speed, and under Wine
  // memchr is slower still, so sixteen candidates are tested at once, and
  // four such tests share one branch while nothing turns up.
  const Lanes16 v(ends);
  const size_t m = ends.m;
  for (; i + 64 <= count; i += 64) {
    const __m128i any = _mm_or_si128(_mm_or_si128(CandidateLanes<kChoice>(data + i, m, v),
                                                  CandidateLanes<kChoice>(data + i + 16, m, v)),
                                     _mm_or_si128(CandidateLanes<kChoice>(data + i + 32, m, v),
                                                  CandidateLanes<kChoice>(data + i + 48, m, v)));
    if (_mm_movemask_epi8(any) != 0) break;
  }
  for (; i + 16 <= count; i += 16) {
    const unsigned mask =
        static_cast<unsigned>(_mm_movemask_epi8(CandidateLanes<kChoice>(data + i, m, v)));
    if (mask != 0) return i + static_cast<size_t>(std::countr_zero(mask));
  }
  return i;
}
#endif

#ifdef VX_SCAN_AVX2
template <bool kChoice>
__attribute__((target("avx2"))) __m256i CandidateLanes32(const uint8_t* at, size_t m,
                                                         const Ends& ends) {
  const __m256i heads = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
  const __m256i tails = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at + m));
  __m256i first = _mm256_cmpeq_epi8(heads, _mm256_set1_epi8(static_cast<char>(ends.first.one)));
  __m256i last = _mm256_cmpeq_epi8(tails, _mm256_set1_epi8(static_cast<char>(ends.last.one)));
  if constexpr (kChoice) {
    first = _mm256_or_si256(
        first, _mm256_cmpeq_epi8(heads, _mm256_set1_epi8(static_cast<char>(ends.first.other))));
    last = _mm256_or_si256(
        last, _mm256_cmpeq_epi8(tails, _mm256_set1_epi8(static_cast<char>(ends.last.other))));
  }
  return _mm256_and_si256(first, last);
}

// From `i` on, past every 128 offsets with no candidate; the rest is left to
// the narrower loops.
template <bool kChoice>
__attribute__((target("avx2"))) size_t SkipAvx2(const uint8_t* data, size_t i, size_t count,
                                                const Ends& ends) {
  const size_t m = ends.m;
  for (; i + 128 <= count; i += 128) {
    const __m256i any =
        _mm256_or_si256(_mm256_or_si256(CandidateLanes32<kChoice>(data + i, m, ends),
                                        CandidateLanes32<kChoice>(data + i + 32, m, ends)),
                        _mm256_or_si256(CandidateLanes32<kChoice>(data + i + 64, m, ends),
                                        CandidateLanes32<kChoice>(data + i + 96, m, ends)));
    if (_mm256_movemask_epi8(any) != 0) break;
  }
  return i;
}

const bool kHasAvx2 = __builtin_cpu_supports("avx2");
#endif

template <bool kChoice>
size_t Next(const uint8_t* data, size_t i, size_t count, const Ends& ends) {
#ifdef VX_SCAN_AVX2
  // Where the processor has them, twice as wide: each byte the scan saves
  // shows in the search's speed.
  if (kHasAvx2) i = SkipAvx2<kChoice>(data, i, count, ends);
#endif
#ifdef VX_SCAN_SSE2
  i = SkipSse2<kChoice>(data, i, count, ends);
#endif
  auto may_stand = [](uint8_t b, ByteChoice c) { return b == c.one || (kChoice && b == c.other); };
  for (; i < count; ++i) {
    if (may_stand(data[i], ends.first) && may_stand(data[i + ends.m], ends.last)) return i;
  }
  return count;
}

}  // namespace

size_t NextCandidate(const uint8_t* data, size_t from, size_t count, const SearchPattern& pattern) {
  const size_t m = pattern.length() - 1;
  const Ends ends{pattern.At(0), pattern.At(m), m};
  const bool choice = ends.first.one != ends.first.other || ends.last.one != ends.last.other;
  return choice ? Next<true>(data, from, count, ends) : Next<false>(data, from, count, ends);
}

}  // namespace vx
