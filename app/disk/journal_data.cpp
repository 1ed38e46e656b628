#include "app/disk/journal_data.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "app/disk/move_record.h"
#include "app/disk/recovery_folder.h"
#include "app/disk/replace_list.h"
#include "app/edit/answering_wait.h"
#include "app/edit/edit_texts.h"
#include "app/file/mapped_file.h"
#include "common/recovery_record_names.h"
#include "common/settings_file_names.h"

namespace vx {
namespace {

constexpr wchar_t kDataExtension[] = L".dat";
constexpr int64_t kCopyBlock = 64 * 1024;

// The name's UTF-16 units as they stand, little-endian, in a record's bytes.
std::vector<uint8_t> RecordedNameBytes(const std::wstring& name) {
  std::vector<uint8_t> bytes;
  for (const char16_t unit : Utf16Units(name)) {
    bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<uint8_t>(unit >> 8));
  }
  return bytes;
}

bool RecordNames(const std::wstring& record_name, const std::vector<uint8_t>& name_bytes) {
  fs::File file = fs::OpenFileForReading(record_name);
  const int64_t length = file ? file.Length() : -1;
  // What cannot be read may name anything: the data stays.
  if (length < 0 || length > kLargestRecordSize) return true;
  std::vector<uint8_t> bytes(static_cast<size_t>(length));
  if (file.ReadAt(0, bytes.data(), length) != length) return true;
  return std::search(bytes.begin(), bytes.end(), name_bytes.begin(), name_bytes.end()) !=
         bytes.end();
}

}  // namespace

JournalData::~JournalData() {
  if (!file_) return;
  blocks_.reset();
  file_.Close();
  fs::RemoveFile(name_);
}

bool JournalData::EnsureOpen() {
  if (file_) return true;
  const std::wstring& folder = RecoveryFolder();
  if (folder.empty()) {
    failure_ = {FailureCause::Missing, FailedPlace::JournalData, folder};
    return false;
  }
  if (!fs::FolderExists(folder) && !fs::MakeFolder(folder)) {
    failure_ = SystemFailure(fs::LastSystemError(), FailedPlace::JournalData, folder);
    return false;
  }
  const std::wstring stem = folder + kJournalDataPrefix + std::to_wstring(CurrentProcessNumber());
  for (int n = 1; n <= 100 && !file_; ++n) {
    name_ = stem + L"-" + std::to_wstring(n) + kDataExtension;
    // A name a stopped program's record may still need is never reused.
    if (fs::FileExists(name_)) continue;
    file_ = fs::OpenFile(name_, true, fs::Share::Read);
  }
  if (!file_) {
    failure_ = SystemFailure(fs::LastSystemError(), FailedPlace::JournalData, name_);
    return false;
  }
  blocks_ = std::make_unique<SeamBlockFile>(file_);
  length_ = 0;
  return true;
}

std::optional<int64_t> JournalData::AppendBlocks(
    int64_t count, const std::function<bool(int64_t, std::span<uint8_t>)>& fill) {
  if (count < 0 || !EnsureOpen()) return std::nullopt;
  const int64_t start = length_;
  const std::vector<uint64_t> sums_before = block_sums_;
  std::vector<uint8_t> block(static_cast<size_t>(std::min(count, kCopyBlock)));
  for (int64_t done = 0; done < count;) {
    const int64_t n = std::min(count - done, kCopyBlock);
    const std::span<uint8_t> bytes(block.data(), static_cast<size_t>(n));
    const bool filled = fill(done, bytes);
    const bool written = filled && file_.WriteAt(start + done, bytes.data(), n);
    if (filled && !written) {
      failure_ = SystemFailure(fs::LastSystemError(), FailedPlace::JournalData, name_);
    }
    if (!written) {
      // Nothing refers to a part written: it is cut off again.
      file_.SetLength(start);
      block_sums_ = sums_before;
      return std::nullopt;
    }
    AddToBlockSums(start + done, bytes);
    done += n;
  }
  length_ = start + count;
  return start;
}

std::optional<int64_t> JournalData::Append(std::span<const uint8_t> bytes) {
  return AppendBlocks(static_cast<int64_t>(bytes.size()), [&](int64_t done, std::span<uint8_t> to) {
    std::copy_n(bytes.begin() + done, to.size(), to.begin());
    return true;
  });
}

