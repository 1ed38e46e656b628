// The setup wizard's window: its pages, buttons, folder rules and picture.
#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "common/file_seam.h"
#include "common/installer/installer_window_win.h"
#include "common/installer/ripple.h"
#include "common/ui/controls_win.h"
#include "tests/installers/installer_machine_win.h"
#include "tests/installers/installer_runs_win.h"
#include "tests/support/registry_view_win.h"

namespace vx::test {
namespace {

bool Shown(HWND control) { return IsWindowVisible(control) != FALSE; }

// Whether `label`, given `text`, shows it whole in its font at its size.
bool ShowsWhole(HWND label, const std::wstring& text) {
  SetWindowTextW(label, text.c_str());
  const SIZE need = LabelTextExtent(label);
  RECT client;
  GetClientRect(label, &client);
  return need.cx <= client.right && need.cy <= client.bottom;
}

class WizardWindowTest : public InstallerMachineTest {
 protected:
  WizardRun& Open(const std::wstring& setup_folder) {
    wizard.emplace(registry, setup_folder);
    return *wizard;
  }
  std::optional<WizardRun> wizard;
};

TEST_F(WizardWindowTest, WalksThePagesAndBackToTheRecordedOrDefaultFolder) {
  const std::wstring setup_folder = MakeSetupFolder();
  WizardRun& w = Open(setup_folder);
  ASSERT_NE(w.window().hwnd(), nullptr);
  EXPECT_EQ(ControlText(w.window().hwnd()), L"Vantelox1.1.0のInstall");
  for (const WPARAM size : {ICON_BIG, ICON_SMALL}) {
    EXPECT_NE(SendMessageW(w.window().hwnd(), WM_GETICON, size, 0), 0)
        << "the program's icon " << size;
  }
  EXPECT_EQ(ControlText(w.view().question_label()),
            L"　以下のフォルダにVantelox1.1.0をインストールしてよろしいですか？");
  EXPECT_EQ(ControlText(w.view().folder_text()), DefaultInstallFolder());
  EXPECT_TRUE(Shown(w.view().folder_text()));
  EXPECT_FALSE(Shown(w.window().status_label()));
  EXPECT_EQ(ControlText(w.view().yes_button()), L"はい");
  EXPECT_EQ(ControlText(w.view().no_button()), L"いいえ");
  EXPECT_EQ(ControlText(w.view().abort_button()), L"中止");
  // Page 1 reads the record without making its key.
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kRecordKey));

  // The folder browser: cancelled changes nothing; a folder naming the
  // product in another case is kept, any other gets the product's folder.
  w.No();
  ASSERT_EQ(browsed.size(), 1u);
  EXPECT_EQ(browsed[0].owner, w.window().hwnd());
  EXPECT_EQ(browsed[0].title, L"インストールするフォルダを選択し、ＯＫを押してください。");
  EXPECT_EQ(browsed[0].root, 17);
  EXPECT_EQ(browsed[0].flags, 3u);
  EXPECT_EQ(ControlText(w.view().folder_text()), DefaultInstallFolder());
  browser_answer = scratch / L"Apps\\VANTELOX";
  w.No();
  EXPECT_EQ(ControlText(w.view().folder_text()), scratch / L"Apps\\VANTELOX\\");
  browser_answer = scratch / L"Apps";
  w.No();
  EXPECT_EQ(ControlText(w.view().folder_text()), scratch / L"Apps\\Vantelox\\");

  w.Yes();
  EXPECT_EQ(ControlText(w.view().question_label()),
            L"デスクトップにショートカットを作成しますか？\r\n\r\nYes⇒作成する \r\nNo⇒作成しない");
  EXPECT_FALSE(Shown(w.view().folder_text()));
  w.No();
  EXPECT_EQ(
      ControlText(w.view().question_label()),
      L"「送る」メニューに「Vantelox」を作成しますか？\r\n\r\nYes⇒作成する \r\nNo⇒作成しない\r\n");
  w.Yes();
  EXPECT_EQ(ControlText(w.view().question_label()),
            L"以下の条件でインストールを開始します。よろしいですか？\r\n\r\n"
            L"Vantelox1.1.0のインストール\r\n「送る」メニューに追加\r\n");
  EXPECT_EQ(ControlText(w.view().no_button()), L"戻る");

  w.No();
  EXPECT_EQ(ControlText(w.view().no_button()), L"いいえ");
  EXPECT_EQ(ControlText(w.view().folder_text()), DefaultInstallFolder())
      << "the picked folder is dropped";
  EXPECT_TRUE(Shown(w.view().folder_text()));
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(WizardWindowTest, AbortOnTheFirstPageLeavesNoTrace) {
  const std::wstring setup_folder = MakeSetupFolder();
  const std::vector<std::wstring> setup_files = FolderContents(setup_folder);
  WizardRun& w = Open(setup_folder);
  messages.Answer(MsgAnswer::No);
  w.Abort();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, L"インストールを中止します。よろしいですか？");
  EXPECT_EQ(messages.shown()[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(messages.shown()[0].icon, MsgIcon::None);
  ASSERT_NE(w.window().hwnd(), nullptr) << "No keeps the wizard";
  // The close box asks the same.
  SendMessageW(w.window().hwnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(messages.shown().size(), 2u);
  EXPECT_EQ(w.window().hwnd(), nullptr);

  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, L"SoftWare\\MorvaneSoft"));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kProgramEntryKey));
  EXPECT_FALSE(fs::FileExists(InstalledUninstaller()));
  EXPECT_FALSE(fs::FolderExists(DefaultInstallFolder()));
  EXPECT_EQ(FolderContents(setup_folder), setup_files);
}

