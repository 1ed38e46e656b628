// The one removal rule on the machine: in every place the uninstaller
// clears, what the person put there is named and survives unless agreed to,
// and then only into the recycle bin; links are never followed; the record
// stays while anything it names stays; a setup stopped at any step is
// finished by a second setup or undone by the uninstaller.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "common/environment.h"
#include "common/file_seam.h"
#include "common/installer/special_folder_win.h"
#include "common/shell_link.h"
#include "common/ui/controls_win.h"
#include "common/uninstall_data.h"
#include "setup/install_stop.h"
#include "tests/installers/removal_fixture_win.h"
#include "tests/support/program_driver_win.h"
#include "tests/support/registry_view_win.h"
#include "uninstall/recycle_bin_win.h"
#include "uninstall/uninstall_texts.h"

namespace vx::test {
namespace {

const wchar_t kKeepFolder[] = L"C:\\vxkeep\\";

// The person's own files outside every place, which links lead to.
Keepsake PersonsFiles() {
  return {kKeepFolder, {L"photos\\a.jpg", L"budget.xls", L"hard.txt", L"precious.txt"}};
}

// What the uninstaller said, for a failure's trace.
std::string Readable(const Texts& said) {
  std::string text;
  for (const std::wstring& message : said) {
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, message.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(bytes > 0 ? bytes - 1 : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, message.c_str(), -1, utf8.data(), bytes, nullptr, nullptr);
    text += "[" + utf8 + "]";
  }
  return text;
}

// The trash holds a file whose name starts so (the trash numbers a name it
// already had).
bool InTrash(const std::wstring& start) {
  const Texts trash = FolderContents(TrashFiles());
  return std::any_of(trash.begin(), trash.end(),
                     [&](const std::wstring& name) { return name.starts_with(start); });
}

bool Exists(const std::wstring& name) { return fs::FileExists(name) || fs::FolderExists(name); }

std::wstring UsersSettingsFolder() {
  return SpecialFolderPath(nullptr, kAppDataFolderId) + L"Morvane Soft\\Vantelox\\VXSetting\\";
}

// A whole install with both shortcuts, as a first setup run leaves it.
void ExpectWholeInstall() {
  const std::wstring installed = DefaultInstallFolder();
  EXPECT_EQ(FolderContents(installed),
            (Texts{L"UnInstallData.Dat", L"Vantelox.exe", L"Vanteloxヘルプ\\"}));
  EXPECT_EQ(FolderContents(installed + L"Vanteloxヘルプ\\").size(),
            ReadUninstallData(installed + L"UnInstallData.Dat").paths.size() - 1);
  auto record = RegQueryValues(kRecordKeyPath);
  EXPECT_EQ(record[L"InstallDir"], installed);
  EXPECT_EQ(record.size(), 4u);
  EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kProgramEntryKey));
  EXPECT_TRUE(fs::FileExists(InstalledUninstaller()));
  EXPECT_TRUE(fs::FileExists(DesktopShortcut()));
  EXPECT_TRUE(fs::FileExists(SendToShortcut()));
  EXPECT_EQ(FolderContents(ProgramMenuMakerFolder() + L"Vantelox\\").size(), 3u);
}

// The machine as it was before any install.
void ExpectNothingInstalled() {
  EXPECT_FALSE(fs::FolderExists(ProgramFilesMakerFolder()));
  EXPECT_FALSE(fs::FolderExists(ProgramMenuMakerFolder()));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kRecordKey));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kProgramEntryKey));
  EXPECT_FALSE(fs::FileExists(InstalledUninstaller()));
  EXPECT_FALSE(fs::FileExists(DesktopShortcut()));
  EXPECT_FALSE(fs::FileExists(SendToShortcut()));
}

// A place the uninstaller clears, found on this machine.
struct PlaceCase {
  const char* name;
  std::wstring (*folder)();
};

const PlaceCase kPlaces[] = {
    {"InstallFolder", [] { return DefaultInstallFolder(); }},
    {"HelpFolder", [] { return DefaultInstallFolder() + L"Vanteloxヘルプ\\"; }},
    {"SettingsBesideTheProgram", [] { return DefaultInstallFolder() + L"VXSetting\\"; }},
    {"UsersSettings", UsersSettingsFolder},
    {"ProgramMenu", [] { return ProgramMenuMakerFolder() + L"Vantelox\\"; }},
};

