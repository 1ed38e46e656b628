// PLACEHOLDER until the crash-safe range move lands: same interface, no record.
#pragma once

#include <cstdint>
#include <string>

#include "app/edit/block_file.h"
#include "app/edit/move_record.h"
#include "app/edit/progress_callback.h"
#include "app/file/edited_file.h"

namespace vx {

struct RangeData {
  BlockFile* file = nullptr;
  std::wstring name;
  int64_t old_at = 0;
  int64_t new_at = 0;
  bool repeated = false;
  uint8_t value = 0;
};

bool ReplaceInFile(const EditedFile& file, int64_t at, int64_t removed, int64_t inserted,
                   const RangeData& data, const ProgressCallback& progress,
                   const std::wstring& backup_path, RecordedCommand command = RecordedCommand::Itself);

}  // namespace vx
