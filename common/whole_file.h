// Files written whole: the settings, the font list, the view options, the
// bookmarks, the installers' list file, the backup and the setup's copies.
// Each is written under a temporary name beside its place, flushed, and put
// in place by a write-through rename, so that after a power cut its name
// holds the old file or the new one, never a torn one. A temporary that a
// cut left behind is never read, and the next write of the file writes it
// afresh.
#pragma once

#include <string>
#include <string_view>

namespace vx {

// The temporary name beside `path` that a whole write goes through.
std::wstring WholeFileTempName(const std::wstring& path);

// Writes `bytes` as the whole of `path`; true when `path` holds them. A
// missing folder is not made. A failure leaves `path` as it was.
bool WriteWholeFile(const std::wstring& path, std::string_view bytes);

// Puts the finished file `temp` in the place of `path`: flushed first, then
// renamed through, replacing an older `path`. A failure removes `temp` and
// leaves `path` as it was; `system_error`, when given, receives the
// system's code for why.
bool PutWholeFileInPlace(const std::wstring& temp, const std::wstring& path,
                         int* system_error = nullptr);

// Writes what the system still holds of the file `name` through to the disk.
bool FlushFile(const std::wstring& name);

}  // namespace vx
