// The pages a print job prints, in order, as the print window's field or its
// "all pages" choice names them. A list is kept as ranges of pages, never as
// one entry per page: "1-5000000000" typed a thousand times over a large file
// names trillions of pages and must cost a thousand ranges.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace vx {

// Pages first..last, both included, printed in rising order.
struct PageRange {
  int64_t first;
  int64_t last;

  bool operator==(const PageRange&) const = default;
};

class PageList {
 public:
  // Appends `page` when it lies between 1 and `page_count`.
  void Add(int64_t page, int64_t page_count);
  // Appends the pages from `low` to `high` that lie between 1 and `page_count`.
  void AddRange(int64_t low, int64_t high, int64_t page_count);

  bool empty() const { return ranges_.empty(); }
  // The number of entries, repetitions included.
  int64_t Count() const { return count_; }
  const std::vector<PageRange>& Ranges() const { return ranges_; }

 private:
  std::vector<PageRange> ranges_;
  int64_t count_ = 0;
};

// The whole file: 1 to `page_count`.
PageList AllPages(int64_t page_count);

// The pages a typed list names: full-width characters read as their narrow
// forms, everything but digits, "-" and "," dropped, pieces split at ",".
// A piece is a page, or with "-" a range whose ends are swapped when reversed
// and whose empty end reads 0 (parts after a second "-" are ignored).
// Numbers outside 1 to `page_count` are left out, repetitions kept in order.
PageList ParsePageList(std::wstring_view text, int64_t page_count);

}  // namespace vx
