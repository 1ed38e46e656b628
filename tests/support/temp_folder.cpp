#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <atomic>

#include "common/file_seam.h"
#include "tests/support/test_platform.h"

namespace vx::test {

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  for (int attempt = 0; attempt < 1000; ++attempt) {
    std::wstring candidate = TempRoot() + L"vxtest-" + std::to_wstring(ProcessNumber()) + L"-" +
                             std::to_wstring(counter++);
    if (!fs::FolderExists(candidate) && fs::MakeFolder(candidate)) {
      path_ = candidate + L"\\";
      return;
    }
  }
  ADD_FAILURE() << "cannot make a scratch folder";
}

TempFolder::~TempFolder() {
  if (!path_.empty()) RemoveTree(path_);
}

void RemoveTree(const std::wstring& folder) {
  std::wstring base = folder;
  if (!base.empty() && base.back() != L'\\') base += L'\\';
  for (const auto& entry : fs::ListFolder(base)) {
    if (entry.is_folder) {
      RemoveTree(base + entry.name);
    } else {
      fs::RemoveFile(base + entry.name);
    }
  }
  base.pop_back();
  fs::RemoveFolder(base);
}

void WriteFileBytes(const std::wstring& name, const std::vector<uint8_t>& bytes) {
  fs::File f = fs::OpenFile(name, true, fs::Share::ReadWrite);
  ASSERT_TRUE(f) << "cannot create a test file";
  ASSERT_TRUE(f.SetLength(0));
  ASSERT_TRUE(f.WriteAt(0, bytes.data(), static_cast<int64_t>(bytes.size())));
}

std::vector<uint8_t> ReadFileBytes(const std::wstring& name) {
  fs::File f = fs::OpenFile(name, false, fs::Share::ReadWrite);
  if (!f) return {};
  std::vector<uint8_t> bytes(static_cast<size_t>(f.Length()));
  f.ReadAt(0, bytes.data(), static_cast<int64_t>(bytes.size()));
  return bytes;
}

}  // namespace vx::test
