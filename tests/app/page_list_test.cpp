#include "app/print/page_list.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace vx {
namespace {

std::vector<int64_t> Expanded(const PageList& pages) {
  std::vector<int64_t> all;
  for (const PageRange& range : pages.Ranges()) {
    for (int64_t page = range.first; page <= range.last; ++page) all.push_back(page);
  }
  EXPECT_EQ(static_cast<int64_t>(all.size()), pages.Count());
  return all;
}

std::vector<int64_t> Range(int64_t low, int64_t high) {
  std::vector<int64_t> pages;
  for (int64_t p = low; p <= high; ++p) pages.push_back(p);
  return pages;
}

TEST(PageListTest, TypedListsReadAsTheirPages) {
  struct Case {
    const wchar_t* text;
    int64_t page_count;
    std::vector<int64_t> pages;
  };
  const std::vector<Case> cases{
      {L"", 10, {}},
      {L",,,", 10, {}},
      {L"0", 10, {}},
      {L"-", 10, {}},
      {L"1,3,5", 10, {1, 3, 5}},
      {L"1-10,15", 10, Range(1, 10)},
      {L"3,1-2,3", 10, {3, 1, 2, 3}},
      {L"1 a 2", 20, {12}},
      {L"5-", 10, Range(1, 5)},
      {L"-5", 10, Range(1, 5)},
      {L"10-8", 10, {8, 9, 10}},
      {L"1-3-7", 10, {1, 2, 3}},
      {L"8-12", 10, {8, 9, 10}},
      {L"１－３", 10, {1, 2, 3}},
      {L"２，４", 10, {2, 4}},
      {L"[1,3,5]", 10, {1, 3, 5}},
      {L"3", 0, {}},
      // Numbers beyond the last page name none; as a range's end they reach
      // past every page.
      {L"99999999999", 10, {}},
      {L"4294967297", 10, {}},
      {L"99999999999999999999999-9", 10, {9, 10}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Expanded(ParsePageList(c.text, c.page_count)), c.pages)
        << testing::PrintToString(std::wstring(c.text));
  }
}

TEST(PageListTest, AllPagesAndBillionsOfPagesStayARangeEach) {
  EXPECT_EQ(Expanded(AllPages(4)), Range(1, 4));
  EXPECT_TRUE(AllPages(0).empty());

  // A 2 GB file has 4194304 pages of 512 bytes.
  constexpr int32_t kPages = 4194304;
  std::wstring text;
  for (int i = 0; i < 1000; ++i) text += L"1-2147483647,";
  const PageList pages = ParsePageList(text, kPages);
  ASSERT_EQ(pages.Ranges().size(), 1000u);
  EXPECT_EQ(pages.Ranges().back(), (PageRange{1, kPages}));
  EXPECT_EQ(pages.Count(), int64_t{1000} * kPages);
}

// Page numbers past 32 bits, where the file has that many pages: 512-byte
// pages of a 3 TB file, and as many as the largest length holds.
TEST(PageListTest, PageNumbersPastThirtyTwoBits) {
  constexpr int64_t kPages = 6'000'000'000;
  const PageList pages = ParsePageList(L"1-10,5000000000", kPages);
  EXPECT_EQ(pages.Ranges(), (std::vector<PageRange>{{1, 10}, {5'000'000'000, 5'000'000'000}}));
  EXPECT_EQ(pages.Count(), 11);
  EXPECT_EQ(ParsePageList(L"5999999999-99999999999999999999", kPages).Ranges(),
            (std::vector<PageRange>{{5'999'999'999, kPages}}));
  EXPECT_TRUE(ParsePageList(L"6000000001", kPages).empty());
  const int64_t most = std::numeric_limits<int64_t>::max() / 512;
  EXPECT_EQ(AllPages(most).Count(), most);
  EXPECT_EQ(ParsePageList(L"1-99999999999999999999,9", most).Count(), most + 1);
}

// The same rules written another way: characters mapped one by one, pieces
// cut with getline, numbers read by stoll, every page listed.
std::vector<int64_t> ReferencePages(const std::wstring& text, int64_t page_count) {
  std::wstring kept;
  for (wchar_t c : text) {
    if (c >= L'０' && c <= L'９') c = static_cast<wchar_t>(L'0' + (c - L'０'));
    if (c == L'－') c = L'-';
    if (c == L'，') c = L',';
    if (std::wstring(L"0123456789-,").find(c) != std::wstring::npos) kept += c;
  }
  auto number = [](const std::wstring& digits) -> long long {
    if (digits.empty()) return 0;
    if (digits.size() > 12) return 1LL << 40;
    return std::stoll(digits);
  };
  std::vector<int64_t> pages;
  auto add = [&](long long p) {
    if (p >= 1 && p <= page_count) pages.push_back(p);
  };
  std::wistringstream pieces(kept + L",");
  std::wstring piece;
  while (std::getline(pieces, piece, L',')) {
    std::vector<std::wstring> parts;
    std::wistringstream ends(piece);
    std::wstring part;
    while (std::getline(ends, part, L'-')) parts.push_back(part);
    if (piece.find(L'-') == std::wstring::npos) {
      add(number(piece));
      continue;
    }
    parts.resize(std::max<size_t>(parts.size(), 2));
    long long a = number(parts[0]), b = number(parts[1]);
    if (b < a) std::swap(a, b);
    for (long long p = std::max(a, 1LL); p <= std::min<long long>(b, page_count); ++p) add(p);
  }
  return pages;
}

TEST(PageListTest, RandomListsReadAsAReferenceReadsThem) {
  const std::wstring alphabet = L"0123456789--,,  a１９－，Ｘ";
  std::mt19937 random(12);
  for (int round = 0; round < 3000; ++round) {
    std::wstring text;
    const int length = static_cast<int>(random() % 14);
    for (int i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
    const int64_t page_count = static_cast<int64_t>(random() % 40);
    ASSERT_EQ(Expanded(ParsePageList(text, page_count)), ReferencePages(text, page_count))
        << testing::PrintToString(text) << " over " << page_count << " pages";
  }
}

}  // namespace
}  // namespace vx
