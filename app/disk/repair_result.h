// What the next start's repair of one left edit came to, for every kind of
// move the disk engine records.
#pragma once

namespace vx {

enum class RepairResult {
  After,         // the edit is finished
  Before,        // the edit is taken back
  NotMatching,   // the file is not as the record left it: nothing was touched
  Unfit,         // the record's plan is not one of this program's: nothing was touched
  Unprovable,    // a record of an earlier version, which cannot prove the file: nothing was touched
  Failed,        // a read or write failed; the record says how far it got
  DataUnusable,  // a range's data file, needed, is missing or changed: nothing was touched
};

}  // namespace vx