class EveryPlaceTest : public RemovalMachineTest, public testing::WithParamInterface<PlaceCase> {
 protected:
  // Installs, then puts the person's entries into the place: a file, a
  // folder with a file, links to a folder and to a file of the person's, a
  // second name of a person's file, and a shortcut that looks like the
  // setup's but leads elsewhere.
  void InstallWithPersonsEntries() {
    Install(MakeSetupFolder(), {true, true});
    folder_ = GetParam().folder();
    ASSERT_TRUE(MakeFolders(folder_ + L"notes\\"));
    WriteFileBytes(folder_ + L"diary.txt", {'d'});
    WriteFileBytes(folder_ + L"notes\\n1.txt", {'n'});
    MakePosixLink(kKeepFolder + std::wstring(L"photos"), folder_ + L"linked photos");
    MakePosixLink(kKeepFolder + std::wstring(L"budget.xls"), folder_ + L"linked budget.xls");
    ASSERT_TRUE(CreateHardLinkW((folder_ + L"hard.txt").c_str(),
                                (kKeepFolder + std::wstring(L"hard.txt")).c_str(), nullptr));
    const std::wstring windows = WithFolderMark(GetEnvironmentText(L"WINDIR"));
    ASSERT_TRUE(WriteShellLink(folder_ + L"Vantelox.lnk", windows + L"notepad.exe"));
  }
  // The person's plain entries, and the links.
  Texts Plain() const {
    return {folder_ + L"diary.txt", folder_ + L"notes\\n1.txt", folder_ + L"hard.txt",
            folder_ + L"Vantelox.lnk"};
  }
  Texts Links() const { return {folder_ + L"linked photos", folder_ + L"linked budget.xls"}; }
  void SetUp() override {
    RemovalMachineTest::SetUp();
    keep_.Make();
  }
  void TearDown() override {
    RemoveTree(kKeepFolder);
    const std::wstring maker = SpecialFolderPath(nullptr, kAppDataFolderId) + L"Morvane Soft\\";
    if (fs::FolderExists(maker)) RemoveTree(maker);
    RemovalMachineTest::TearDown();
  }

  Keepsake keep_ = PersonsFiles();
  std::wstring folder_;
};

// Kept: every entry is named, survives, and nothing else holds the record.
TEST_P(EveryPlaceTest, ThePersonsEntriesAreNamedAndKept) {
  InstallWithPersonsEntries();
  on_message = [](const MessageRequest& request) {
    return request.buttons == MsgButtons::YesNoCancel ? MsgAnswer::No : MsgAnswer::Yes;
  };
  const Texts said = Uninstall();
  ASSERT_EQ(said.size(), 3u);
  for (const Texts& names : {Plain(), Links()}) {
    for (const std::wstring& name : names) {
      EXPECT_TRUE(Holds(said[1], L"\r\n" + name + L"\r\n")) << name << said[1];
      EXPECT_TRUE(Exists(name)) << name;
    }
  }
  EXPECT_EQ(said[2], kUninstalled);
  keep_.ExpectWhole();
  EXPECT_FALSE(fs::FileExists(DefaultInstallFolder() + L"Vantelox.exe"));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kRecordKey));
  for (const std::wstring& link : Links()) RemovePosixLink(link);
}

// Agreed: the plain entries go into the bin, the links (which Wine cannot
// remove as themselves) stay, are named, and keep the record and the
// uninstaller; once the person removed them, a second run finishes.
TEST_P(EveryPlaceTest, AgreedEntriesGoIntoTheBinAndASecondRunFinishes) {
  InstallWithPersonsEntries();
  on_message = [](const MessageRequest&) { return MsgAnswer::Yes; };
  uninstall::SetRecycleBinCheck([](const std::wstring&) { return true; });
  Texts said = Uninstall();
  uninstall::SetRecycleBinCheck({});
  SCOPED_TRACE(Readable(said));
  ASSERT_EQ(said.size(), 4u);
  for (const std::wstring& name : Plain()) EXPECT_FALSE(Exists(name)) << name;
  EXPECT_TRUE(InTrash(L"diary"));
  for (const std::wstring& link : Links()) {
    if (Exists(link)) {
      EXPECT_TRUE(Holds(said[2], link)) << said[2];
    }
  }
  EXPECT_TRUE(Holds(said[2], L"インストール情報は残しました")) << said[2];
  EXPECT_EQ(said[3], kSomeLeft);
  keep_.ExpectWhole();
  EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kProgramEntryKey));
  EXPECT_TRUE(fs::FileExists(InstalledUninstaller()));

  for (const std::wstring& link : Links()) {
    if (Exists(link)) RemovePosixLink(link);
  }
  said = Uninstall();
  ASSERT_EQ(said.size(), 3u);
  EXPECT_EQ(said[1], uninstall_texts::kSecondQuestion);
  EXPECT_EQ(said[2], kUninstalled);
  EXPECT_FALSE(fs::FolderExists(folder_));
  ExpectNothingInstalled();
  keep_.ExpectWhole();
}

