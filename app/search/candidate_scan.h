// The inner loop of the search: where in a block could the pattern start?
// Testing the pattern's first and last place together leaves almost no false
// candidates even in files full of the first byte (zeros, blanks), so the
// full comparison runs rarely and the scan keeps up with the disk.
#pragma once

#include <cstddef>
#include <cstdint>

#include "app/search/search_pattern.h"

namespace vx {

// The first offset i, from <= i < count, at which data[i] may stand first in
// the pattern and data[i + m] last (m = pattern length - 1), or count when
// there is none. data must hold count + m bytes.
size_t NextCandidate(const uint8_t* data, size_t from, size_t count, const SearchPattern& pattern);

}  // namespace vx
