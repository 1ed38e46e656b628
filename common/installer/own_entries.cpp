#include "common/installer/own_entries.h"

#include <algorithm>

#include "common/install_record.h"
#include "common/installer/distribution_files.h"
#include "common/installer/installed_names.h"
#include "common/recovery_record_names.h"
#include "common/settings_file_names.h"
#include "common/text_case.h"
#include "common/whole_file.h"

namespace vx::installed_names {
namespace {

constexpr const wchar_t* kSettingsFiles[] = {kSettingsRecordName, kFontListName, kViewSettingsName,
                                             kBookmarkFileName, kDiskSpeedTestName};

// A file written whole, or the temporary a write of it cut short left.
bool IsWholeFileOrItsTemporary(std::wstring_view name, std::wstring_view own) {
  return SameName(name, own) || SameName(name, WholeFileTempName(std::wstring(own)));
}

bool StartsWithNoCase(std::wstring_view text, std::wstring_view start) {
  return text.size() >= start.size() && SameName(text.substr(0, start.size()), start);
}

// A folder that holds a file of the distribution ("Vanteloxヘルプ\").
bool IsDistributionFolder(std::wstring_view relative) {
  return std::any_of(std::begin(kDistributionFiles), std::end(kDistributionFiles),
                     [&](std::wstring_view file) {
                       return file.size() > relative.size() && StartsWithNoCase(file, relative);
                     });
}

}  // namespace

bool IsSettingsFileName(std::wstring_view name) {
  if (std::any_of(std::begin(kSettingsFiles), std::end(kSettingsFiles),
                  [&](std::wstring_view own) { return IsWholeFileOrItsTemporary(name, own); })) {
    return true;
  }
  const std::wstring_view journal = kJournalDataPrefix;
  const std::wstring_view extension = kRecoveryRecordExtension;
  const bool is_journal = name.size() > journal.size() + extension.size() &&
                          name.starts_with(journal) && name.ends_with(extension);
  return is_journal || IsRecoveryRecordName(name);
}

bool IsDistributionName(std::wstring_view relative) {
  return std::any_of(std::begin(kDistributionFiles), std::end(kDistributionFiles),
                     [&](std::wstring_view file) { return SameName(relative, file); });
}

bool IsSetupLeftoverName(std::wstring_view relative) {
  for (std::wstring_view suffix : {kFreshSuffix, kEarlierSuffix}) {
    if (relative.size() > suffix.size() &&
        SameName(relative.substr(relative.size() - suffix.size()), suffix) &&
        IsDistributionName(relative.substr(0, relative.size() - suffix.size()))) {
      return true;
    }
  }
  return false;
}

bool IsOwnInstallEntry(std::wstring_view relative, const std::vector<std::wstring>& listed,
                       bool list_whole) {
  const std::wstring_view settings = kSettingsFolder;
  if (relative.ends_with(L'\\')) {
    return SameName(relative, settings) || IsDistributionFolder(relative);
  }
  if (IsWholeFileOrItsTemporary(relative, install_record::kListFileName) ||
      IsSetupLeftoverName(relative)) {
    return true;
  }
  if (StartsWithNoCase(relative, settings)) {
    const std::wstring_view name = relative.substr(settings.size());
    return name.find(L'\\') == std::wstring_view::npos && IsSettingsFileName(name);
  }
  return IsDistributionName(relative) &&
         (!list_whole || std::any_of(listed.begin(), listed.end(), [&](const std::wstring& file) {
           return SameName(relative, file);
         }));
}

}  // namespace vx::installed_names