INSTANTIATE_TEST_SUITE_P(Places, EveryPlaceTest, testing::ValuesIn(kPlaces),
                         [](const testing::TestParamInfo<PlaceCase>& info) {
                           return std::string(info.param.name);
                         });

// The uninstaller's file in the Windows folder goes only when it is the
// very file that runs: a link put in its place, run through or not, and a
// copy that is not the running one are named and kept.
TEST_F(RemovalMachineTest, TheUninstallersOwnFileGoesOnlyWhenItIsTheOneRunning) {
  Keepsake keep = PersonsFiles();
  keep.Make();
  const std::wstring windows_copy = InstalledUninstaller();
  const std::wstring elsewhere = scratch / L"UnInstallVantelox.exe";
  const struct {
    const char* what;
    bool link;
    std::wstring running;
    bool goes;
  } cases[] = {
      {"a link, run through", true, windows_copy, false},
      {"a link, run from elsewhere", true, elsewhere, false},
      {"a copy, the running one elsewhere", false, elsewhere, false},
      {"the running one", false, windows_copy, true},
  };
  on_message = [](const MessageRequest& request) {
    return request.buttons == MsgButtons::YesNoCancel ? MsgAnswer::No : MsgAnswer::Yes;
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Install(MakeSetupFolder(), {false, false});
    ASSERT_TRUE(CopyFileW(windows_copy.c_str(), elsewhere.c_str(), FALSE));
    if (c.link) {
      ASSERT_TRUE(fs::RemoveFile(windows_copy));
      MakePosixLink(keep.folder + L"precious.txt", windows_copy);
    }
    const Texts said = Uninstall(c.running);
    ASSERT_EQ(said.size(), 3u);
    EXPECT_EQ(Holds(said[1], windows_copy), !c.goes) << said[1];
    EXPECT_EQ(said[2], kUninstalled);
    EXPECT_EQ(Exists(windows_copy), !c.goes);
    keep.ExpectWhole();
    if (c.link) RemovePosixLink(windows_copy);
    fs::RemoveFile(windows_copy);
  }
  RemoveTree(keep.folder);
}

// A file bigger than the room where the bin keeps what it takes (a sparse
// terabyte: the full bin Wine can be given here) is never handed to the
// bin: it stays whole, no cut-off copy reaches the bin, it is named, and
// the record stays until it is moved away. A small one goes into the bin.
TEST_F(RemovalMachineTest, AFileTheBinCannotTakeWholeStaysWhereItIs) {
  Install(MakeSetupFolder(), {false, false});
  const std::wstring installed = DefaultInstallFolder();
  const std::wstring huge = installed + L"huge.bin";
  constexpr int64_t kHuge = int64_t{1} << 40;
  {
    fs::File file = fs::OpenFile(huge, true, fs::Share::ReadWrite);
    ASSERT_TRUE(file && file.SetLength(kHuge));
  }
  WriteFileBytes(installed + L"small.txt", {'s'});
  on_message = [](const MessageRequest&) { return MsgAnswer::Yes; };
  const Texts said = Uninstall();
  SCOPED_TRACE(Readable(said));
  ASSERT_EQ(said.size(), 4u);
  EXPECT_TRUE(Holds(said[1], huge)) << said[1];
  EXPECT_TRUE(Holds(said[2], L"「" + huge + L"」を削除できませんでした。")) << said[2];
  EXPECT_EQ(said[3], kSomeLeft);
  EXPECT_EQ(fs::FileLength(huge), kHuge);
  EXPECT_FALSE(InTrash(L"huge"));
  EXPECT_TRUE(InTrash(L"small"));
  EXPECT_EQ(RegQueryValues(kRecordKeyPath).size(), 4u);

  ASSERT_TRUE(fs::RemoveFile(huge));
  EXPECT_EQ(Uninstall().back(), kUninstalled);
  ExpectNothingInstalled();
}

