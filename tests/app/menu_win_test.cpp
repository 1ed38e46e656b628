// The main window's menu bar, its commands and file drops, on a real window.
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/view/menu_commands.h"
#include "app/view/open_dialog_win.h"
#include "app/document/open_texts.h"
#include "common/file_seam.h"
#include "common/shell_execute_win.h"
#include "tests/app/focus_watch_win.h"
#include "tests/app/main_window_fixture_win.h"

namespace vx::test {
namespace {

using namespace std::string_literals;
using namespace menu_commands;

class MenuTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    SetOpenDialogHandler([this](const OpenDialogRequest& r) {
      asked.push_back(r);
      return dialog_answer;
    });
    SetShellHandler([this](const ShellRequest& r) { shell_calls.push_back(r); });
  }
  void TearDown() override {
    SetOpenDialogHandler({});
    SetShellHandler({});
    MainWindowTest::TearDown();
  }

  HMENU Bar() const { return GetMenu(form->hwnd()); }
  HMENU Popup(int top) const { return GetSubMenu(Bar(), top); }
  static std::wstring Caption(HMENU menu, int pos) {
    wchar_t buffer[128];
    const int n = GetMenuStringW(menu, pos, buffer, 128, MF_BYPOSITION);
    return std::wstring(buffer, n > 0 ? n : 0);
  }
  // Whether a top menu of the bar is grayed.
  bool TopGrayed(int top) const {
    return (GetMenuState(Bar(), top, MF_BYPOSITION) & MF_GRAYED) != 0;
  }
  void ChooseOpen() { Choose(kOpen); }
  void ChooseNew() { Choose(kNew); }

  std::wstring dialog_answer;
  std::vector<OpenDialogRequest> asked;
  std::vector<ShellRequest> shell_calls;
};

// The tests choose commands by their ids; this is where each id's place and
// caption are checked.
TEST_F(MenuTest, MenuTreeHasItsCaptionsSeparatorsShortcutTextsAndCommands) {
  StartOn({1, 2, 3});
  struct Item {
    const wchar_t* caption;  // "-": a separator
    int command = 0;
  };
  const std::vector<std::vector<Item>> tree = {
      {{L"ファイル(&F)"},
       {L"開く(&O)\tCtrl+O", kOpen},
       {L"-"},
       {L"新規作成(&N)\tCtrl+N", kNew},
       {L"-"},
       {L"終了", kExit}},
      {{L"編集(&E)"},
       {L"アンドゥ(&U)\tF5", kUndo},
       {L"リドゥ(&R)\tF6", kRedo},
       {L"-"},
       {L"切り取り(&T)\tCtrl+X", kCut},
       {L"コピー(&C)\tCtrl+C", kCopy},
       {L"テキストとしてコピー(&X)", kCopyAsText},
       {L"貼り付け(&V)\tShift+Ins", kPaste},
       {L"上書き貼り付け(&O)", kPasteOver},
       {L"削除(&D)\tDel", kDeleteSelection},
       {L"塗りつぶし(&L)", kFill},
       {L"すべて選択(&A)\tCtrl+A", kSelectAll},
       {L"-"},
       {L"復元(&P)", kRestore},
       {L"-"},
       {L"検索(&F)\tCtrl+F", kFind},
       {L"置換(&H)\tCtrl+H", kReplace},
       {L"次を検索(&N)\tF3", kFindNext},
       {L"前を検索(&K)\tShift+F3", kFindPrevious},
       {L"指定番地へ移動(&G)\tCtrl+G", kGoTo},
       {L"-"},
       {L"しおりの設定/解除(&B)\tCtrl+F2", kToggleBookmark},
       {L"次のしおりへ(&J)\tF2", kNextBookmark},
       {L"前のしおりへ(&I)\tShift+F2", kPreviousBookmark},
       {L"しおりの一覧(&M)", kBookmarkList},
       {L"-"},
       {L"最新の情報に更新", kRefresh}},
      {{L"表示(&V)"},
       {L"データインスペクタ(&I)\tCtrl+I", kInspector},
       {L"-"},
       {L"Shift-JIS", kTextEncodingFirst},
       {L"システムの既定 (ANSI)", kTextEncodingFirst + 1},
       {L"西ヨーロッパ (Windows-1252)", kTextEncodingFirst + 2},
       {L"EUC-JP", kTextEncodingFirst + 3},
       {L"UTF-8", kTextEncodingFirst + 4},
       {L"UTF-16 リトルエンディアン", kTextEncodingFirst + 5},
       {L"UTF-16 ビッグエンディアン", kTextEncodingFirst + 6},
       {L"-"},
       {L"制御文字を点で表示(&D)", kControlDots}},
      {{L"ツール(&T)"},
       {L"設定(&S)\tF7", kSettings},
       {L"印刷(&P)", kPrint},
       {L"-"},
       {L"ハッシュ値(&H)\tCtrl+Shift+H", kHashes},
       {L"ファイルの比較(&K)\tCtrl+K", kCompare},
       {L"次の相違点へ(&D)\tF4", kNextDifference},
       {L"前の相違点へ(&E)\tShift+F4", kPreviousDifference}},
      {{L"ヘルプ(&H)"},
       {L"ヘルプ(&H)\tF1", kHelp},
       {L"-"},
       {L"バージョン情報(&V)\tCtrl+V", kVersion}},
  };
  ASSERT_EQ(GetMenuItemCount(Bar()), 5);
  for (int top = 0; top < 5; ++top) {
    EXPECT_EQ(Caption(Bar(), top), tree[top][0].caption);
    HMENU popup = Popup(top);
    // Each mnemonic picks one item of its menu.
    std::wstring mnemonics;
    for (int pos = 0; pos < GetMenuItemCount(popup); ++pos) {
      const std::wstring caption = Caption(popup, pos);
      const size_t amp = caption.find(L'&');
      if (amp == std::wstring::npos) continue;
      EXPECT_EQ(mnemonics.find(caption[amp + 1]), std::wstring::npos) << caption;
      mnemonics += caption[amp + 1];
    }
    ASSERT_EQ(GetMenuItemCount(popup), static_cast<int>(tree[top].size()) - 1) << top;
    for (int pos = 0; pos + 1 < static_cast<int>(tree[top].size()); ++pos) {
      const Item& item = tree[top][pos + 1];
      const bool separator = (GetMenuState(popup, pos, MF_BYPOSITION) & MF_SEPARATOR) != 0;
      EXPECT_EQ(separator ? L"-"s : Caption(popup, pos), item.caption) << top << pos;
      if (!separator) {
        EXPECT_EQ(static_cast<int>(GetMenuItemID(popup, pos)), item.command);
      }
    }
  }
}

