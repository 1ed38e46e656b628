// What the system reads from a program file: its version block and its
// manifest.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vx::test {

struct VersionBlock {
  bool found = false;
  VS_FIXEDFILEINFO fixed{};
  std::vector<uint8_t> data;
  // A text of the Japanese string table ("ProductName"); empty when missing.
  std::wstring Text(const std::wstring& key) const;
};
VersionBlock ReadVersionBlock(const std::wstring& file);

// The program's manifest (resource 1 of type 24); empty when it has none.
std::string ManifestOf(HMODULE program);

}  // namespace vx::test
