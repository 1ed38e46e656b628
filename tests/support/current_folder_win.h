// The process's current folder changed for as long as the guard lives, and
// put back however the test ends: a relative path resolved by a later test
// must not land in a folder this one has removed.
#pragma once

#include <windows.h>

#include <string>

namespace vx::test {

class CurrentFolder {
 public:
  explicit CurrentFolder(const std::wstring& folder) {
    const DWORD n = GetCurrentDirectoryW(0, nullptr);
    previous_.resize(n);
    previous_.resize(GetCurrentDirectoryW(n, previous_.data()));
    changed_ = SetCurrentDirectoryW(folder.c_str()) != FALSE;
  }
  ~CurrentFolder() {
    if (changed_) SetCurrentDirectoryW(previous_.c_str());
  }
  CurrentFolder(const CurrentFolder&) = delete;
  CurrentFolder& operator=(const CurrentFolder&) = delete;
  bool changed() const { return changed_; }

 private:
  std::wstring previous_;
  bool changed_;
};

}  // namespace vx::test
