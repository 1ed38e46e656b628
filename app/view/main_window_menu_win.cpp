// The main window's menu bar, its shortcut keys, the enabling of its items
// and the commands they send.
#include <array>
#include <initializer_list>
#include <vector>

#include "app/edit/clipboard_win.h"
#include "app/settings/view_settings.h"
#include "app/view/main_window_win.h"
#include "app/view/menu_commands.h"
#include "app/view/menu_texts.h"
#include "common/text_encoding.h"

namespace vx {
namespace {

using namespace menu_commands;

// The top-level menus that work on the open file, by their place on the bar.
constexpr UINT kEditMenu = 1;
constexpr UINT kToolsMenu = 3;

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

// The inspector, then the text column's encodings, one of them checked,
// and its control dots.
std::vector<MenuItem> ViewItems() {
  std::vector<MenuItem> items{{menu_texts::kInspector, kInspector, true}, kSeparator};
  for (const TextEncodingEntry& entry : TextEncodings()) {
    items.push_back({entry.name, kTextEncodingFirst + static_cast<int>(entry.encoding), true});
  }
  items.push_back(kSeparator);
  items.push_back({menu_texts::kControlDots, kControlDots, true});
  return items;
}

// Undo and Redo follow the journal and Restore the backup file, from grayed.
// The range commands follow the selection and Paste the clipboard. Find
// and Replace come with the Edit menu; Find Next and Find Previous follow
// the last search.
const std::array<TopMenu, 5>& MenuTree() {
  namespace t = menu_texts;
  static const std::array<TopMenu, 5> tree{{
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
        {t::kCut, kCut, false},
        {t::kCopy, kCopy, false},
        {t::kCopyAsText, kCopyAsText, false},
        {t::kPaste, kPaste, false},
        {t::kPasteOver, kPasteOver, false},
        {t::kDeleteSelection, kDeleteSelection, false},
        {t::kFill, kFill, false},
        {t::kSelectAll, kSelectAll, true},
        kSeparator,
        {t::kRestore, kRestore, false},
        kSeparator,
        {t::kFind, kFind, true},
        {t::kReplace, kReplace, true},
        {t::kFindNext, kFindNext, false},
        {t::kFindPrevious, kFindPrevious, false},
        {t::kGoTo, kGoTo, true},
        kSeparator,
        {t::kToggleBookmark, kToggleBookmark, true},
        {t::kNextBookmark, kNextBookmark, true},
        {t::kPreviousBookmark, kPreviousBookmark, true},
        {t::kBookmarkList, kBookmarkList, true},
        kSeparator,
        {t::kRefresh, kRefresh, true}}},
      {t::kView, ViewItems()},
      {t::kTools,
       {{t::kSettings, kSettings, true},
        {t::kPrint, kPrint, true},
        kSeparator,
        {t::kHashes, kHashes, true},
        {t::kCompare, kCompare, true},
        {t::kNextDifference, kNextDifference, true},
        {t::kPreviousDifference, kPreviousDifference, true}}},
      {t::kHelp, {{t::kHelpItem, kHelp, true}, kSeparator, {t::kVersion, kVersion, true}}},
  }};
  return tree;
}

// Only commands that do something have a key. A key of a grayed item sends
// nothing: the accelerator translation skips disabled menu items. Delete is
// the page's own key: without a selection it deletes the caret's byte.
constexpr std::array<ACCEL, 26> kShortcuts{{
    {FVIRTKEY | FCONTROL, 'O', kOpen},
    {FVIRTKEY | FCONTROL, 'N', kNew},
    {FVIRTKEY, VK_F5, kUndo},
    {FVIRTKEY, VK_F6, kRedo},
    {FVIRTKEY | FCONTROL, 'F', kFind},
    {FVIRTKEY | FCONTROL, 'H', kReplace},
    {FVIRTKEY, VK_F3, kFindNext},
    {FVIRTKEY | FSHIFT, VK_F3, kFindPrevious},
    {FVIRTKEY | FCONTROL, 'G', kGoTo},
    {FVIRTKEY, VK_F7, kSettings},
    {FVIRTKEY, VK_F1, kHelp},
    {FVIRTKEY | FCONTROL, 'V', kVersion},
    {FVIRTKEY | FCONTROL, 'X', kCut},
    {FVIRTKEY | FSHIFT, VK_DELETE, kCut},
    {FVIRTKEY | FCONTROL, 'C', kCopy},
    {FVIRTKEY | FCONTROL, VK_INSERT, kCopy},
    {FVIRTKEY | FSHIFT, VK_INSERT, kPaste},
    {FVIRTKEY | FCONTROL, 'A', kSelectAll},
    {FVIRTKEY | FCONTROL, VK_F2, kToggleBookmark},
    {FVIRTKEY, VK_F2, kNextBookmark},
    {FVIRTKEY | FSHIFT, VK_F2, kPreviousBookmark},
    {FVIRTKEY | FCONTROL | FSHIFT, 'H', kHashes},
    {FVIRTKEY | FCONTROL, 'K', kCompare},
    {FVIRTKEY, VK_F4, kNextDifference},
    {FVIRTKEY | FSHIFT, VK_F4, kPreviousDifference},
    {FVIRTKEY | FCONTROL, 'I', kInspector},
}};

