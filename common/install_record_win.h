// The registry part of the installation record, written by the setup and
// read and removed by the uninstaller, one value at a time as their steps
// need them. The names are those of install_record.h.
#pragma once

#include <cstdint>
#include <string>

#include "common/reg_edit_win.h"

namespace vx::install_record {

// Writes one of the four values; an empty text is stored as the empty text.
// The status of the write (0 on success).
LONG WriteRecordValue(const RegEdit& reg, const wchar_t* ValueName, const std::wstring& text);
// Reads one of the four values; empty when it is missing. Like every read
// of the registry class, this makes the record key when it is missing.
std::wstring ReadRecordValue(const RegEdit& reg, const wchar_t* ValueName);
// The same, but a missing record key stays missing: a setup that is
// cancelled leaves no trace.
std::wstring PeekRecordValue(const RegEdit& reg, const wchar_t* ValueName);
// Deletes one of the four values: -1 when it was not there, else 0.
int EraseRecordValue(const RegEdit& reg, const wchar_t* ValueName);
// Deletes the record key with whatever is left in it: -1 when it failed.
int EraseRecordKey(RegEdit& reg);

// Makes the installed-programs entry of an install in InstallFolder (ending
// in "\") whose files take SizeKb, removed by UninstallerFile.
void RegisterInstalledProgram(const RegEdit& reg, const std::wstring& InstallFolder,
                              const std::wstring& UninstallerFile, uint32_t SizeKb);
// Removes that entry, values and all.
void UnregisterInstalledProgram(RegEdit& reg);

}  // namespace vx::install_record
