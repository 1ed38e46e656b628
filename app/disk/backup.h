// The backup copy made before the first change of a file, the disk speed
// test that decides whether to ask first, and the restore.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "app/edit/progress_callback.h"
#include "app/file/edited_file.h"

namespace vx {

// The folder of `path` + its name before the last dot + all of `suffix`
// (trailing blank included) + "." + the lower-cased rest of its name; a name
// without a dot gets the suffix alone. Every name has a backup of its own.
std::wstring BackUpPathFor(const std::wstring& path, const std::wstring& suffix);

// The disk test. Writing into a fresh file pays for the system's finding
// pages for it, a cost that follows the machine's state from one second to
// the next: separate runs of the program measured the same disk up to twice
// as fast as each other. Overwriting a file already whole varies about as
// little as copying memory does. So the test first writes "Dummy.dat" whole,
// untimed, then times rounds of a few writes over it, back to back (after a
// pause other programs have taken the caches, and every round pays for
// that), and counts the mean of the quickest round, as a busy moment only
// slows a round down. The rounds go on for a set time rather than a set
// count: the longer they go on, the likelier one of them falls in a quiet
// moment (24 rounds, 3 ms on a fast disk, gave estimates up to 25 % apart
// from one run of the program to the next, 50 ms of rounds 10 to 20 %), and
// a slow disk, whose rounds take long, is not held up for many of them. The
// test stays short enough that the window need not answer the system
// meanwhile; a longer one would not help much, as a machine's own speed
// changes by about a tenth in steps that last seconds.
inline constexpr double kSpeedTestSeconds = 0.05;
inline constexpr int kWritesPerRound = 4;

// Seconds that writing 1,000,001 bytes to a fresh "Dummy.dat" in `folder`
// takes, once the file is whole: the mean write of the quickest round of
// those timed by PreciseSeconds() until kSpeedTestSeconds have passed, at
// least one. 0 when the file could not be made; the file is gone afterwards.
double TestWriteSeconds(const std::wstring& folder);

// The estimated copying time in seconds for `file_size` bytes at the
// measured speed, and the question asked when it is above kBackUpAskSeconds.
inline constexpr double kBackUpAskSeconds = 2;
double BackUpSeconds(int64_t file_size, double test_write_seconds);
std::wstring BackUpQuestion(double seconds);

// The question asked when the backup's drive has `free_bytes` left and the
// copy needs `needed_bytes`.
std::wstring BackUpNoRoomQuestion(int64_t needed_bytes, int64_t free_bytes);

enum class BackUpOutcome {
  Made,       // the Restore command becomes available
  Declined,   // the size question was answered No; the change goes ahead
  Skipped,    // no room or the copy failed, and the user chose to go on
  Cancelled,  // no room or the copy failed, and the user chose not to: drop the change
};

// Checks that the backup's drive has room for the copy and asks whether to
// go on without one when it has not, so that no copy fills the disk and
// fails half way. Then measures the disk by a test write in
// `speed_test_folder`, asks when the copy would take long, copies with
// `progress` and asks whether to go on when the copy failed. The copy is made under a temporary
// name and takes the backup's name only when whole, so a copy cut short leaves the earlier backup,
// if any, as it was.
BackUpOutcome MakeBackUp(const EditedFile& file, int64_t file_size, const std::wstring& suffix,
                         const std::wstring& speed_test_folder, const ProgressCallback& progress);

enum class RestoreOutcome { Restored, NoBackUp, Failed };

// The file is replaced by a copy of its backup in one step, so that at every
// moment one of them holds the data; the backup stays.
RestoreOutcome RestoreFromBackUp(const EditedFile& file, const std::wstring& backup_path,
                                 const std::function<void()>& between_blocks = {});

}  // namespace vx
