// The registry class's rules for key paths that need no registry: the
// leading "\" of a key path, the order in which a whole tree of keys is
// collected and the order in which it is handed back.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vx {

// `st` without its first character when that is a "\"; only one goes.
std::wstring DelYen(const std::wstring& st);

// The names of the keys directly below a key path, in enumeration order.
using SubKeyNames = std::function<std::vector<std::wstring>(const std::wstring& SubKey)>;

// Appends to CollectedKeys every key below SubKey: all children of a key
// (SubKey + "\" + name, joined literally, so a SubKey ending in "\" gives a
// doubled one) before the subtree of its first child, then each child's
// tree in turn.
void CollectKeysBelow(const std::wstring& SubKey, const SubKeyNames& names_below,
                      std::vector<std::wstring>& CollectedKeys);

// The keys of `collected` from the deepest (most "\" in the path) to the
// shallowest, in collection order within one depth, at indexes 1..n of the
// result; index 0 stays empty. `collected` holds its keys from index 0.
std::vector<std::wstring> DeepestFirst(const std::vector<std::wstring>& collected);

}  // namespace vx
