#include "app/check/file_compare.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <mutex>
#include <optional>
#include <thread>

#include "common/file_seam.h"
#include "common/system_lock.h"

namespace vx {
namespace {

// Bytes passed at once while the files agree, before the words of a chunk
// that differs are looked at one by one.
constexpr size_t kChunk = 1024;

// Whether the kChunk bytes at `a` and `b` are equal, word by word with no
// early exit, which the compiler turns into vector instructions: a call of
// Wine's memcmp for each chunk held the comparison well below the speed of
// the reads (measured).
bool SameChunk(const uint8_t* a, const uint8_t* b) {
  uint64_t differ = 0;
  for (size_t i = 0; i < kChunk; i += sizeof(uint64_t)) {
    uint64_t x, y;
    std::memcpy(&x, a + i, sizeof x);
    std::memcpy(&y, b + i, sizeof y);
    differ |= x ^ y;
  }
  return differ == 0;
}

static_assert(std::endian::native == std::endian::little, "the first differing byte of a word");

// The first index from `i` on below `count` where `a` and `b` differ, or
// `count`: chunks, then words, then the last few bytes.
size_t FirstDifference(const uint8_t* a, const uint8_t* b, size_t i, size_t count) {
  while (i + kChunk <= count && SameChunk(a + i, b + i)) i += kChunk;
  for (; i + sizeof(uint64_t) <= count; i += sizeof(uint64_t)) {
    uint64_t x, y;
    std::memcpy(&x, a + i, sizeof x);
    std::memcpy(&y, b + i, sizeof y);
    if (x != y) return i + static_cast<size_t>(std::countr_zero(x ^ y) / 8);
  }
  while (i < count && a[i] == b[i]) ++i;
  return i;
}

// The first index from `i` on below `count` where `a` and `b` agree, or `count`.
size_t FirstAgreement(const uint8_t* a, const uint8_t* b, size_t i, size_t count) {
  while (i < count && a[i] != b[i]) ++i;
  return i;
}

// Blocks from this size up are read both at once, the other file's on a
// thread of its own; smaller ones in turn on the calling thread, since waking
// another thread (tens of microseconds under Wine) costs more than reading them.
constexpr size_t kOverlappedBlock = size_t{64} << 10;

// Reads one file's blocks on a thread of its own, one asked for at a time,
// while the calling thread reads the other file's.
class ReadingThread {
 public:
  explicit ReadingThread(fs::File& file) : file_(file), thread_([this] { Work(); }) {}
  ~ReadingThread() {
    {
      const std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
  }
  ReadingThread(const ReadingThread&) = delete;
  ReadingThread& operator=(const ReadingThread&) = delete;

  void Start(int64_t offset, uint8_t* into, int64_t length) {
    {
      const std::lock_guard lock(mutex_);
      offset_ = offset;
      into_ = into;
      length_ = length;
      asked_ = true;
    }
    changed_.notify_all();
  }
  // What ReadAt returned for the block last started.
  int64_t Wait() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !asked_; });
    return got_;
  }

 private:
  void Work() {
    std::unique_lock lock(mutex_);
    for (;;) {
      changed_.wait(lock, [this] { return stopping_ || asked_; });
      if (stopping_) return;
      lock.unlock();
      const int64_t got = file_.ReadAt(offset_, into_, length_);
      lock.lock();
      got_ = got;
      asked_ = false;
      changed_.notify_all();
    }
  }