// A setup stopped at any step, as a killed one stops: a second setup run
// finishes the install, and the uninstaller takes everything back; for a
// first install and for one over an earlier install.
class StoppedSetupTest : public RemovalMachineTest,
                         public testing::WithParamInterface<setup::InstallStep> {
 protected:
  // The next install stops the first time it reaches the step.
  void StopNextInstall() {
    setup::SetInstallStop([this, stopped = false](setup::InstallStep step) mutable {
      if (step != GetParam() || stopped) return false;
      stopped = reached_ = true;
      return true;
    });
  }
  void TearDown() override {
    setup::SetInstallStop({});
    RemovalMachineTest::TearDown();
  }
  bool reached_ = false;
};

TEST_P(StoppedSetupTest, ASecondRunFinishesAndTheUninstallerUndoes) {
  for (const bool over_earlier : {false, true}) {
    SCOPED_TRACE(over_earlier ? "over an earlier install" : "a first install");
    reached_ = false;
    if (over_earlier) Install(MakeSetupFolder(), {true, true});
    StopNextInstall();
    Install(MakeSetupFolder(), {true, true});
    // The uninstaller after the stop.
    const Texts said = Uninstall();
    SCOPED_TRACE(Readable(said));
    ExpectNothingInstalled();
    // A second setup after the stop.
    if (over_earlier) Install(MakeSetupFolder(), {true, true});
    StopNextInstall();
    Install(MakeSetupFolder(), {true, true});
    setup::SetInstallStop({});
    Install(MakeSetupFolder(), {true, true});
    ExpectWholeInstall();
    EXPECT_EQ(Uninstall().back(), kUninstalled);
    ExpectNothingInstalled();
    // Only an install over an earlier one moves files aside.
    EXPECT_EQ(reached_, over_earlier || GetParam() != setup::InstallStep::MovedAside);
  }
}

const setup::InstallStep kSteps[] = {
    setup::InstallStep::Registered,    setup::InstallStep::FreshCopied,
    setup::InstallStep::MovedAside,    setup::InstallStep::Placed,
    setup::InstallStep::ListWritten,   setup::InstallStep::UninstallerPlaced,
    setup::InstallStep::RecordWritten, setup::InstallStep::Kept};
const char* const kStepNames[] = {"Registered",  "FreshCopied",       "MovedAside",    "Placed",
                                  "ListWritten", "UninstallerPlaced", "RecordWritten", "Kept"};

