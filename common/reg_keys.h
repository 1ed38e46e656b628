// The registry class's rules for key paths that need no registry: the
// leading "\" of a key path, the order in which a whole tree of keys is
// collected and the order in which it is handed back.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vx {

// `key_path` without its first character when that is a "\"; only one goes.
std::wstring WithoutLeadingMark(const std::wstring& key_path);

// The names of the keys directly below a key path, in enumeration order.
using SubKeyLister = std::function<std::vector<std::wstring>(const std::wstring& key_path)>;

// Appends to `collected` every key below `key_path`: all children of a key
// (`key_path` + "\" + name, joined literally, so a path ending in "\" gives a
// doubled one) before the subtree of its first child, then each child's
// tree in turn.
void CollectKeysBelow(const std::wstring& key_path, const SubKeyLister& names_below,
                      std::vector<std::wstring>& collected);

// The keys of `collected` from the deepest (most "\" in the path) to the
// shallowest, in collection order within one depth.
std::vector<std::wstring> DeepestFirst(const std::vector<std::wstring>& collected);

}  // namespace vx
