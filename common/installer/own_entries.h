// What the setup and the program make in the places the uninstaller
// clears, by name. Whatever else is found there is a person's: it is named
// and kept unless the person agrees. Names only: whether an entry is a
// plain file (no link, one name) is the removal rule's question.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vx::installed_names {

// Beside a file's place while the setup installs it: the new copy until
// every file has arrived, then the earlier install's copy until the install
// is kept. A setup stopped half way leaves them; the next run takes them.
inline constexpr wchar_t kFreshSuffix[] = L".VXNew";
inline constexpr wchar_t kEarlierSuffix[] = L".VXOld";

// The files the program writes into a settings folder: its settings, the
// font list, the disk-speed test's file, and the records and journals of
// its edits ("Recovery…dat", "Journal…dat").
bool IsSettingsFileName(std::wstring_view name);

// `relative` (below the install folder, letters in any case) is a file of
// the distribution.
bool IsDistributionName(std::wstring_view relative);

// `relative` is a file of the distribution with the setup's ".VXNew" or
// ".VXOld" after it.
bool IsSetupLeftoverName(std::wstring_view relative);

// `relative` (below the install folder; a folder with a final "\") is an
// entry the setup or the program makes there: a file of the distribution
// that is on `listed` (relative names; any file of the distribution when
// the list is lost or unreadable, `list_whole` false), a setup leftover,
// the list file, a settings file in the settings folder beside the
// program, or one of the folders that hold them.
bool IsOwnInstallEntry(std::wstring_view relative, const std::vector<std::wstring>& listed,
                       bool list_whole);

}  // namespace vx::installed_names