TEST_F(MenuTest, FileMenusFollowWhetherAFileIsOpen) {
  Start(L"");
  EXPECT_FALSE(TopGrayed(0));
  EXPECT_TRUE(TopGrayed(1));
  EXPECT_FALSE(TopGrayed(2));
  EXPECT_TRUE(TopGrayed(3));
  EXPECT_FALSE(TopGrayed(4));
  EXPECT_FALSE(IsWindowEnabled(view().page_view().hwnd()));

  dialog_answer = dir / L"some.bin";
  WriteFileBytes(dialog_answer, {7});
  ChooseOpen();
  EXPECT_FALSE(TopGrayed(1));
  EXPECT_FALSE(TopGrayed(3));
  EXPECT_TRUE(IsWindowEnabled(view().page_view().hwnd()));
  // Commands whose windows and journals are still to come stay grayed.
  for (int command : {kUndo, kRedo, kRestore, kFindNext, kFindPrevious}) {
    EXPECT_TRUE(Grayed(command)) << command;
  }
  for (int command : {kSettings, kPrint, kFind, kReplace, kGoTo, kRefresh}) {
    EXPECT_FALSE(Grayed(command)) << command;
  }

  // A failed open empties the view and grays them again.
  dialog_answer = dir / L"no-such-folder\\x.bin";
  messages.Answer(MsgAnswer::Yes);
  ChooseOpen();
  EXPECT_TRUE(view().file_path().empty());
  EXPECT_TRUE(TopGrayed(1));
  EXPECT_TRUE(TopGrayed(3));
}

