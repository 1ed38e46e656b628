// The main window's menu bar, its shortcut keys and its commands, and files
// dropped on the window.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/program_globals.h"
#include "app/settings/settings_window_win.h"
#include "app/view/version_window_win.h"
#include "app/view/com_d3_win.h"
#include "app/view/main_window_win.h"
#include "app/view/go_to_window_win.h"
#include "app/view/menu_commands.h"
#include "app/view/menu_texts.h"
#include "app/view/open_texts.h"
#include "common/file_seam.h"
#include "common/message_box.h"
#include "common/shell_execute_win.h"
#include "common/ui/controls_win.h"

namespace vx {
namespace {

using namespace menu_commands;

// The top-level menus that work on the open file, by their place on the bar.
constexpr UINT kEditMenu = 1;
constexpr UINT kToolsMenu = 2;

struct MenuItem {
  const wchar_t* caption;  // nullptr: a separator line
  int id;
  bool enabled;
};

struct TopMenu {
  const wchar_t* caption;
  std::vector<MenuItem> items;
};

constexpr MenuItem kSeparator{nullptr, 0, true};

// Undo and Redo follow the journal and Restore the backup file, from grayed.
// Find comes with the Edit menu and Find Next follows the last search.
const std::array<TopMenu, 4>& MenuTree() {
  namespace t = menu_texts;
  static const std::array<TopMenu, 4> tree{{
      {t::kFile,
       {{t::kOpen, kOpen, true},
        kSeparator,
        {t::kNew, kNew, true},
        kSeparator,
        {t::kExit, kExit, true}}},
      {t::kEdit,
       {{t::kUndo, kUndo, false},
        {t::kRedo, kRedo, false},
        kSeparator,
        {t::kRestore, kRestore, false},
        kSeparator,
        {t::kFind, kFind, true},
        {t::kFindNext, kFindNext, false},
        {t::kGoTo, kGoTo, true},
        kSeparator,
        {t::kRefresh, kRefresh, true}}},
      {t::kTools, {{t::kSettings, kSettings, true}, {t::kPrint, kPrint, true}}},
      {t::kHelp, {{t::kHelpItem, kHelp, true}, kSeparator, {t::kVersion, kVersion, true}}},
  }};
  return tree;
}

// Only commands that do something have a key. A key of a grayed item sends
// nothing: the accelerator translation skips disabled menu items.
constexpr std::array<ACCEL, 10> kShortcuts{{
    {FVIRTKEY | FCONTROL, 'O', kOpen},
    {FVIRTKEY | FCONTROL, 'N', kNew},
    {FVIRTKEY, VK_F5, kUndo},
    {FVIRTKEY, VK_F6, kRedo},
    {FVIRTKEY | FCONTROL, 'F', kFind},
    {FVIRTKEY, VK_F3, kFindNext},
    {FVIRTKEY | FCONTROL, 'G', kGoTo},
    {FVIRTKEY, VK_F7, kSettings},
    {FVIRTKEY, VK_F1, kHelp},
    {FVIRTKEY | FCONTROL, 'V', kVersion},
}};

UINT EnabledFlag(bool on) { return MF_ENABLED | (on ? 0u : MF_GRAYED); }

// What a file dialog returns, asked with the title and filter of a command.
// Owned by the main window, which waits while it is up.
std::wstring AskFileName(HWND owner, const wchar_t* title, bool link_thuru) {
  ComD3 dialog;
  dialog.SetTitle(title);
  dialog.SetFilter(open_texts::kAllFilesFilter);
  if (link_thuru) dialog.SetFlag_Open_LinkThuru(1);
  return dialog.ShowOpenSingle(owner);
}

}  // namespace

void MainWindow::CreateMenus() {
  HMENU bar = CreateMenu();
  for (const TopMenu& top : MenuTree()) {
    HMENU popup = CreatePopupMenu();
    for (const MenuItem& item : top.items) {
      if (!item.caption) {
        AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
      } else {
        AppendMenuW(popup, MF_STRING | EnabledFlag(item.enabled), static_cast<UINT_PTR>(item.id),
                    item.caption);
      }
    }
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), top.caption);
  }
  SetMenu(hwnd(), bar);
  auto keys = kShortcuts;
  accelerators_.reset(CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size())));
}

