// The backup copy made before the first change of a file, the disk speed
// test that decides whether to ask first, and the restore.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "app/edit/prog.h"

namespace vx {

// Folder of FileName + its name before the last dot + all of BackUpSuffix
// (trailing blank included) + "." + the lower-cased rest of its name; a name
// without a dot gets the suffix alone. Every name has a backup of its own.
std::wstring GetBackUpName(const std::wstring& FileName, const std::wstring& BackUpSuffix);

// Seconds that writing 1,000,001 bytes to "Dummy.dat" in SettingsFolder
// took by MilliSeconds(), or 0 when the file could not be made.
double CheckFileSpeed(const std::wstring& SettingsFolder);

// The estimated copying time in seconds for FileSize bytes at the measured
// speed, and the question asked when it is above kBackUpAskSeconds.
inline constexpr double kBackUpAskSeconds = 2;
double BackUpSeconds(int64_t FileSize, double speed_seconds);
std::wstring BackUpQuestion(double seconds);

enum class BackUpOutcome {
  Made,       // the Restore command becomes available
  Declined,   // the size question was answered No; the change goes ahead
  Skipped,    // the copy failed and the user chose to go on
  Cancelled,  // the copy failed and the user chose not to: drop the change
};

// BackUp: measures, asks when the copy would take long, copies with Prog and
// asks whether to go on when the copy failed. The copy is made under a
// temporary name and takes the backup's name only when whole, so a copy cut
// short leaves the earlier backup, if any, as it was.
BackUpOutcome BackUp(const std::wstring& FileName, int64_t FileSize,
                     const std::wstring& BackUpSuffix, const std::wstring& SettingsFolder,
                     const ProgFunction& Prog);

enum class RestoreOutcome { Restored, NoBackUp, Failed };

// The file part of ReflectBackUp: the file is replaced by a copy of its
// backup in one step, so that at every moment one of them holds the data;
// the backup stays.
RestoreOutcome RestoreFromBackUp(const std::wstring& FileName, const std::wstring& BackUpName,
                                 const std::function<void()>& between_blocks = {});

}  // namespace vx