TEST_F(MenuTest, ShortcutKeysGoToTheirMenuItems) {
  StartOn({1});
  HACCEL table = form->Accelerators();
  ASSERT_NE(table, nullptr);
  ACCEL keys[26];
  const int n = CopyAcceleratorTableW(table, keys, 26);
  ASSERT_EQ(n, 26);
  auto command_of = [&](BYTE virt, WORD key) {
    for (int i = 0; i < n; ++i) {
      if ((keys[i].fVirt & ~FNOINVERT) == virt && keys[i].key == key) return UINT{keys[i].cmd};
    }
    return UINT{0};
  };
  EXPECT_EQ(command_of(FVIRTKEY | FCONTROL, 'O'), GetMenuItemID(Popup(0), 0));
  EXPECT_EQ(command_of(FVIRTKEY | FCONTROL, 'N'), GetMenuItemID(Popup(0), 2));
  EXPECT_EQ(command_of(FVIRTKEY, VK_F5), GetMenuItemID(Popup(1), 0));
  EXPECT_EQ(command_of(FVIRTKEY, VK_F6), GetMenuItemID(Popup(1), 1));
  EXPECT_EQ(command_of(FVIRTKEY | FCONTROL, 'X'), GetMenuItemID(Popup(1), 3));
  EXPECT_EQ(command_of(FVIRTKEY | FSHIFT, VK_DELETE), GetMenuItemID(Popup(1), 3));
  EXPECT_EQ(command_of(FVIRTKEY | FCONTROL, 'C'), GetMenuItemID(Popup(1), 4));
  EXPECT_EQ(command_of(FVIRTKEY | FCONTROL, VK_INSERT), GetMenuItemID(Popup(1), 4));
  EXPECT_EQ(command_of(FVIRTKEY | FSHIFT, VK_INSERT), GetMenuItemID(Popup(1), 6));
  EXPECT_EQ(command_of(FVIRTKEY | FCONTROL, 'A'), GetMenuItemID(Popup(1), 10));
  EXPECT_EQ(command_of(FVIRTKEY | FCONTROL, 'F'), GetMenuItemID(Popup(1), 14));
  EXPECT_EQ(command_of(FVIRTKEY | FCONTROL, 'H'), GetMenuItemID(Popup(1), 15));
  EXPECT_EQ(command_of(FVIRTKEY, VK_F3), GetMenuItemID(Popup(1), 16));
  EXPECT_EQ(command_of(FVIRTKEY | FSHIFT, VK_F3), GetMenuItemID(Popup(1), 17));
  EXPECT_EQ(command_of(FVIRTKEY | FCONTROL, 'G'), GetMenuItemID(Popup(1), 18));
  EXPECT_EQ(command_of(FVIRTKEY | FCONTROL, VK_F2), GetMenuItemID(Popup(1), 20));
  EXPECT_EQ(command_of(FVIRTKEY, VK_F2), GetMenuItemID(Popup(1), 21));
  EXPECT_EQ(command_of(FVIRTKEY | FSHIFT, VK_F2), GetMenuItemID(Popup(1), 22));
  EXPECT_EQ(command_of(FVIRTKEY | FCONTROL, 'I'), GetMenuItemID(Popup(2), 0));
  EXPECT_EQ(command_of(FVIRTKEY, VK_F7), GetMenuItemID(Popup(3), 0));
  EXPECT_EQ(command_of(FVIRTKEY | FCONTROL | FSHIFT, 'H'), GetMenuItemID(Popup(3), 3));
  EXPECT_EQ(command_of(FVIRTKEY | FCONTROL, 'K'), GetMenuItemID(Popup(3), 4));
  EXPECT_EQ(command_of(FVIRTKEY, VK_F4), GetMenuItemID(Popup(3), 5));
  EXPECT_EQ(command_of(FVIRTKEY | FSHIFT, VK_F4), GetMenuItemID(Popup(3), 6));
  EXPECT_EQ(command_of(FVIRTKEY, VK_F1), GetMenuItemID(Popup(4), 0));
  EXPECT_EQ(command_of(FVIRTKEY | FCONTROL, 'V'), GetMenuItemID(Popup(4), 2));
}

TEST_F(MenuTest, OpenShowsTheChosenFile) {
  StartOn({1, 2, 3});
  dialog_answer = dir / L"other.bin";
  WriteFileBytes(dialog_answer, std::vector<uint8_t>(700, 0x41));
  view().set_changed(true);
  ChooseOpen();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].owner, form->hwnd());
  EXPECT_EQ(asked[0].title, L"ファイルを開く");
  EXPECT_EQ(asked[0].filter, L"全てのファイル\0*.*\0\0"s);
  // Shortcuts are opened as themselves.
  EXPECT_EQ(asked[0].flags, 0x008A0004u | 0x100000u);
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_EQ(view().file_path(), dialog_answer);
  EXPECT_EQ(view().file_size(), 700);
  EXPECT_FALSE(view().changed());
  EXPECT_EQ(ControlText(form->hwnd()), L"Vantelox\u3000[" + dialog_answer + L"]");
  EXPECT_EQ(ControlText(view().size_label()).find(L"000,000,700"), 6u);
  EXPECT_EQ(view().page_bytes()[0], 0x41);
}