void MainWindow::EnableFileCommands(bool on) {
  HMENU bar = GetMenu(hwnd());
  EnableMenuItem(bar, kEditMenu, MF_BYPOSITION | EnabledFlag(on));
  EnableMenuItem(bar, kToolsMenu, MF_BYPOSITION | EnabledFlag(on));
  DrawMenuBar(hwnd());
  // The page area takes the keyboard only while a file is open.
  EnableControl(Picture1.hwnd(), on);
}

void MainWindow::EnableUndoCommands() {
  HMENU bar = GetMenu(hwnd());
  EnableMenuItem(bar, kUndo, MF_BYCOMMAND | EnabledFlag(UndoJournal.CanUndo()));
  EnableMenuItem(bar, kRedo, MF_BYCOMMAND | EnabledFlag(UndoJournal.CanRedo()));
}

void MainWindow::EnableRestore(bool on) {
  EnableMenuItem(GetMenu(hwnd()), kRestore, MF_BYCOMMAND | EnabledFlag(on));
}

void MainWindow::EnableFindNext(bool on) {
  find_next_enabled_ = on;
  EnableMenuItem(GetMenu(hwnd()), kFindNext, MF_BYCOMMAND | EnabledFlag(on));
}

bool MainWindow::OnMenuCommand(int id) {
  switch (id) {
    case kOpen:
      OnOpen();
      return true;
    case kNew:
      OnNew();
      return true;
    case kExit:
      OnExit();
      return true;
    case kUndo:
      OnUndo();
      return true;
    case kRedo:
      OnRedo();
      return true;
    case kRestore:
      OnRestore();
      return true;
    case kFind:
      OnFind();
      return true;
    case kFindNext:
      OnFindNext();
      return true;
    case kGoTo:
      OnGoTo();
      return true;
    case kRefresh:
      OnRefresh();
      return true;
    case kSettings:
      OnSettings();
      return true;
    case kPrint:
      OnPrint();
      return true;
    case kHelp:
      OnHelp();
      return true;
    case kVersion:
      OnVersion();
      return true;
    default:
      return false;
  }
}

void MainWindow::OnOpen() {
  // A shortcut is opened as the file it is, not as the file it points to.
  const std::wstring name = AskFileName(hwnd(), open_texts::kOpenTitle, true);
  if (name.empty()) return;
  if (!fs::FileExists(name) &&
      ShowMessage(open_texts::kCreateAsk, MsgButtons::YesNo) != MsgAnswer::Yes) {
    return;
  }
  Changed = false;
  ChangeFileName(name);
}

void MainWindow::OnNew() {
  const std::wstring name = AskFileName(hwnd(), open_texts::kNewTitle, false);
  if (name.empty()) return;
  if (fs::FileExists(name)) {
    ShowMessage(open_texts::kAlreadyExists);
    return;
  }
  Changed = false;
  // Creates the file empty, and the zero-byte question follows.
  ChangeFileName(name);
}

void MainWindow::OnExit() { Unload(); }

void MainWindow::OnRefresh() {
  RePaint();
  KeysToPage();
}

void MainWindow::OnSettings() {
  // Like the Tools menu, only with a file open, whichever way the command arrives.
  if (FileName.empty()) return;
  SettingsWindow settings(*this);
  settings.ShowModal(hwnd());
  KeysToPage();
}

void MainWindow::OnGoTo() {
  // Like the Edit menu, only with a file open, whichever way the command arrives.
  if (FileName.empty()) return;
  GoToWindow window(go_to_radix_, GetSeekFromCaret(), FileSize);
  // The caret and the page as for a search result.
  window.ShowModal(hwnd());
  if (const std::optional<int32_t> offset = window.chosen()) MoveCaretFromSeek(*offset + 1);
  KeysToPage();
}

void MainWindow::OnHelp() {
  ShellOpen(
      {hwnd(), L"open", ProgramFolder + menu_texts::kHelpFile, L"", ProgramFolder, SW_SHOWNORMAL});
}

void MainWindow::OnVersion() {
  VersionWindow version;
  version.ShowModal(hwnd());
  KeysToPage();
}

void MainWindow::Form_OLEDragDrop(HDROP drop) {
  std::wstring first;
  if (DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) > 0) {
    first.resize(DragQueryFileW(drop, 0, nullptr, 0));
    DragQueryFileW(drop, 0, first.data(), static_cast<UINT>(first.size() + 1));
  }
  DragFinish(drop);
  if (!first.empty()) ChangeFileName(first);
}

}  // namespace vx
