// Every failure message of the editing commands comes from here: the
// command that failed, the cause that travelled up from the call that failed
// (the system's code taken there, or the engine's own reason) and the names
// it concerns, put together from the one table of failure_texts.h.
#pragma once

#include <string>
#include <utility>

#include "common/file_seam.h"

namespace vx {

enum class FailedCommand {
  Insert,
  Delete,
  Overwrite,
  Paste,
  PasteOver,
  Cut,
  Fill,
  Undo,
  Redo,
  Replace,
  ReplaceAll,
  Copy,
};

// Where the failure happened: the edited file, or one of the program's own
// files in the settings folder, or the clipboard.
enum class FailedPlace { File, RecoveryRecord, JournalData, Clipboard };

enum class FailureCause {
  Unknown,  // nothing tells why
  DiskFull,
  InUse,
  Missing,
  Denied,
  Shortened,         // shorter than the bytes it must hold: changed by another program
  Changed,           // no longer holds what this program wrote there
  OtherCopyEditing,  // another copy of the program is moving the file's bytes now
  Other,             // the system's words tell why
};

struct Failure {
  Failure(FailureCause cause = FailureCause::Unknown, FailedPlace place = FailedPlace::File,
          std::wstring name = {}, int system_code = 0, bool unchanged = false)
      : cause(cause),
        place(place),
        name(std::move(name)),
        system_code(system_code),
        unchanged(unchanged) {}

  FailureCause cause;
  FailedPlace place;
  std::wstring name;  // the file that failed; none for the clipboard
  int system_code;    // for Other: the code whose words are shown
  bool unchanged;     // the edited file is exactly as before
};

// The failure of a system call that left `code`, at `place` `name`.
Failure SystemFailure(int code, FailedPlace place, std::wstring name);

// The drive (or share) a file is on, as a person names it: "C:" or
// "\\server\share".
std::wstring DriveOf(const std::wstring& name);

// The message: the command's line, the cause's line naming the place (and
// for a full disk its drive), the name, and whether the file is unchanged.
std::wstring FailureMessage(FailedCommand command, const Failure& failure);
// The same without the command's line: a refusal before any command is
// known (the file may not be changed now).
std::wstring RefusalMessage(const Failure& failure);

}  // namespace vx
