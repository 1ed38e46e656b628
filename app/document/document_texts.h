// The document's messages about its file changing outside the program, each
// defined once. The file's name stands between the opening and the rest.
#pragma once

namespace vx::document_texts {

// Before a change, Undo or Redo: the file is no longer the one the program
// left, and nothing was written.
inline constexpr wchar_t kChangedOutsideBefore[] = L"ファイル「";
inline constexpr wchar_t kChangedOutsideRefused[] =
    L"」は、ほかのプログラムによって変更されています。\r\n"
    L"上書きしないよう、この操作は中止しました。\r\n\r\n"
    L"ファイルを読み込み直しますか？（アンドゥ・リドゥの記録は消えます）";
// Noticed while the window was away: nothing was tried yet.
inline constexpr wchar_t kChangedOutsideNoticed[] =
    L"」が、ほかのプログラムによって変更されました。\r\n\r\n"
    L"ファイルを読み込み直しますか？（アンドゥ・リドゥの記録は消えます）";
// The file is gone (removed or renamed): there is nothing to read again.
inline constexpr wchar_t kRemovedOutside[] =
    L"」は、ほかのプログラムによって削除されたか、名前が変更されています。\r\n"
    L"ファイルは変更していません。";
}  // namespace vx::document_texts
