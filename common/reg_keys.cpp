#include "common/reg_keys.h"

#include <algorithm>

namespace vx {

std::wstring DelYen(const std::wstring& st) { return st.starts_with(L'\\') ? st.substr(1) : st; }

void CollectKeysBelow(const std::wstring& SubKey, const SubKeyNames& names_below,
                      std::vector<std::wstring>& CollectedKeys) {
  std::vector<std::wstring> children;
  for (const std::wstring& name : names_below(SubKey)) children.push_back(SubKey + L"\\" + name);
  CollectedKeys.insert(CollectedKeys.end(), children.begin(), children.end());
  for (const std::wstring& child : children) CollectKeysBelow(child, names_below, CollectedKeys);
}

std::vector<std::wstring> DeepestFirst(const std::vector<std::wstring>& collected) {
  std::vector<std::wstring> ordered(1);
  std::vector<std::pair<std::ptrdiff_t, const std::wstring*>> by_depth;
  for (const std::wstring& key : collected) {
    by_depth.emplace_back(std::count(key.begin(), key.end(), L'\\'), &key);
  }
  std::stable_sort(by_depth.begin(), by_depth.end(),
                   [](const auto& a, const auto& b) { return a.first > b.first; });
  for (const auto& [depth, key] : by_depth) ordered.push_back(*key);
  return ordered;
}

}  // namespace vx