TEST_F(MenuTest, OpenCancelledOrMissingFileDeclinedLeavesEverything) {
  const std::wstring start = StartOn({1, 2, 3});
  ChooseOpen();  // cancelled: the dialog answers with no name
  EXPECT_TRUE(messages.shown().empty());

  dialog_answer = dir / L"missing.bin";
  messages.Answer(MsgAnswer::No);
  ChooseOpen();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, L"新規作成しますか？");
  EXPECT_EQ(messages.shown()[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(messages.shown()[0].icon, MsgIcon::None);
  EXPECT_FALSE(fs::FileExists(dialog_answer));
  EXPECT_EQ(view().file_path(), start);
  EXPECT_EQ(view().file_size(), 3);
}

TEST_F(MenuTest, OpenOfAMissingFileAcceptedCreatesIt) {
  StartOn({1, 2, 3});
  dialog_answer = dir / L"fresh.bin";
  ChooseOpen();  // Yes to creating it, Yes to the zero-byte question
  ASSERT_EQ(messages.shown().size(), 2u);
  EXPECT_EQ(messages.shown()[1].text, std::wstring(open_texts::kZeroBytes));
  EXPECT_EQ(ReadFileBytes(dialog_answer), std::vector<uint8_t>{0});
  EXPECT_EQ(view().file_path(), dialog_answer);
}

TEST_F(MenuTest, TheSystemsOpenAndNewDialogsKeepTheMainWindowWaiting) {
  StartOn({1});
  SetOpenDialogHandler({});
  const struct {
    int command;
    const wchar_t* title;
  } dialogs[] = {{kOpen, L"ファイルを開く"}, {kNew, L"ファイルの新規作成"}};
  for (const auto& d : dialogs) {
    bool main_enabled = true;
    std::wstring caption;
    ChooseAndDrive(form->hwnd(), d.command, [&](HWND dialog) {
      main_enabled = IsWindowEnabled(form->hwnd()) != FALSE;
      caption = ControlText(dialog);
      PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(caption, d.title);
    EXPECT_FALSE(main_enabled);
    EXPECT_TRUE(IsWindowEnabled(form->hwnd()));
  }
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(MenuTest, NewRefusesAnExistingFile) {
  const std::wstring start = StartOn({1, 2, 3});
  dialog_answer = dir / L"taken.bin";
  WriteFileBytes(dialog_answer, {9, 9});
  ChooseNew();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].owner, form->hwnd());
  EXPECT_EQ(asked[0].title, L"ファイルの新規作成");
  EXPECT_EQ(asked[0].filter, L"全てのファイル\0*.*\0\0"s);
  EXPECT_EQ(asked[0].flags, 0x008A0004u);
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, L"そのファイルは存在しています。");
  EXPECT_EQ(messages.shown()[0].buttons, MsgButtons::Ok);
  EXPECT_EQ(messages.shown()[0].icon, MsgIcon::None);
  EXPECT_EQ(view().file_path(), start);
  EXPECT_EQ(ReadFileBytes(dialog_answer), (std::vector<uint8_t>{9, 9}));
}

TEST_F(MenuTest, NewOfAFreshNameCreatesItAndAsksAboutZeroBytes) {
  StartOn({1, 2, 3});
  dialog_answer = dir / L"new.bin";
  view().set_changed(true);
  messages.Answer(MsgAnswer::No);
  ChooseNew();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, std::wstring(open_texts::kZeroBytes));
  EXPECT_EQ(messages.shown()[0].buttons, MsgButtons::YesNo);
  // Declined: the empty file stays, and the view shows no file rather than
  // the old one's page under the new name.
  EXPECT_TRUE(fs::FileExists(dialog_answer));
  EXPECT_EQ(fs::FileLength(dialog_answer), 0);
  EXPECT_TRUE(view().file_path().empty());
  EXPECT_EQ(ControlText(view().size_label()), L"Size: -----------");
}

// An HDROP as the shell makes it: DROPFILES followed by wide, NUL-separated names.
HDROP MakeDrop(const std::vector<std::wstring>& files) {
  std::wstring list;
  for (const std::wstring& f : files) list += f + L'\0';
  list += L'\0';
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(),
         list.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

TEST_F(MenuTest, DroppingFilesOpensTheFirst) {
  Start(L"");
  const std::wstring first = dir / L"first.bin";
  const std::wstring second = dir / L"second.bin";
  WriteFileBytes(first, {0x10, 0x20});
  WriteFileBytes(second, {0x30, 0x40, 0x50});
  SendMessageW(form->hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({first, second})), 0);
  PumpMessages();
  EXPECT_EQ(view().file_path(), first);
  EXPECT_EQ(view().file_size(), 2);
  EXPECT_EQ(view().page_bytes()[1], 0x20);
  EXPECT_FALSE(TopGrayed(1));
}

