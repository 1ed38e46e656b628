#include "tests/support/program_file_win.h"

namespace vx::test {

std::wstring VersionBlock::Text(const std::wstring& key) const {
  wchar_t* text = nullptr;
  UINT length = 0;
  if (!found || !VerQueryValueW(data.data(), (L"\\StringFileInfo\\041104B0\\" + key).c_str(),
                                reinterpret_cast<void**>(&text), &length)) {
    return {};
  }
  return text;
}

VersionBlock ReadVersionBlock(const std::wstring& file) {
  VersionBlock v;
  DWORD ignored = 0;
  v.data.resize(GetFileVersionInfoSizeW(file.c_str(), &ignored));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  v.found =
      !v.data.empty() &&
      GetFileVersionInfoW(file.c_str(), 0, static_cast<DWORD>(v.data.size()), v.data.data()) &&
      VerQueryValueW(v.data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length);
  if (v.found) v.fixed = *fixed;
  return v;
}

std::string ManifestOf(HMODULE program) {
  const HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  if (!found) return {};
  return std::string(static_cast<const char*>(LockResource(LoadResource(program, found))),
                     SizeofResource(program, found));
}

}  // namespace vx::test
