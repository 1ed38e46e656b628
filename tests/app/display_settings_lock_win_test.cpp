// Settings files the program may read but not write, as Windows makes them:
// a record held by another program, and a program folder nobody may change
// (under Wine, an immutable Linux folder, as a standard user sees the
// program-files folder). The readable record is read, and the settings are
// kept in the user's own folder without a message.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/program_globals.h"
#include "app/settings/display_settings.h"
#include "app/settings/settings_folder.h"
#include "app/settings/settings_record.h"
#include "common/file_seam.h"
#include "tests/support/message_recorder.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/settings_files.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_driver_win.h"

namespace vx {
namespace {

// Whether `name` (a file, or a folder: a file made in it) can be written now.
bool Writable(const std::wstring& name) {
  if (fs::FileExists(name))
    return static_cast<bool>(fs::OpenFile(name, false, fs::Share::ReadWrite));
  // A name not there yet: a probe made just before the folder froze stays.
  std::wstring probe = name + L"\\probe";
  while (fs::FileExists(probe)) probe += L"_";
  const bool made = static_cast<bool>(fs::OpenFile(probe, true, fs::Share::ReadWrite));
  fs::RemoveFile(probe);
  return made;
}

// Runs "chattr +i" (immutable) or "chattr -i" on the Linux name of `name`;
// false when that cannot be done (not under Wine, not root, a file system
// without the flag). Wine may report a Unix program's end before it is
// over: done is when the file or folder is as asked.
bool Chattr(bool immutable, const std::wstring& name) {
  using Translate = char* (*)(const wchar_t*);
  const auto translate = reinterpret_cast<Translate>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
  if (!translate) return false;
  char* unix_name = translate(name.c_str());
  if (!unix_name) return false;
  const std::string path(unix_name);
  HeapFree(GetProcessHeap(), 0, unix_name);
  std::wstring line = std::wstring(L"chattr ") + (immutable ? L"+i" : L"-i") + L" \"" +
                      std::wstring(path.begin(), path.end()) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(L"Z:\\usr\\bin\\chattr", line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return false;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return test::Eventually([&] { return Writable(name) != immutable; });
}

class ReadOnlySettings : public testing::Test {
 protected:
  ReadOnlySettings() : saved_folder_(ProgramFolder) {
    ProgramFolder = dir_ / L"prog\\";
    fs::MakeFolder(ProgramFolder);
    fs::MakeFolder(ProgramFolder + L"VXSetting");
    stored_.BytesPerLine = 32;
    test::WriteFileBytes(beside_, test::EncodedSettings(stored_));
    SetFolderWriteCheck({});
  }
  ~ReadOnlySettings() override {
    // Before the scratch folder goes: an immutable one could not.
    for (auto at = immutable_.rbegin(); at != immutable_.rend(); ++at) Chattr(false, *at);
    ProgramFolder = saved_folder_;
    SetDefaultSettings();
    SetFolderWriteCheck({});
  }

  // Loads, changes one value and saves, as a run of the program does.
  void RunOnce() {
    SetDefaultSettings();
    LoadSettings();
    EXPECT_EQ(DisplaySettings, stored_);
    DisplaySettings.LinesPerPage = 64;
    SaveSettings();
    EXPECT_TRUE(messages_.shown().empty());
    DisplaySettingsRecord changed = stored_;
    changed.LinesPerPage = 64;
    EXPECT_EQ(test::ReadFileBytes(user_ + L"Setting.dat"), test::EncodedSettings(changed));
    EXPECT_EQ(ReadOnly(beside_), test::EncodedSettings(stored_));
  }

  static std::vector<uint8_t> ReadOnly(const std::wstring& name) {
    fs::File f = fs::OpenFileForReading(name);
    std::vector<uint8_t> bytes(kSettingsRecordSize);
    bytes.resize(static_cast<size_t>(std::max<int64_t>(0, f.ReadAt(0, bytes.data(), 1000))));
    return bytes;
  }

  bool MakeImmutable(const std::wstring& name) {
    if (!Chattr(true, name)) return false;
    immutable_.push_back(name);
    return true;
  }

  test::TempFolder dir_;
  std::vector<std::wstring> immutable_;
  test::ScopedEnvironment appdata_{L"APPDATA", dir_ / L"appdata"};
  test::MessageRecorder messages_;
  const std::wstring beside_ = dir_ / L"prog\\VXSetting\\Setting.dat";
  const std::wstring user_ = dir_ / L"appdata\\Morvane Soft\\Vantelox\\VXSetting\\";
  DisplaySettingsRecord stored_ = DefaultSettings();

 private:
  std::wstring saved_folder_;
};

TEST_F(ReadOnlySettings, ARecordHeldByAnotherProgramIsReadAndTheSettingsKeptElsewhere) {
  fs::File holder = fs::OpenFile(beside_, false, fs::Share::Read);
  ASSERT_TRUE(holder);
  RunOnce();
}

TEST_F(ReadOnlySettings, AnImmutableProgramFolderIsReadAndTheSettingsKeptElsewhere) {
  ASSERT_TRUE(MakeImmutable(beside_)) << "chattr +i needs root under Wine";
  ASSERT_TRUE(MakeImmutable(ProgramFolder + L"VXSetting"));
  RunOnce();
}

}  // namespace
}  // namespace vx