UINT EnabledFlag(bool on) { return MF_ENABLED | (on ? 0u : MF_GRAYED); }

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
  CheckTextColumnItems();
  auto keys = kShortcuts;
  accelerators_.reset(CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size())));
}

void MainWindow::EnableFileCommands(bool on) {
  HMENU bar = GetMenu(hwnd());
  EnableMenuItem(bar, kEditMenu, MF_BYPOSITION | EnabledFlag(on));
  EnableMenuItem(bar, kToolsMenu, MF_BYPOSITION | EnabledFlag(on));
  DrawMenuBar(hwnd());
  // The page area takes the keyboard only while a file is open.
  page_view_.Enable(on);
}

void MainWindow::EnableUndoCommands() {
  HMENU bar = GetMenu(hwnd());
  EnableMenuItem(bar, kUndo, MF_BYCOMMAND | EnabledFlag(document_.journal().CanUndo()));
  EnableMenuItem(bar, kRedo, MF_BYCOMMAND | EnabledFlag(document_.journal().CanRedo()));
}

void MainWindow::EnableRestore(bool on) {
  EnableMenuItem(GetMenu(hwnd()), kRestore, MF_BYCOMMAND | EnabledFlag(on));
}

void MainWindow::EnableRangeCommands() {
  HMENU bar = GetMenu(hwnd());
  const bool selected = document_.IsOpen() && selection_.Range(document_.size()).has_value();
  for (const int id : {kCut, kCopy, kCopyAsText, kDeleteSelection, kFill}) {
    EnableMenuItem(bar, static_cast<UINT>(id), MF_BYCOMMAND | EnabledFlag(selected));
  }
  const bool pastable = document_.IsOpen() && ClipboardHasPaste();
  for (const int id : {kPaste, kPasteOver}) {
    EnableMenuItem(bar, static_cast<UINT>(id), MF_BYCOMMAND | EnabledFlag(pastable));
  }
}

void MainWindow::EnableFindNext(bool on) {
  find_next_enabled_ = on;
  EnableMenuItem(GetMenu(hwnd()), kFindNext, MF_BYCOMMAND | EnabledFlag(on));
  EnableMenuItem(GetMenu(hwnd()), kFindPrevious, MF_BYCOMMAND | EnabledFlag(on));
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
      Unload();
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
    case kReplace:
      OnReplace();
      return true;
    case kFindNext:
      OnFindNext();
      return true;
    case kFindPrevious:
      OnFindPrevious();
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
    case kCut:
      OnCut();
      return true;
    case kCopy:
      OnCopy();
      return true;
    case kCopyAsText:
      OnCopyAsText();
      return true;
    case kPaste:
      OnPaste();
      return true;
    case kPasteOver:
      OnPasteOver();
      return true;
    case kDeleteSelection:
      OnDeleteSelection();
      return true;
    case kFill:
      OnFill();
      return true;
    case kSelectAll:
      OnSelectAll();
      return true;
    case kToggleBookmark:
      OnToggleBookmark();
      return true;
    case kNextBookmark:
      OnGoToBookmark(true);
      return true;
    case kPreviousBookmark:
      OnGoToBookmark(false);
      return true;
    case kBookmarkList:
      OnBookmarkList();
      return true;
    case kHashes:
      OnHashes();
      return true;
    case kCompare:
      OnCompare();
      return true;
    case kNextDifference:
      OnGoToDifference(true);
      return true;
    case kPreviousDifference:
      OnGoToDifference(false);
      return true;
    case kInspector:
      ShowInspector(!inspector_.Shown());
      return true;
    case kControlDots:
      ViewOptions.control_dots = !ViewOptions.control_dots;
      OnTextColumnChanged();
      return true;
    default:
      if (id >= kTextEncodingFirst &&
          id < kTextEncodingFirst + static_cast<int>(TextEncodings().size())) {
        ViewOptions.text_encoding = id - kTextEncodingFirst;
        OnTextColumnChanged();
        return true;
      }
      return false;
  }
}

void MainWindow::CheckTextColumnItems() {
  HMENU bar = GetMenu(hwnd());
  const int count = static_cast<int>(TextEncodings().size());
  CheckMenuRadioItem(bar, kTextEncodingFirst, kTextEncodingFirst + count - 1,
                     kTextEncodingFirst + static_cast<int>(TextColumnEncoding()), MF_BYCOMMAND);
  CheckMenuItem(bar, kControlDots,
                MF_BYCOMMAND | (ViewOptions.control_dots ? MF_CHECKED : MF_UNCHECKED));
}

void MainWindow::OnTextColumnChanged() {
  CheckTextColumnItems();
  // The inspector's character row follows with the page.
  page_view_.Redraw();
}

}  // namespace vx