TEST_F(WizardWindowTest, RefusesFoldersNotOnAFixedDiskAndInsideTheSetupFolder) {
  const std::wstring setup_folder = MakeSetupFolder();
  WizardRun& w = Open(setup_folder);
  browser_answer = L"Q:\\Apps";  // no such drive
  w.No();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text,
            L"セットアップは固定ディスク（ハードディスクなど）にインストールする必要があります。");
  EXPECT_EQ(ControlText(w.view().folder_text()), L"C:\\Vantelox\\");

  browser_answer = setup_folder + L"sub";
  w.No();
  w.Yes();
  ASSERT_EQ(messages.shown().size(), 2u);
  EXPECT_EQ(messages.shown()[1].text,
            L"セットアップのフォルダとその中のフォルダにはインストールできません。\r\n"
            L"別のフォルダを選択してください。");
  EXPECT_EQ(ControlText(w.view().folder_text()), setup_folder + L"sub\\Vantelox\\")
      << "still on page 1";
  EXPECT_TRUE(Shown(w.view().folder_text()));
}

TEST_F(WizardWindowTest, ShowsEveryTextWhole) {
  const std::wstring setup_folder = MakeSetupFolder();
  WizardRun& w = Open(setup_folder);
  const std::wstring question_texts[] = {
      setup::FolderQuestion(setup::InstallType::Upgrade),
      setup::FolderQuestion(setup::InstallType::Reinstall),
      setup::FolderQuestion(setup::InstallType::Fresh),
      setup::SummaryText(setup::InstallType::Reinstall, true, true),
      setup::SummaryText(setup::InstallType::Upgrade, true, true),
  };
  for (const std::wstring& text : question_texts) {
    EXPECT_TRUE(ShowsWhole(w.view().question_label(), text)) << text;
  }
  // The folder box shows any folder whole: its last character can be
  // scrolled into view.
  browser_answer = L"C:\\" + std::wstring(120, L'a') + L"\\" + std::wstring(100, L'b');
  w.No();
  const std::wstring shown = ControlText(w.view().folder_text());
  ASSERT_EQ(shown, browser_answer + L"\\Vantelox\\");
  SendMessageW(w.view().folder_text(), EM_LINESCROLL, 0,
               SendMessageW(w.view().folder_text(), EM_GETLINECOUNT, 0, 0));
  const LRESULT last = SendMessageW(w.view().folder_text(), EM_POSFROMCHAR, shown.size() - 1, 0);
  EXPECT_NE(last, -1);
  RECT box;
  GetClientRect(w.view().folder_text(), &box);
  EXPECT_LT(static_cast<short>(HIWORD(last)), box.bottom);
  EXPECT_GE(static_cast<short>(HIWORD(last)), 0);
  for (const wchar_t* status : {L"アプリケーションの追加と削除の情報を削除しています。",
                                L"スタートメニューのショートカットを削除しています。"}) {
    EXPECT_TRUE(ShowsWhole(w.window().status_label(), status)) << status;
  }
}

TEST_F(WizardWindowTest, DrawsTheRippleOverItsOwnArtwork) {
  const std::wstring setup_folder = MakeSetupFolder();
  WizardRun& w = Open(setup_folder);
  // The artwork as the program carries it.
  HBITMAP bitmap = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(200),
                                                   IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  ASSERT_NE(bitmap, nullptr);
  BITMAPINFOHEADER header = ArtworkHeader();
  std::vector<uint8_t> artwork(kArtworkBytes);
  const HDC screen = GetDC(nullptr);
  ASSERT_EQ(GetDIBits(screen, bitmap, 0, kArtworkSide, artwork.data(),
                      reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS),
            kArtworkSide);
  ReleaseDC(nullptr, screen);
  DeleteObject(bitmap);
  // The first frame, on the window as in the program's memory.
  std::vector<uint8_t> expected;
  Ripple(RippleStyle::Setup, artwork).Compose(w.window().frame_count(), 0, expected);
  EXPECT_EQ(w.window().frame_count(), 1);
  EXPECT_TRUE(w.window().work_picture() == expected);
  UpdateWindow(w.window().hwnd());
  const HDC dc = GetDC(w.window().hwnd());
  for (const POINT p : {POINT{0, 0}, POINT{128, 128}, POINT{37, 200}, POINT{255, 255}}) {
    const size_t at = (static_cast<size_t>(255 - p.y) * kArtworkSide + p.x) * 3;
    EXPECT_EQ(GetPixel(dc, p.x, p.y), RGB(expected[at + 2], expected[at + 1], expected[at]))
        << p.x << "," << p.y;
  }
  ReleaseDC(w.window().hwnd(), dc);
}

// The shell's own folder browser, as the wizard opens it: owned by the
// wizard (DriveModal finds only the wizard's own windows), titled, and giving
// nothing when cancelled.
TEST_F(WizardWindowTest, TheShellsFolderBrowserCancelledGivesNothing) {
  WizardRun& w = Open(MakeSetupFolder());
  SetFolderBrowserHandler({});
  std::wstring window_class;
  std::vector<std::wstring> texts;
  // The shell may take a while to list its folders.
  constexpr int kShellTicks = 3000;
  DriveModal(
      w.window().hwnd(), [&] { w.No(); },
      [&](HWND browser) {
        window_class = ClassOf(browser);
        for (const Child& c : Children(browser)) texts.push_back(c.text);
        PostMessageW(browser, WM_COMMAND, IDCANCEL, 0);
      },
      kShellTicks);
  EXPECT_EQ(window_class, L"#32770");
  EXPECT_NE(std::find(texts.begin(), texts.end(),
                      L"インストールするフォルダを選択し、ＯＫを押してください。"),
            texts.end());
  EXPECT_EQ(ControlText(w.view().folder_text()), DefaultInstallFolder());
}

}  // namespace
}  // namespace vx::test
