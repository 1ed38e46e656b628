// The files the editor keeps in its settings folder, named once: the editor
// writes them, and the uninstaller removes exactly these (with the
// temporary a write cut short may leave beside each).
#pragma once

namespace vx {

inline constexpr wchar_t kSettingsRecordName[] = L"Setting.dat";
inline constexpr wchar_t kFontListName[] = L"FontData.dat";
inline constexpr wchar_t kViewSettingsName[] = L"ViewSetting.ini";
inline constexpr wchar_t kBookmarkFileName[] = L"Bookmarks.dat";
// The disk speed test's scratch file, before the first backup.
inline constexpr wchar_t kDiskSpeedTestName[] = L"Dummy.dat";
// The undo journal's data files: the prefix, a process number, a count and
// the extension of the recovery records.
inline constexpr wchar_t kJournalDataPrefix[] = L"Journal";

}  // namespace vx
