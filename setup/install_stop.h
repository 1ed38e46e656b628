// A test seam: where the install may be stopped as a killed setup stops —
// at once, with nothing taken back and nothing more done — so that tests
// can show that a second setup run, or the uninstaller, finishes or undoes
// a setup stopped at any step. The programs never set it.
#pragma once

#include <functional>

namespace vx::setup {

// The install's steps, in the order they happen; the first three once for
// each file of the distribution.
enum class InstallStep {
  Registered,         // the install folder recorded, before anything is copied
  FreshCopied,        // a file copied beside its place (".VXNew")
  MovedAside,         // an earlier file stepped aside (".VXOld")
  Placed,             // a file in its place
  ListWritten,        // the list of copied files
  UninstallerPlaced,  // the uninstaller in the Windows folder
  RecordWritten,      // the record's other values and the shortcuts
  Kept,               // the earlier files gone: the install is whole
};

// Answers whether the install stops at `step`; an empty one never stops.
using InstallStop = std::function<bool(InstallStep step)>;
void SetInstallStop(InstallStop stop);

// The install stops here.
bool StopsAt(InstallStep step);

}  // namespace vx::setup
