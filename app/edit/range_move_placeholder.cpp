// PLACEHOLDER until the crash-safe range move lands.
#include <algorithm>
#include <vector>

#include "app/edit/range_move.h"
#include "app/edit/edit_texts.h"
#include "common/message_box.h"

namespace vx {

bool ReplaceInFile(const EditedFile& edited, int64_t at, int64_t removed, int64_t inserted,
                   const RangeData& data, const ProgressCallback&, const std::wstring&,
                   RecordedCommand) {
  fs::File file = edited.OpenToMove();
  if (!file) return false;
  const int64_t length = file.Length();
  if (at < 0 || removed < 0 || inserted < 0 || at + removed > length) return false;
  const int64_t step = inserted - removed;
  const int64_t from = at + removed, count = length - from;
  std::vector<uint8_t> block(4096);
  if (step > 0) {
    file.SetLength(length + step);
    for (int64_t moved = 0; moved < count;) {
      const int64_t n = std::min<int64_t>(4096, count - moved);
      const int64_t src = from + count - moved - n;
      file.ReadAt(src, block.data(), n);
      file.WriteAt(src + step, block.data(), n);
      moved += n;
    }
  } else if (step < 0) {
    for (int64_t moved = 0; moved < count;) {
      const int64_t n = std::min<int64_t>(4096, count - moved);
      file.ReadAt(from + moved, block.data(), n);
      file.WriteAt(from + moved + step, block.data(), n);
      moved += n;
    }
    file.SetLength(length + step);
  }
  for (int64_t done = 0; done < inserted;) {
    const int64_t n = std::min<int64_t>(4096, inserted - done);
    if (data.repeated) std::fill_n(block.begin(), n, data.value);
    else data.file->ReadAt(data.new_at + done, block.data(), n);
    file.WriteAt(at + done, block.data(), n);
    done += n;
  }
  return file.Flush();
}

}  // namespace vx