std::string StepName(const testing::TestParamInfo<setup::InstallStep>& info) {
  return kStepNames[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Steps, StoppedSetupTest, testing::ValuesIn(kSteps), StepName);

// A folder holding only what the setup leaves (an empty help folder, a
// new copy not yet placed) and no record: the setup takes it as its own.
TEST_F(RemovalMachineTest, AFolderOfTheSetupsOwnLeftoversIsTakenAsItsOwn) {
  const std::wstring installed = DefaultInstallFolder();
  ASSERT_TRUE(MakeFolders(installed + L"Vanteloxヘルプ\\"));
  WriteFileBytes(installed + L"Vantelox.exe.VXNew", {'x'});
  Install(MakeSetupFolder(), {true, true});
  ExpectWholeInstall();
}

// "C:\vxtrail." is the folder "C:\vxtrail": the record names the folder
// the system made, and the uninstall finds it.
TEST_F(RemovalMachineTest, ATrailingDotIsRecordedAsTheFolderTheSystemMade) {
  const std::wstring trail = L"C:\\vxtrail\\";
  ASSERT_TRUE(MakeFolders(trail));
  {
    const WizardRun wizard(registry, MakeSetupFolder());
    browser_answer = L"C:\\vxtrail.";
    wizard.No();
    EXPECT_EQ(ControlText(wizard.view().folder_text()), trail + L"Vantelox\\");
    on_message = [](const MessageRequest&) { return MsgAnswer::No; };
    wizard.Install({false, false});
  }
  EXPECT_EQ(RegQueryValues(kRecordKeyPath)[L"InstallDir"], trail + L"Vantelox\\");
  EXPECT_TRUE(fs::FileExists(trail + L"Vantelox\\Vantelox.exe"));
  on_message = {};
  EXPECT_EQ(Uninstall().back(), kUninstalled);
  EXPECT_EQ(FolderContents(trail), Texts{});
  ExpectNothingInstalled();
  RemoveTree(trail);
}

std::wstring PendingRenames() {
  wchar_t text[32768] = {};
  DWORD bytes = sizeof text - sizeof(wchar_t);
  if (RegGetValueW(HKEY_LOCAL_MACHINE, L"System\\CurrentControlSet\\Control\\Session Manager",
                   L"PendingFileRenameOperations", RRF_RT_REG_MULTI_SZ, nullptr, text,
                   &bytes) != ERROR_SUCCESS) {
    return {};
  }
  std::wstring joined(text, bytes / sizeof(wchar_t));
  std::replace(joined.begin(), joined.end(), L'\0', L'\n');
  return joined;
}

// A reinstall while the editor runs cannot delete the earlier program it
// moved aside: the system deletes it at its next start, the setup says so,
// and the uninstall takes it as the setup's own, not the person's.
TEST_F(RemovalMachineTest, AReinstallWhileTheEditorRunsSaysWhatGoesAtTheNextStart) {
  Install(MakeSetupFolder(), {false, false});
  const std::wstring program = DefaultInstallFolder() + L"Vantelox.exe";
  const std::wstring earlier = program + L".VXOld";
  Handle running = StartProgram(L"\"" + program + L"\"");
  ASSERT_TRUE(running);
  ASSERT_TRUE(Eventually([&] { return !fs::CanRemoveFile(program); }, kProgramPatienceMs));
  shown.clear();
  Install(MakeSetupFolder(), {false, false});
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0], L"次のファイルは使用中のため、すぐには削除できませんでした。\r\n" + earlier +
                          L"\r\nWindowsの次回起動時に自動的に削除されます。");
  EXPECT_TRUE(shown[1].starts_with(L"インストールが終了しました。")) << shown[1];
  EXPECT_TRUE(fs::FileExists(earlier));
  EXPECT_TRUE(Holds(PendingRenames(), earlier)) << PendingRenames();

  TerminateProcess(running.get(), 0);
  WaitForEnd(running.get());
  const Texts said = Uninstall();
  ASSERT_EQ(said.size(), 3u);
  EXPECT_EQ(said[1], uninstall_texts::kSecondQuestion);
  EXPECT_EQ(said[2], kUninstalled);
  EXPECT_FALSE(fs::FileExists(earlier));
}

// A list of a hundred thousand lines is refused at once as no list of the
// setup's; one of ten thousand (the most a list may hold) is read, the
// window answering the system all the while (its answer within 100 ms is
// the installers' bench's to measure; here no wait may reach the five
// seconds after which Windows calls a window hung).
TEST_F(RemovalMachineTest, ALongListIsRefusedOrReadWithTheWindowAnswering) {
  const struct {
    int lines;
    bool refused;
  } cases[] = {{100'000, true}, {10'000, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lines);
    Install(MakeSetupFolder(), {false, false});
    const std::wstring list = DefaultInstallFolder() + L"UnInstallData.Dat";
    ASSERT_TRUE(WriteUninstallData(list, PaddedList(list, c.lines)));
    const WindowWaits waits = WatchUninstallerWindow([&] { return Uninstall(); });
    EXPECT_EQ(waits.hung, 0);
    EXPECT_GT(waits.answered, 0);
    const Texts& said = waits.said;
    ASSERT_GE(said.size(), 3u);
    EXPECT_EQ(Holds(said[2], L"「" + list + L"」はインストール時に作られた一覧ではない"), c.refused)
        << said[2];
    EXPECT_EQ(fs::FileExists(DefaultInstallFolder() + L"Vantelox.exe"), c.refused);
    if (c.refused) {
      EXPECT_EQ(RegQueryValues(kRecordKeyPath).size(), 4u);
      RemoveTree(ProgramFilesMakerFolder());
    }
  }
}

}  // namespace
}  // namespace vx::test