TEST_F(MenuTest, RefreshRereadsAFileChangedBehindTheWindow) {
  const std::wstring path = StartOn({1, 2, 3, 4});
  WriteFileBytes(path, {0xAA, 0xBB, 0xCC, 0xDD});
  EXPECT_EQ(view().page_bytes()[0], 1);
  Choose(kRefresh);
  EXPECT_EQ(view().page_bytes()[0], 0xAA);
  EXPECT_EQ(view().page_bytes()[3], 0xDD);
}

TEST_F(MenuTest, HelpOpensTheHelpFileWithTheShell) {
  StartOn({1});
  Choose(kHelp);
  ASSERT_EQ(shell_calls.size(), 1u);
  EXPECT_EQ(shell_calls[0].owner, form->hwnd());
  EXPECT_EQ(shell_calls[0].verb, L"open");
  EXPECT_EQ(shell_calls[0].file, ProgramFolder + L"Vanteloxヘルプ\\top.htm");
  EXPECT_EQ(shell_calls[0].parameters, L"");
  EXPECT_EQ(shell_calls[0].folder, ProgramFolder);
  EXPECT_EQ(shell_calls[0].show, SW_SHOWNORMAL);
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(MenuTest, ExitClosesTheWindowAndSavesTheSettings) {
  StartOn({1});
  HWND window = form->hwnd();
  Choose(kExit);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_TRUE(fs::FileExists(ProgramFolder + L"VXSetting\\Setting.dat"));
}

TEST_F(MenuTest, EveryWayAFileBecomesOpenLeavesTheKeysWithThePage) {
  DisplaySettings.AutoBackUp = false;
  const std::wstring file = dir / L"keys.bin";
  WriteFileBytes(file, {1, 2, 3, 4});
  // A name in a folder that is not there: the system cannot open it.
  const std::wstring refused = dir / L"no folder\\refused.bin";
  const auto page = [this] { return view().page_view().hwnd(); };
  const auto drop = [this](const std::wstring& name) {
    SendMessageW(form->hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({name})), 0);
  };
  // The empty window keeps the keys itself (for its shortcut keys), as a
  // closing file dialog leaves them.
  std::unique_ptr<FocusWatch> watch;
  const auto start_empty = [&] {
    Start(L"");
    SetFocus(form->hwnd());
    watch = std::make_unique<FocusWatch>(page());
  };
  const auto start_on_file = [&] {
    Start(file);
    watch = std::make_unique<FocusWatch>(page());
  };
  int fresh = 0;
  const struct {
    const char* way;
    std::function<void()> open;
  } ways[] = {
      // Already shown with the keys: the watch sees them where they are.
      {"command line", [&] { start_on_file(); }},
      {"drop",
       [&] {
         start_empty();
         drop(file);
       }},
      {"Open",
       [&] {
         start_empty();
         dialog_answer = file;
         ChooseOpen();
       }},
      {"New",
       [&] {
         start_empty();
         dialog_answer = dir / (L"new" + std::to_wstring(++fresh) + L".bin");
         ChooseNew();
       }},
      {"Open after a refused file",
       [&] {
         start_on_file();
         FocusWatch window_keys(form->hwnd());
         drop(refused);
         EXPECT_TRUE(window_keys.Got()) << "the window keeps its shortcut keys";
         dialog_answer = file;
         watch->Reset();
         ChooseOpen();
       }},
      {"Refresh",
       [&] {
         start_on_file();
         SetFocus(nullptr);
         watch->Reset();
         Choose(kRefresh);
       }},
      {"the byte input window written and hidden",
       [&] {
         start_on_file();
         SendMessageW(page(), WM_KEYDOWN, VK_SPACE, 0);
         watch->Reset();
         SendMessageW(ChildOfClass(view().input_window().hwnd(), L"Edit"), WM_KEYDOWN, VK_RETURN, 0);
       }},
  };
  for (const auto& w : ways) {
    w.open();
    EXPECT_TRUE(Eventually([&] { return watch && watch->Got(); })) << w.way;
    const int32_t column = view().caret_column();
    SendMessageW(page(), WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(view().caret_column(), column + 1) << w.way;
    watch.reset();
    form.reset();
  }
}

}  // namespace
}  // namespace vx::test