  fs::File& file_;
  SystemLock mutex_;
  SystemCondition changed_;
  int64_t offset_ = 0;
  uint8_t* into_ = nullptr;
  int64_t length_ = 0;
  int64_t got_ = 0;
  bool asked_ = false;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace

CompareOutcome FileComparison::Visit(int64_t from, int64_t to, const StretchVisitor& visit,
                                     const KeepGoing& keep_going) const {
  fs::File open = fs::OpenFileForReading(open_path_);
  if (!open) return CompareOutcome::OpenFailed;
  fs::File other = fs::OpenFileForReading(other_path_);
  if (!other) return CompareOutcome::OtherOpenFailed;
  const size_t block = static_cast<size_t>(std::clamp<int64_t>(to - from, 1, block_size_));
  std::vector<uint8_t> a(block), b(block);
  std::optional<ReadingThread> other_reader;
  if (block >= kOverlappedBlock) other_reader.emplace(other);
  // Where the stretch still open began (also across the blocks), or -1.
  int64_t open_stretch = -1;
  const double total = static_cast<double>(std::max<int64_t>(to - from, 1));
  for (int64_t at = from; at < to;) {
    if (!keep_going((at - from) / total)) return CompareOutcome::Cancelled;
    const int64_t wanted = std::min<int64_t>(static_cast<int64_t>(block), to - at);
    if (other_reader) other_reader->Start(at, b.data(), wanted);
    const int64_t got_open = open.ReadAt(at, a.data(), wanted);
    const int64_t got_other =
        other_reader ? other_reader->Wait() : other.ReadAt(at, b.data(), wanted);
    if (got_open != wanted || got_other != wanted) return CompareOutcome::ReadFailed;
    const size_t count = static_cast<size_t>(wanted);
    for (size_t i = 0; i < count;) {
      if (open_stretch < 0) {
        i = FirstDifference(a.data(), b.data(), i, count);
        if (i == count) break;
        open_stretch = at + static_cast<int64_t>(i);
      }
      i = FirstAgreement(a.data(), b.data(), i, count);
      if (i == count) break;
      const ByteRange stretch{open_stretch, at + static_cast<int64_t>(i) - open_stretch};
      open_stretch = -1;
      if (!visit(stretch)) return CompareOutcome::Done;
    }
    at += wanted;
  }
  if (open_stretch >= 0) visit({open_stretch, to - open_stretch});
  return CompareOutcome::Done;
}

CompareOutcome FileComparison::Run(const KeepGoing& keep_going, size_t list_limit) {
  summary_ = {};
  summary_.open_size = fs::FileLength(open_path_);
  summary_.other_size = fs::FileLength(other_path_);
  if (summary_.open_size < 0) return CompareOutcome::OpenFailed;
  if (summary_.other_size < 0) return CompareOutcome::OtherOpenFailed;
  const CompareOutcome outcome = Visit(
      0, summary_.common_size(),
      [&](const ByteRange& stretch) {
        ++summary_.stretches;
        summary_.differing_bytes += stretch.length;
        if (summary_.listed.size() < list_limit) summary_.listed.push_back(stretch);
        return true;
      },
      keep_going);
  if (outcome != CompareOutcome::Done) summary_ = {};
  return outcome;
}

int64_t FileComparison::ListedEnd() const {
  return summary_.listed.empty() ? 0 : summary_.listed.back().first + summary_.listed.back().length;
}

std::optional<ByteRange> FileComparison::Next(int64_t caret, const KeepGoing& keep_going) const {
  const std::vector<ByteRange>& listed = summary_.listed;
  if (listed.empty()) return std::nullopt;
  const auto behind = std::upper_bound(
      listed.begin(), listed.end(), caret,
      [](int64_t offset, const ByteRange& stretch) { return offset < stretch.first; });
  if (behind != listed.end()) return *behind;
  if (!summary_.all_listed()) {
    // Read from where the listed ones end, so that every stretch comes whole.
    std::optional<ByteRange> found;
    Visit(
        ListedEnd(), summary_.common_size(),
        [&](const ByteRange& stretch) {
          if (stretch.first <= caret) return true;
          found = stretch;
          return false;
        },
        keep_going);
    if (found) return found;
  }
  return listed.front();
}

std::optional<ByteRange> FileComparison::Previous(int64_t caret,
                                                  const KeepGoing& keep_going) const {
  const std::vector<ByteRange>& listed = summary_.listed;
  if (listed.empty()) return std::nullopt;
  const bool wraps = caret <= listed.front().first;
  if (!summary_.all_listed() && (caret > ListedEnd() || wraps)) {
    // The last unlisted stretch that begins before `limit`: the caret, or
    // when wrapping the end.
    const int64_t limit = wraps ? summary_.common_size() : caret;
    std::optional<ByteRange> found;
    Visit(
        ListedEnd(), summary_.common_size(),
        [&](const ByteRange& stretch) {
          if (stretch.first >= limit) return false;
          found = stretch;
          return true;
        },
        keep_going);
    if (found) return found;
  }
  const auto before = std::lower_bound(
      listed.begin(), listed.end(), caret,
      [](const ByteRange& stretch, int64_t offset) { return stretch.first < offset; });
  if (before != listed.begin()) return *std::prev(before);
  return listed.back();
}

}  // namespace vx