std::optional<int64_t> JournalData::AppendFrom(const EditedFile& file, int64_t offset,
                                               int64_t count) {
  // Bytes the file no longer has are not kept as zeros: another program cut it short.
  const int64_t length = file.Length();
  if (length < 0 || offset > length || count > length - offset) {
    failure_ = {length < 0 ? FailureCause::Missing : FailureCause::Shortened, FailedPlace::File,
                file.path()};
    return std::nullopt;
  }
  return AppendBlocks(count, [&](int64_t done, std::span<uint8_t> to) {
    if (file.Read(offset + done, to) == ReadResult::Read) return true;
    failure_ = SystemFailure(fs::LastSystemError(), FailedPlace::File, file.path());
    return false;
  });
}

std::optional<int64_t> JournalData::AppendRepeated(uint8_t value, int64_t count) {
  return AppendBlocks(count, [value](int64_t, std::span<uint8_t> to) {
    std::fill(to.begin(), to.end(), value);
    return true;
  });
}

void JournalData::AddToBlockSums(int64_t at, std::span<const uint8_t> bytes) {
  // Appends only: every block but the last is whole and its sum final.
  while (!bytes.empty()) {
    const auto index = static_cast<size_t>(at / kCopyBlock);
    const auto n = static_cast<size_t>(std::min<int64_t>(
        static_cast<int64_t>(bytes.size()), (static_cast<int64_t>(index) + 1) * kCopyBlock - at));
    if (index == block_sums_.size()) block_sums_.push_back(kSumStart);
    block_sums_[index] = AddToSum(block_sums_[index], bytes.first(n));
    at += static_cast<int64_t>(n);
    bytes = bytes.subspan(n);
  }
}

bool JournalData::Proves(int64_t at, int64_t count) {
  if (count == 0) return true;
  if (!file_ || at < 0 || count < 0 || count > length_ - at) return false;
  std::vector<uint8_t> block(static_cast<size_t>(kCopyBlock));
  for (int64_t index = at / kCopyBlock; index * kCopyBlock < at + count; ++index) {
    const int64_t first = index * kCopyBlock;
    const int64_t n = std::min(kCopyBlock, length_ - first);
    if (file_.ReadAt(first, block.data(), n) != n ||
        AddToSum(kSumStart, {block.data(), static_cast<size_t>(n)}) !=
            block_sums_[static_cast<size_t>(index)]) {
      return false;
    }
  }
  return true;
}

bool JournalData::Flush(const ProgressCallback& progress) {
  // The flush runs on a thread of its own: its failure's code is taken there.
  int code = 0;
  const auto flush = [this, &code] {
    const bool flushed = file_.Flush();
    if (!flushed) code = fs::LastSystemError();
    return flushed;
  };
  if (file_ && RunAnswering(flush, progress, edit_texts::kWritingData)) return true;
  failure_ = file_ ? SystemFailure(code, FailedPlace::JournalData, name_)
                   : Failure{FailureCause::Missing, FailedPlace::JournalData, name_};
  return false;
}

void JournalData::Clear() {
  if (file_ && file_.SetLength(0)) {
    length_ = 0;
    block_sums_.clear();
  }
}

bool IsJournalDataName(const std::wstring& name) {
  const std::wstring_view prefix = kJournalDataPrefix, extension = kDataExtension;
  return name.size() > prefix.size() + extension.size() && name.starts_with(prefix) &&
         name.ends_with(extension);
}

void RemoveLeftJournalData(const std::wstring& folder) {
  const std::vector<fs::FolderEntry> entries = fs::ListFolder(folder);
  std::vector<std::wstring> records;
  for (const fs::FolderEntry& entry : entries) {
    if (!entry.is_folder && !entry.is_link &&
        (IsRecoveryRecordName(entry.name) || IsSetAsideRecordName(entry.name))) {
      records.push_back(folder + entry.name);
    }
  }
  // This program's own data files are in use, wherever the system would let them go.
  const std::wstring own = kJournalDataPrefix + std::to_wstring(CurrentProcessNumber()) + L"-";
  for (const fs::FolderEntry& entry : entries) {
    if (entry.is_folder || entry.is_link || !IsJournalDataName(entry.name)) continue;
    if (entry.name.starts_with(own)) continue;
    const std::vector<uint8_t> name_bytes = RecordedNameBytes(entry.name);
    const bool named = std::any_of(records.begin(), records.end(), [&](const std::wstring& r) {
      return RecordNames(r, name_bytes);
    });
    // A running program's own data file is held: its removal fails.
    if (!named) fs::RemoveFile(folder + entry.name);
  }
}

}  // namespace vx
