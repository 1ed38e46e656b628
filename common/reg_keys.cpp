#include "common/reg_keys.h"

#include <algorithm>

namespace vx {

std::wstring WithoutLeadingMark(const std::wstring& key_path) {
  return key_path.starts_with(L'\\') ? key_path.substr(1) : key_path;
}

void CollectKeysBelow(const std::wstring& key_path, const SubKeyLister& names_below,
                      std::vector<std::wstring>& collected) {
  std::vector<std::wstring> children;
  for (const std::wstring& name : names_below(key_path))
    children.push_back(key_path + L"\\" + name);
  collected.insert(collected.end(), children.begin(), children.end());
  for (const std::wstring& child : children) CollectKeysBelow(child, names_below, collected);
}

std::vector<std::wstring> DeepestFirst(const std::vector<std::wstring>& collected) {
  std::vector<std::pair<std::ptrdiff_t, const std::wstring*>> by_depth;
  for (const std::wstring& key : collected) {
    by_depth.emplace_back(std::count(key.begin(), key.end(), L'\\'), &key);
  }
  std::stable_sort(by_depth.begin(), by_depth.end(),
                   [](const auto& a, const auto& b) { return a.first > b.first; });
  std::vector<std::wstring> ordered;
  for (const auto& [depth, key] : by_depth) ordered.push_back(*key);
  return ordered;
}

}  // namespace vx
