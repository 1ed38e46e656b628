// The setup wizard's pages, buttons and folder rules, without a window.
#include "setup/wizard.h"

#include <gtest/gtest.h>

#include "common/file_seam.h"
#include "setup/runtime_libraries.h"
#include "tests/support/temp_folder.h"

namespace vx::setup {
namespace {

TEST(Wizard, ButtonsFollowTheTable) {
  const struct {
    WizardPage page;
    bool yes;
    WizardPage next_page;
    WizardStep step;
    bool desktop, send_to;  // afterwards, from both false
  } rows[] = {
      {WizardPage::Folder, true, WizardPage::Desktop, WizardStep::ShowPage, false, false},
      {WizardPage::Folder, false, WizardPage::Folder, WizardStep::ChooseFolder, false, false},
      {WizardPage::Desktop, true, WizardPage::SendTo, WizardStep::ShowPage, true, false},
      {WizardPage::Desktop, false, WizardPage::SendTo, WizardStep::ShowPage, false, false},
      {WizardPage::SendTo, true, WizardPage::Summary, WizardStep::ShowPage, false, true},
      {WizardPage::SendTo, false, WizardPage::Summary, WizardStep::ShowPage, false, false},
      {WizardPage::Summary, true, WizardPage::Summary, WizardStep::Install, false, false},
      {WizardPage::Summary, false, WizardPage::Folder, WizardStep::ShowPage, false, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message()
                 << "page " << static_cast<int>(row.page) << (row.yes ? " yes" : " no"));
    Wizard wizard;
    wizard.page = row.page;
    EXPECT_EQ(row.yes ? wizard.OnYes() : wizard.OnNo(), row.step);
    EXPECT_EQ(wizard.page, row.next_page);
    EXPECT_EQ(wizard.make_desktop_shortcut, row.desktop);
    EXPECT_EQ(wizard.make_send_to_shortcut, row.send_to);
  }
  // An answer given once is changed by the other button on the way round again.
  Wizard wizard;
  wizard.page = WizardPage::Desktop;
  wizard.OnYes();
  wizard.OnYes();
  EXPECT_TRUE(wizard.make_desktop_shortcut && wizard.make_send_to_shortcut);
  wizard.OnNo();
  wizard.OnYes();
  wizard.OnNo();
  wizard.OnNo();
  EXPECT_FALSE(wizard.make_desktop_shortcut || wizard.make_send_to_shortcut);
}

TEST(Wizard, TextsNameTheProductVersionAndWhatWillBeDone) {
  EXPECT_EQ(WizardCaption(), L"Vantelox1.1.0のInstall");
  EXPECT_EQ(FolderQuestion(InstallType::Fresh),
            L"　以下のフォルダにVantelox1.1.0をインストールしてよろしいですか？");
  EXPECT_NE(FolderQuestion(InstallType::Upgrade), FolderQuestion(InstallType::Reinstall));
  const std::wstring start = L"以下の条件でインストールを開始します。よろしいですか？\r\n\r\n";
  EXPECT_EQ(SummaryText(InstallType::Fresh, false, false),
            start + L"Vantelox1.1.0のインストール\r\n");
  EXPECT_EQ(SummaryText(InstallType::Upgrade, true, false),
            start + L"Vantelox1.1.0にバージョンアップ\r\nデスクトップにショートカットを作成\r\n");
  EXPECT_EQ(SummaryText(InstallType::Reinstall, true, true),
            start +
                L"Vantelox1.1.0の再インストール\r\nデスクトップにショートカットを作成\r\n"
                L"「送る」メニューに追加\r\n");
  EXPECT_EQ(SummaryText(InstallType::Fresh, false, true),
            start + L"Vantelox1.1.0のインストール\r\n「送る」メニューに追加\r\n");
  EXPECT_EQ(FinishedQuestion(),
            L"インストールが終了しました。\r\nVantelox Ver1.1.0を起動しますか？");
}

TEST(Wizard, ProposesTheMakersFolderInProgramFiles) {
  EXPECT_EQ(DefaultInstallParent(L""), L"C:\\program files\\Morvane Soft\\");
  EXPECT_EQ(DefaultInstallParent(L"D:\\Programme"), L"D:\\Programme\\Morvane Soft\\");
  EXPECT_EQ(DefaultInstallParent(L"D:\\Programme\\"), L"D:\\Programme\\Morvane Soft\\");
  EXPECT_EQ(DriveRootOf(L"d:\\x\\"), L"d:\\");
}

bool AllFixed(const std::wstring&) { return true; }

TEST(SettleInstallFolder, NamesTheProductFolderOnceInAnyCase) {
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
    const FolderChoice choice = SettleInstallFolder(row.chosen, L"C:\\setup\\", AllFixed);
    EXPECT_EQ(choice.folder, row.settled) << row.chosen;
    EXPECT_FALSE(choice.replaced_not_fixed) << row.chosen;
  }
}

TEST(SettleInstallFolder, TakesCInsteadOfAFolderNotOnAFixedDisk) {
  std::wstring asked_root;
  const FolderChoice choice =
      SettleInstallFolder(L"Q:\\Apps\\Vantelox\\", L"C:\\setup\\", [&](const std::wstring& root) {
        asked_root = root;
        return false;
      });
  EXPECT_EQ(asked_root, L"Q:\\");
  EXPECT_EQ(choice.folder, L"C:\\Vantelox\\");
  EXPECT_TRUE(choice.replaced_not_fixed);
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
  EXPECT_EQ(SettleInstallFolder(target, setup, AllFixed).kind, InstallType::Fresh);

  test::WriteFileBytes(target + L"Vantelox.exe", {2});
  const struct {
    int64_t installed;
    InstallType kind;
  } rows[] = {
      {kOffered - 10'000'000, InstallType::Upgrade},
      {kOffered, InstallType::Reinstall},
      {kOffered + 10'000'000, InstallType::Reinstall},
  };
  for (const auto& row : rows) {
    ASSERT_TRUE(fs::SetLastWriteTime(target + L"Vantelox.exe", row.installed));
    EXPECT_EQ(SettleInstallFolder(target, setup, AllFixed).kind, row.kind)
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
