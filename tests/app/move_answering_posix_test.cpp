// A long move's flushes run beside the window: while the disk writes, the
// window is let in with the bar where it stood, and the move goes on only
// once the flush is over.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <thread>

#include "app/disk/insert_delete.h"
#include "app/disk/recovery.h"
#include "common/file_seam.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_bytes.h"

namespace vx {
namespace {

// Each flush made off the caller's thread lasts until the caller was let
// in; one made on the caller's thread is counted as such.
class FlushWatch : public fs::FileEventObserver {
 public:
  explicit FlushWatch(std::thread::id caller) : caller_(caller) { fs::SetFileEventObserver(this); }
  ~FlushWatch() override { fs::SetFileEventObserver(nullptr); }

  void LetIn() { ++let_in_; }
  int Beside(const std::wstring& name) { return Count(name).beside; }
  int OnCaller(const std::wstring& name) { return Count(name).on_caller; }
  int Unanswered() const { return unanswered_; }

  void Opened(intptr_t handle, const std::wstring& name, bool) override {
    const std::lock_guard lock(mutex_);
    names_[handle] = name;
  }
  void Flushed(intptr_t handle) override {
    std::wstring name;
    {
      const std::lock_guard lock(mutex_);
      name = names_[handle];
    }
    if (std::this_thread::get_id() == caller_) {
      const std::lock_guard lock(mutex_);
      ++counts_[name].on_caller;
      return;
    }
    const int before = let_in_;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (let_in_ == before && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::yield();
    }
    if (let_in_ == before) ++unanswered_;
    const std::lock_guard lock(mutex_);
    ++counts_[name].beside;
  }
  void Mapped(intptr_t, const uint8_t*, size_t) override {}
  void Wrote(intptr_t, int64_t, const void*, int64_t) override {}
  void LengthSet(intptr_t, int64_t) override {}
  void TimeSet(intptr_t, int64_t) override {}
  void Closed(intptr_t) override {}
  void Renamed(const std::wstring&, const std::wstring&, bool) override {}
  void Removed(const std::wstring&) override {}
  void FolderMade(const std::wstring&) override {}

 private:
  struct Counts {
    int beside = 0;
    int on_caller = 0;
  };
  Counts Count(const std::wstring& name) {
    const std::lock_guard lock(mutex_);
    return counts_[name];
  }
  const std::thread::id caller_;
  std::mutex mutex_;
  std::map<intptr_t, std::wstring> names_;
  std::map<std::wstring, Counts> counts_;
  std::atomic<int> let_in_{0};
  std::atomic<int> unanswered_{0};
};

TEST(MoveAnswering, TheFlushesOfAMoveRunBesideTheWindowWhichIsLetIn) {
  test::TempFolder dir;
  const std::wstring records = dir / L"VXSetting\\";
  ASSERT_TRUE(fs::MakeFolder(records));
  SetRecoveryFolder(records);
  const EditedFile file(dir / L"data.bin");
  const std::vector<uint8_t> before = test::PatternBytes(3 * 4096 + 7);
  test::WriteFileBytes(file.path(), before);
  SetCommandBlockSize(4096);
  {
    FlushWatch watch(std::this_thread::get_id());
    double last_share = -2;
    bool bar_stood = true;
    const ProgressCallback progress = [&](double share, const std::wstring& caption) {
      watch.LetIn();
      // Let in during a flush, the bar stays where it stood.
      if (caption.empty() && share >= 0 && share < last_share) bar_stood = false;
      last_share = share;
    };
    EXPECT_TRUE(InsertIntoFile(file, 5, 0xEE, progress, L""));
    EXPECT_GE(watch.Beside(file.path()), 3) << "the file is flushed after each of its blocks";
    EXPECT_EQ(watch.OnCaller(file.path()), 0);
    EXPECT_EQ(watch.Unanswered(), 0) << "a flush beside the window never let it in";
    EXPECT_TRUE(bar_stood);
  }
  std::vector<uint8_t> after = before;
  after.insert(after.begin() + 5, 0xEE);
  EXPECT_EQ(test::ReadFileBytes(file.path()), after);
  SetCommandBlockSize(kMoveBlockSize);
  SetRecoveryFolder(L"");
}

}  // namespace
}  // namespace vx
