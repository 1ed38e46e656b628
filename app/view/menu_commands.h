// The main window's menu commands, by the ids their WM_COMMAND carries: the
// menu, the shortcut keys and the window tests all name them from here.
#pragma once

namespace vx::menu_commands {

enum Id : int {
  kOpen = 1001,
  kNew,
  kExit,
  kUndo,
  kRedo,
  kRestore,
  kFind,
  kFindNext,
  kRefresh,
  kSettings,
  kPrint,
  kHelp,
  kVersion,
  kGoTo,
  kCut,
  kCopy,
  kCopyAsText,
  kPaste,
  kPasteOver,
  kDeleteSelection,
  kFill,
  kSelectAll,
  kReplace,
  kFindPrevious,
  kToggleBookmark,
  kNextBookmark,
  kPreviousBookmark,
  kBookmarkList,
  kHashes,
  kCompare,
  kNextDifference,
  kPreviousDifference,
  kInspector,
  kControlDots,
  // The text column's encodings, in the order of the shared table.
  kTextEncodingFirst = 1101,
};

}  // namespace vx::menu_commands
