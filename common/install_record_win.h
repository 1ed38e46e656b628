// The registry part of the installation record, written by the setup and
// read and removed by the uninstaller, one value at a time as their steps
// need them. The names are those of install_record.h.
#pragma once

#include <cstdint>
#include <string>

#include "common/registry_win.h"

namespace vx::install_record {

// Writes one of the four values (`name`); an empty text is stored as the
// empty text. The status of the write (0 on success).
LONG WriteRecordValue(const Registry& registry, const wchar_t* name, const std::wstring& text);
// Reads one of the four values; empty when it is missing. Like every read
// of the registry class, this makes the record key when it is missing.
std::wstring ReadRecordValue(const Registry& registry, const wchar_t* name);
// The same, but a missing record key stays missing: a setup that is
// cancelled leaves no trace.
std::wstring PeekRecordValue(const Registry& registry, const wchar_t* name);
// Deletes one of the four values; false when it was not there.
bool DeleteRecordValue(const Registry& registry, const wchar_t* name);
// Deletes the record key with whatever is left in it; false when it failed.
bool DeleteRecordKey(const Registry& registry);

// Makes the installed-programs entry of an install in `install_folder`
// (ending in "") whose files take `size_kb`, removed by `uninstaller`.
void RegisterInstalledProgram(const Registry& registry, const std::wstring& install_folder,
                              const std::wstring& uninstaller, uint32_t size_kb);
// The install folder that entry names, as written; empty when there is no
// entry (which stays missing). Only an administrator can write it: it is
// what proves a recorded install folder the setup's.
std::wstring RegisteredInstallFolder();
// Removes that entry, values and all.
void UnregisterInstalledProgram(const Registry& registry);

}  // namespace vx::install_record
