#include "app/print/page_list.h"

#include <algorithm>
#include <string>

#include "common/text_mapping.h"

namespace vx {
namespace {

// Any number at least this large names no page (a page holds at least 16
// bytes); reading stops growing there, so a run of digits of any length reads
// without overflow.
constexpr int64_t kBeyondEveryPage = int64_t{1} << 60;

// The decimal number that `digits` spells (0 when empty), or kBeyondEveryPage
// for one too large for a page number.
int64_t ReadNumber(std::wstring_view digits) {
  int64_t value = 0;
  for (wchar_t c : digits) {
    const int digit = c - L'0';
    value = value > (kBeyondEveryPage - digit) / 10 ? kBeyondEveryPage : value * 10 + digit;
  }
  return value;
}

std::wstring KeptCharacters(std::wstring_view text) {
  std::wstring kept;
  for (wchar_t c : NarrowAndLower(text)) {
    if ((c >= L'0' && c <= L'9') || c == L'-' || c == L',') kept += c;
  }
  return kept;
}

void AddPiece(std::wstring_view piece, int64_t page_count, PageList& pages) {
  const size_t minus = piece.find(L'-');
  if (minus == std::wstring_view::npos) {
    pages.Add(ReadNumber(piece), page_count);
    return;
  }
  const std::wstring_view rest = piece.substr(minus + 1);
  const int64_t before = ReadNumber(piece.substr(0, minus));
  const int64_t after = ReadNumber(rest.substr(0, rest.find(L'-')));
  pages.AddRange(std::min(before, after), std::max(before, after), page_count);
}

}  // namespace

void PageList::Add(int64_t page, int64_t page_count) { AddRange(page, page, page_count); }

void PageList::AddRange(int64_t low, int64_t high, int64_t page_count) {
  low = std::max<int64_t>(low, 1);
  high = std::min(high, page_count);
  if (low > high) return;
  ranges_.push_back({low, high});
  count_ += high - low + 1;
}

PageList AllPages(int64_t page_count) {
  PageList pages;
  pages.AddRange(1, page_count, page_count);
  return pages;
}

PageList ParsePageList(std::wstring_view text, int64_t page_count) {
  PageList pages;
  const std::wstring kept = KeptCharacters(text);
  std::wstring_view rest = kept;
  while (true) {
    const size_t comma = rest.find(L',');
    AddPiece(rest.substr(0, comma), page_count, pages);
    if (comma == std::wstring_view::npos) break;
    rest.remove_prefix(comma + 1);
  }
  return pages;
}

}  // namespace vx
