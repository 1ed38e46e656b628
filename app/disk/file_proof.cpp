#include "app/disk/file_proof.h"

#include <cstring>

#include "app/disk/record_bytes.h"

namespace vx {
namespace {

using record_bytes::Get;
using record_bytes::Put;

constexpr char kProofMagic[8] = {'V', 'X', 'P', 'r', 'o', 'o', 'f', '1'};
constexpr size_t kKeptTime = 8;
constexpr size_t kWriteBegan = 16;
constexpr size_t kVolume = 24;
constexpr size_t kIndex = 32;

uint8_t* ProofBytes(const MoveRecord& record) {
  return record.size() < kFileProofSize ? nullptr : record.bytes() + record.size() - kFileProofSize;
}

}  // namespace

void WriteFileProof(MoveRecord& record, const FileProof& proof) {
  uint8_t* bytes = ProofBytes(record);
  if (!bytes) return;
  Put<int64_t>(bytes, kKeptTime, proof.kept_time);
  Put<int64_t>(bytes, kWriteBegan, proof.write_began);
  Put<uint64_t>(bytes, kVolume, proof.volume);
  Put<uint64_t>(bytes, kIndex, proof.index);
  std::memcpy(bytes, kProofMagic, sizeof kProofMagic);
}

std::optional<FileProof> ReadFileProof(const MoveRecord& record) {
  const uint8_t* bytes = ProofBytes(record);
  if (!bytes || std::memcmp(bytes, kProofMagic, sizeof kProofMagic) != 0) return std::nullopt;
  return FileProof{Get<int64_t>(bytes, kKeptTime), Get<int64_t>(bytes, kWriteBegan),
                   Get<uint64_t>(bytes, kVolume), Get<uint64_t>(bytes, kIndex)};
}

bool ProvesFile(const FileProof& proof, const std::wstring& path, fs::File& file) {
  const std::optional<fs::FileIdentity> identity = fs::IdentifyFile(path);
  if (!identity || identity->volume != proof.volume || identity->index != proof.index) {
    return false;
  }
  const int64_t time = file.LastWriteTime();
  if (time == proof.kept_time) return true;
  return proof.write_began != 0 && time >= proof.write_began - kWriteTimeSlack &&
         time <= proof.write_began + kWriteTimeSlack;
}

TimeKeptFile::TimeKeptFile(fs::File& file, const std::wstring& path, MoveRecord& record)
    : SeamBlockFile(file), file_(file), record_(record) {
  const std::optional<fs::FileIdentity> identity = fs::IdentifyFile(path);
  const int64_t time = file_.LastWriteTime();
  if (!identity || time < 0) return;
  proof_ = FileProof{time, 0, identity->volume, identity->index};
  WriteFileProof(record_, *proof_);
}

template <typename Change>
bool TimeKeptFile::Kept(const Change& change) {
  if (!proof_) return change();
  proof_->write_began = fs::FileTimeNow();
  WriteFileProof(record_, *proof_);
  const bool changed = change();
  const bool kept = file_.SetLastWriteTime(proof_->kept_time);
  proof_->write_began = 0;
  WriteFileProof(record_, *proof_);
  return changed && kept;
}

bool TimeKeptFile::WriteAt(int64_t offset, const uint8_t* buffer, int64_t length) {
  return Kept([&] { return SeamBlockFile::WriteAt(offset, buffer, length); });
}

bool TimeKeptFile::SetLength(int64_t length) {
  return Kept([&] { return SeamBlockFile::SetLength(length); });
}

void TimeKeptFile::MarkChangedNow() {
  if (!proof_) return;
  // Told as a write of its own first, so that a stop before the record ends
  // still finds the file at a time of the program's.
  proof_->write_began = fs::FileTimeNow();
  WriteFileProof(record_, *proof_);
  // On the disk before the time it tells of: a power cut that keeps the
  // time must find the record saying it is the program's. Without that,
  // the file keeps the time the record holds.
  if (record_.WriteThrough()) file_.SetLastWriteTime(proof_->write_began);
}

}  // namespace vx
