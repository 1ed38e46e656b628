#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vx::test {

// A fresh folder of its own for one test, removed with everything in it.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder, ending in "\".
  const std::wstring& path() const { return path_; }
  // path() + relative name.
  std::wstring operator/(const std::wstring& name) const { return path_ + name; }

 private:
  std::wstring path_;
};

// Whole-file helpers through the file seam.
void WriteFileBytes(const std::wstring& name, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> ReadFileBytes(const std::wstring& name);

// Removes a folder and everything below it.
void RemoveTree(const std::wstring& folder);

}  // namespace vx::test
