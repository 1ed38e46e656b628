// The setup wizard's pages, buttons and folder rules, without a window.
#include "setup/wizard.h"

#include <gtest/gtest.h>

#include "common/file_seam.h"
#include "setup/runtime_libraries.h"
#include "tests/support/message_recorder.h"
#include "tests/support/temp_folder.h"

namespace vx::setup {
namespace {

const Usual usual;

TEST(Wizard, ButtonsFollowTheTable) {
  const struct {
    int page;
    bool yes;
    int next_page;
    WizardStep step;
    bool desktop, send_to;  // afterwards, from both false
  } rows[] = {
      {kFolderPage, true, kDesktopPage, WizardStep::ShowPage, false, false},
      {kFolderPage, false, kFolderPage, WizardStep::ChooseFolder, false, false},
      {kDesktopPage, true, kSendToPage, WizardStep::ShowPage, true, false},
      {kDesktopPage, false, kSendToPage, WizardStep::ShowPage, false, false},
      {kSendToPage, true, kSummaryPage, WizardStep::ShowPage, false, true},
      {kSendToPage, false, kSummaryPage, WizardStep::ShowPage, false, false},
      {kSummaryPage, true, kSummaryPage, WizardStep::StartInstall, false, false},
      {kSummaryPage, false, kFolderPage, WizardStep::ShowPage, false, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "page " << row.page << (row.yes ? " yes" : " no"));
    Wizard wizard;
    wizard.Page = row.page;
    EXPECT_EQ(row.yes ? wizard.Command1_Click() : wizard.Command2_Click(), row.step);
    EXPECT_EQ(wizard.Page, row.next_page);
    EXPECT_EQ(wizard.MakeDesktopShortcut, row.desktop);
    EXPECT_EQ(wizard.MakeSendToShortcut, row.send_to);
  }
  // An answer given once is changed by the other button on the way round again.
  Wizard wizard;
  wizard.Page = kDesktopPage;
  wizard.Command1_Click();
  wizard.Command1_Click();
  EXPECT_TRUE(wizard.MakeDesktopShortcut && wizard.MakeSendToShortcut);
  wizard.Command2_Click();
  wizard.Command1_Click();
  wizard.Command2_Click();
  wizard.Command2_Click();
  EXPECT_FALSE(wizard.MakeDesktopShortcut || wizard.MakeSendToShortcut);
}

TEST(Wizard, TextsNameTheProductVersionAndWhatWillBeDone) {
  EXPECT_EQ(WizardCaption(), L"Vantelox1.1.0のInstall");
  EXPECT_EQ(FolderQuestion(kNoneInstalled),
            L"　以下のフォルダにVantelox1.1.0をインストールしてよろしいですか？");
  EXPECT_NE(FolderQuestion(kOlderInstalled), FolderQuestion(kSameOrNewerInstalled));
  const std::wstring start = L"以下の条件でインストールを開始します。よろしいですか？\r\n\r\n";
  EXPECT_EQ(SummaryText(kNoneInstalled, false, false), start + L"Vantelox1.1.0のインストール\r\n");
  EXPECT_EQ(SummaryText(kOlderInstalled, true, false),
            start + L"Vantelox1.1.0にバージョンアップ\r\nデスクトップにショートカットを作成\r\n");
  EXPECT_EQ(SummaryText(kSameOrNewerInstalled, true, true),
            start +
                L"Vantelox1.1.0の再インストール\r\nデスクトップにショートカットを作成\r\n"
                L"「送る」メニューに追加\r\n");
  EXPECT_EQ(SummaryText(kNoneInstalled, false, true),
            start + L"Vantelox1.1.0のインストール\r\n「送る」メニューに追加\r\n");
  EXPECT_EQ(FinishedQuestion(),
            L"インストールが終了しました。\r\nVantelox Ver1.1.0を起動しますか？");
}

TEST(Wizard, ProposesTheMakersFolderInProgramFiles) {
  EXPECT_EQ(DefaultInstallParent(usual, L""), L"C:\\program files\\Morvane Soft\\");
  EXPECT_EQ(DefaultInstallParent(usual, L"D:\\Programme"), L"D:\\Programme\\Morvane Soft\\");
  EXPECT_EQ(DefaultInstallParent(usual, L"D:\\Programme\\"), L"D:\\Programme\\Morvane Soft\\");
  EXPECT_EQ(DriveRootOf(L"d:\\x\\"), L"d:\\");
}

bool AllFixed(const std::wstring&) { return true; }

TEST(SettleInstallFolder, NamesTheProductFolderOnceInAnyCase) {
  test::MessageRecorder messages;
  const struct {
    const wchar_t* chosen;
    const wchar_t* settled;
  } rows[] = {
      {L"C:\\Apps", L"C:\\Apps\\Vantelox\\"},
      {L"C:\\Apps\\", L"C:\\Apps\\Vantelox\\"},
      {L"C:\\Apps\\VANTELOX\\", L"C:\\Apps\\VANTELOX\\"},
      {L"C:\\Apps\\vantelox", L"C:\\Apps\\vantelox\\"},
      {L"C:\\Vantelox\\old\\", L"C:\\Vantelox\\old\\"},
      {L"C:\\Apps\\Vantelox2\\", L"C:\\Apps\\Vantelox2\\Vantelox\\"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(SettleInstallFolder(usual, row.chosen, L"C:\\setup\\", AllFixed).InstallFolder,
              row.settled)
        << row.chosen;
  }
  EXPECT_TRUE(messages.shown().empty());
}

TEST(SettleInstallFolder, TakesCInsteadOfAFolderNotOnAFixedDisk) {
  test::MessageRecorder messages;
  std::wstring asked_root;
  const FolderChoice choice = SettleInstallFolder(usual, L"Q:\\Apps\\Vantelox\\", L"C:\\setup\\",
                                                  [&](const std::wstring& root) {
                                                    asked_root = root;
                                                    return false;
                                                  });
  EXPECT_EQ(asked_root, L"Q:\\");
  EXPECT_EQ(choice.InstallFolder, L"C:\\Vantelox\\");
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text,
            L"セットアップは固定ディスク（ハードディスクなど）にインストールする必要があります。");
}

TEST(SettleInstallFolder, TellsTheKindOfInstallFromTheProgramsFileTimes) {
  test::TempFolder dir;
  const std::wstring setup = dir / L"setup\\";
  const std::wstring target = dir / L"Vantelox\\";
  ASSERT_TRUE(fs::MakeFolder(setup));
  ASSERT_TRUE(fs::MakeFolder(target));
  test::WriteFileBytes(setup + L"Vantelox.exe", {1});
  constexpr int64_t kOffered = 133'000'000'000'000'000;
  ASSERT_TRUE(fs::SetLastWriteTime(setup + L"Vantelox.exe", kOffered));
  EXPECT_EQ(SettleInstallFolder(usual, target, setup, AllFixed).InstallKind, kNoneInstalled);

  test::WriteFileBytes(target + L"Vantelox.exe", {2});
  const struct {
    int64_t installed;
    int kind;
  } rows[] = {
      {kOffered - 10'000'000, kOlderInstalled},
      {kOffered, kSameOrNewerInstalled},
      {kOffered + 10'000'000, kSameOrNewerInstalled},
  };
  for (const auto& row : rows) {
    ASSERT_TRUE(fs::SetLastWriteTime(target + L"Vantelox.exe", row.installed));
    EXPECT_EQ(SettleInstallFolder(usual, target, setup, AllFixed).InstallKind, row.kind)
        << row.installed - kOffered;
  }
}

TEST(Wizard, NeverInstallsIntoTheSetupFolder) {
  EXPECT_TRUE(IsInSetupFolder(L"C:\\setup\\", L"C:\\setup\\"));
  EXPECT_TRUE(IsInSetupFolder(L"C:\\Setup\\Vantelox\\", L"c:\\setup\\"));
  EXPECT_TRUE(IsInSetupFolder(L"C:\\other\\..\\setup\\x\\Vantelox\\", L"C:\\setup\\"));
  EXPECT_TRUE(IsInSetupFolder(L"C:\\Vantelox\\", L"C:\\"));
  EXPECT_FALSE(IsInSetupFolder(L"C:\\setup2\\Vantelox\\", L"C:\\setup\\"));
  EXPECT_FALSE(IsInSetupFolder(L"C:\\Vantelox\\", L"C:\\Vantelox\\setup\\"));
}

TEST(RuntimeSystemFolder, IsSystem32OnTheNtFamilyOnly) {
  EXPECT_EQ(RuntimeSystemFolder(L"C:\\WINDOWS", L"Windows_NT"), L"C:\\WINDOWS\\system32\\");
  EXPECT_EQ(RuntimeSystemFolder(L"C:\\WINDOWS\\", L""), L"C:\\WINDOWS\\system\\");
  EXPECT_EQ(RuntimeSystemFolder(L"C:\\WINDOWS", L"windows_nt"), L"C:\\WINDOWS\\system\\");
  EXPECT_TRUE(kRuntimeLibraries.empty());
}

}  // namespace
}  // namespace vx::setup
