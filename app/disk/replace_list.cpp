#include "app/disk/replace_list.h"

#include <algorithm>
#include <cstring>

namespace vx {
namespace {

// Large enough that a million entries are a few dozen writes and reads.
constexpr int64_t kPiece = int64_t{256} << 10;
constexpr int64_t kHeader = 12, kTrailer = 4;
// The longest match an entry may say it holds: far beyond any pattern.
constexpr int64_t kLongestMatch = int64_t{1} << 30;

template <typename T>
T Get(const uint8_t* bytes) {
  T value;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

}  // namespace

uint64_t AddToSum(uint64_t sum, std::span<const uint8_t> bytes) {
  for (const uint8_t b : bytes) sum = (sum ^ b) * 0x100000001B3;
  return sum;
}

ReplaceListWriter::ReplaceListWriter(Append append, int64_t replacement_count)
    : append_(std::move(append)), replacement_count_(replacement_count) {
  buffer_.reserve(static_cast<size_t>(kPiece));
  list_.sum = kSumStart;
}

bool ReplaceListWriter::Flush() {
  if (buffer_.empty()) return true;
  const std::optional<int64_t> at = append_(buffer_);
  // The entries must lie in one stretch: nothing else may append meanwhile.
  if (!at || (start_ && *at != *start_ + list_.bytes)) return false;
  if (!start_) start_ = *at;
  list_.bytes += static_cast<int64_t>(buffer_.size());
  buffer_.clear();
  return true;
}

bool ReplaceListWriter::Put(std::span<const uint8_t> bytes) {
  list_.sum = AddToSum(list_.sum, bytes);
  while (!bytes.empty()) {
    const size_t room = static_cast<size_t>(kPiece) - buffer_.size();
    const size_t n = std::min(room, bytes.size());
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.begin() + static_cast<ptrdiff_t>(n));
    bytes = bytes.subspan(n);
    if (buffer_.size() == static_cast<size_t>(kPiece) && !Flush()) return false;
  }
  return true;
}

bool ReplaceListWriter::Add(int64_t offset, std::span<const uint8_t> bytes) {
  const auto length = static_cast<int64_t>(bytes.size());
  if (failed_ || offset < next_offset_ || length == 0 || length > kLongestMatch) {
    failed_ = true;
    return false;
  }
  uint8_t header[kHeader];
  const auto length32 = static_cast<uint32_t>(length);
  std::memcpy(header, &offset, 8);
  std::memcpy(header + 8, &length32, 4);
  if (!Put(header) || !Put(bytes) ||
      !Put({reinterpret_cast<const uint8_t*>(&length32), sizeof length32})) {
    failed_ = true;
    return false;
  }
  next_offset_ = offset + length;
  ++list_.count;
  list_.removed += length;
  shift_ += replacement_count_ - length;
  shorter_ = shorter_ || shift_ < 0;
  longer_ = longer_ || shift_ > 0;
  return true;
}

std::optional<ReplaceList> ReplaceListWriter::Finish() {
  if (failed_ || !Flush()) return std::nullopt;
  list_.at = start_.value_or(0);
  list_.shift = shorter_ && longer_ ? ShiftKind::Mixed
                : shorter_          ? ShiftKind::Shorter
                : longer_           ? ShiftKind::Longer
                                    : ShiftKind::Equal;
  return list_;
}

ReplaceListReader::ReplaceListReader(BlockFile& data, const ReplaceList& list)
    : data_(data), list_(list), window_(static_cast<size_t>(kPiece)) {
  ToStart();
}

void ReplaceListReader::ToStart() { position_ = list_.at; }
void ReplaceListReader::ToEnd() { position_ = list_.at + list_.bytes; }

bool ReplaceListReader::Window(int64_t at, int64_t n) {
  if (data_.ReadAt(at, window_.data(), n) != n) return false;
  window_at_ = at;
  window_n_ = n;
  return true;
}

bool ReplaceListReader::Read(int64_t at, uint8_t* out, int64_t n) {
  if (at < window_at_ || at + n > window_at_ + window_n_) {
    // Placed for the way the reader goes: from `at` on, or ending at `at + n`.
    const int64_t end = list_.at + list_.bytes;
    const bool forwards = at >= position_;
    const int64_t start = forwards ? at : std::max(list_.at, at + n - kPiece);
    if (!Window(start, std::min(kPiece, end - start))) return false;
  }
  std::memcpy(out, window_.data() + (at - window_at_), static_cast<size_t>(n));
  return true;
}

std::optional<ListEntry> ReplaceListReader::Next() {
  const int64_t end = list_.at + list_.bytes;
  if (failed_ || position_ >= end) return std::nullopt;
  uint8_t header[kHeader], trailer[kTrailer];
  failed_ = true;
  if (end - position_ < kHeader + kTrailer || !Read(position_, header, kHeader)) {
    return std::nullopt;
  }
  const int64_t length = Get<uint32_t>(header + 8);
  const int64_t offset = Get<int64_t>(header);
  if (length == 0 || offset < 0 || length > end - position_ - kHeader - kTrailer ||
      !Read(position_ + kHeader + length, trailer, kTrailer) || Get<uint32_t>(trailer) != length) {
    return std::nullopt;
  }
  failed_ = false;
  const ListEntry entry{offset, length, position_ + kHeader};
  position_ += kHeader + length + kTrailer;
  return entry;
}

std::optional<ListEntry> ReplaceListReader::Previous() {
  if (failed_ || position_ <= list_.at) return std::nullopt;
  uint8_t header[kHeader], trailer[kTrailer];
  failed_ = true;
  if (position_ - list_.at < kHeader + kTrailer || !Read(position_ - kTrailer, trailer, kTrailer)) {
    return std::nullopt;
  }
  const int64_t length = Get<uint32_t>(trailer);
  const int64_t start = position_ - kTrailer - length - kHeader;
  if (length == 0 || start < list_.at || !Read(start, header, kHeader) ||
      Get<uint32_t>(header + 8) != length || Get<int64_t>(header) < 0) {
    return std::nullopt;
  }
  failed_ = false;
  position_ = start;
  return ListEntry{Get<int64_t>(header), length, start + kHeader};
}

bool ReplaceListReader::MatchBytes(const ListEntry& entry, int64_t from, uint8_t* out, int64_t n) {
  const int64_t at = entry.bytes_at + from;
  if (at >= window_at_ && at + n <= window_at_ + window_n_) {
    std::memcpy(out, window_.data() + (at - window_at_), static_cast<size_t>(n));
    return true;
  }
  return data_.ReadAt(at, out, n) == n;
}

namespace {

std::optional<uint64_t> StretchSum(BlockFile& data, int64_t at, int64_t count) {
  std::vector<uint8_t> buffer(static_cast<size_t>(std::min(count, kPiece)));
  uint64_t sum = kSumStart;
  for (int64_t done = 0; done < count;) {
    const int64_t n = std::min(kPiece, count - done);
    if (data.ReadAt(at + done, buffer.data(), n) != n) return std::nullopt;
    sum = AddToSum(sum, {buffer.data(), static_cast<size_t>(n)});
    done += n;
  }
  return sum;
}

}  // namespace

bool ListIntact(BlockFile& data, const ReplaceList& list) {
  if (list.at < 0 || list.bytes < 0 || list.count <= 0) return false;
  const std::optional<uint64_t> sum = StretchSum(data, list.at, list.bytes);
  if (!sum || *sum != list.sum) return false;
  // The count and the lengths the record gives are the entries' own.
  ReplaceListReader reader(data, list);
  int64_t count = 0, removed = 0;
  while (const std::optional<ListEntry> entry = reader.Next()) {
    ++count;
    removed += entry->length;
  }
  return !reader.failed() && count == list.count && removed == list.removed;
}

bool ReplacementIntact(BlockFile& data, const ReplaceList& list,
                       std::vector<uint8_t>& replacement) {
  // A replacement is typed by a person: anything near this is not one.
  constexpr int64_t kLongestReplacement = int64_t{16} << 20;
  if (list.replacement_at < 0 || list.replacement_count < 0 ||
      list.replacement_count > kLongestReplacement) {
    return false;
  }
  replacement.resize(static_cast<size_t>(list.replacement_count));
  const int64_t n = list.replacement_count;
  return (n == 0 || data.ReadAt(list.replacement_at, replacement.data(), n) == n) &&
         AddToSum(kSumStart, replacement) == list.replacement_sum;
}

}  // namespace vx
