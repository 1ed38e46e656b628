#include "common/wildcard.h"

#include "common/text_case.h"

namespace vx {
namespace {

bool MatchesExactly(std::wstring_view pattern, std::wstring_view name) {
  size_t p = 0;
  size_t n = 0;
  // Where the last "*" was seen, and the name position it is stretched to.
  size_t star = std::wstring_view::npos;
  size_t star_name = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == L'?' || LowerChar(pattern[p]) == LowerChar(name[n]))) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == L'*') {
      star = p++;
      star_name = n;
    } else if (star != std::wstring_view::npos) {
      p = star + 1;
      n = ++star_name;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == L'*') ++p;
  return p == pattern.size();
}

}  // namespace

bool HasWildcard(std::wstring_view name) {
  return name.find_first_of(L"*?") != std::wstring_view::npos;
}

bool MatchesWildcard(std::wstring_view pattern, std::wstring_view name) {
  if (MatchesExactly(pattern, name)) return true;
  return pattern.ends_with(L".*") && name.find(L'.') == std::wstring_view::npos &&
         MatchesExactly(pattern.substr(0, pattern.size() - 2), name);
}

}  // namespace vx
