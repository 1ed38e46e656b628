// Long work on the window thread: the system reaches the main window while
// the tail of a large file moves, but nothing the person or another program
// asks for runs inside the half-moved file.
#include <atomic>
#include <thread>

#include "common/file_seam.h"
#include "tests/app/main_window_fixture_win.h"

namespace vx::test {
namespace {

constexpr int64_t kMiB = int64_t{1} << 20;
// Large enough that the shift outlasts a few of the window's looks at its
// queue (one every 50 ms) on a fast machine.
constexpr int64_t kSize = 1024 * kMiB;

// Byte i of the test file: never 0, repeating every 251 bytes.
uint8_t PatternAt(int64_t i) { return static_cast<uint8_t>(i * 7 % 251 + 1); }

void WritePatternFile(const std::wstring& path) {
  fs::File f = fs::OpenFile(path, true, fs::Share::ReadWrite);
  std::vector<uint8_t> block(static_cast<size_t>(kMiB));
  for (int64_t at = 0; at < kSize; at += kMiB) {
    for (size_t i = 0; i < block.size(); ++i) block[i] = PatternAt(at + static_cast<int64_t>(i));
    ASSERT_TRUE(f.WriteAt(at, block.data(), kMiB));
  }
}

// The first offset where the file is not `inserted` followed by the pattern.
int64_t FirstWrongByte(const std::wstring& path, uint8_t inserted) {
  fs::File f = fs::OpenFile(path, false, fs::Share::ReadWrite);
  if (f.Length() != kSize + 1) return -2;
  std::vector<uint8_t> block(static_cast<size_t>(kMiB));
  for (int64_t at = 0; at <= kSize; at += kMiB) {
    const int64_t n = std::min(kMiB, kSize + 1 - at);
    if (f.ReadAt(at, block.data(), n) != n) return at;
    for (int64_t i = 0; i < n; ++i) {
      const int64_t offset = at + i;
      if (block[static_cast<size_t>(i)] != (offset == 0 ? inserted : PatternAt(offset - 1))) {
        return offset;
      }
    }
  }
  return -1;
}

double NowMs() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

using LongWorkTest = MainWindowTest;

TEST_F(LongWorkTest, AnotherThreadIsAnsweredDuringAnInsertionAndItsCloseWaitsForTheEnd) {
  const std::wstring path = dir / L"big.bin";
  WritePatternFile(path);
  Start(path);
  ASSERT_EQ(view().file_size(), kSize);
  const HWND main = form->hwnd();
  const std::wstring shown_title = L"Vantelox\u3000[" + view().file_path() + L"]";

  std::atomic<bool> moving_done{false};
  double reply_ms = -1;
  bool answered_while_moving = false;
  std::wstring title;
  LRESULT close_answered = 0;
  std::thread sender([&] {
    // The move has begun once the file has its one byte more.
    while (fs::FileLength(path) != kSize + 1 && !moving_done) SwitchToThread();
    wchar_t text[256] = {};
    DWORD_PTR length = 0;
    const double start = NowMs();
    const LRESULT sent = SendMessageTimeoutW(main, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text),
                                             SMTO_NORMAL, 5000, &length);
    reply_ms = NowMs() - start;
    answered_while_moving = sent != 0 && !moving_done;
    title.assign(text, length);
    DWORD_PTR ignored = 0;
    close_answered = SendMessageTimeoutW(main, WM_CLOSE, 0, 0, SMTO_NORMAL, 5000, &ignored);
  });
  view().Insert(0, 0x5A);
  moving_done = true;
  sender.join();

  EXPECT_TRUE(answered_while_moving) << "the move ended before the answer: " << reply_ms << " ms";
  EXPECT_LT(reply_ms, 200);
  EXPECT_EQ(title, shown_title);
  EXPECT_NE(close_answered, 0);
  EXPECT_EQ(FirstWrongByte(path, 0x5A), -1);
  // The close was put off: the window is still there after the move, and
  // goes once its messages run.
  EXPECT_TRUE(IsWindow(main));
  EXPECT_TRUE(Eventually([&] { return !IsWindow(main); }));
  EXPECT_TRUE(messages.shown().empty());
}

}  // namespace
}  // namespace vx::test
