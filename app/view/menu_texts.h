// The main window's menu captions, shortcut texts included, each defined once.
#pragma once

namespace vx::menu_texts {

inline constexpr wchar_t kFile[] = L"ファイル(&F)";
inline constexpr wchar_t kOpen[] = L"開く(&O)\tCtrl+O";
inline constexpr wchar_t kNew[] = L"新規作成(&N)\tCtrl+N";
inline constexpr wchar_t kExit[] = L"終了";

inline constexpr wchar_t kEdit[] = L"編集(&E)";
inline constexpr wchar_t kUndo[] = L"アンドゥ(&U)\tF5";
inline constexpr wchar_t kRedo[] = L"リドゥ(&R)\tF6";
inline constexpr wchar_t kCut[] = L"切り取り(&T)\tCtrl+X";
inline constexpr wchar_t kCopy[] = L"コピー(&C)\tCtrl+C";
inline constexpr wchar_t kCopyAsText[] = L"テキストとしてコピー(&X)";
inline constexpr wchar_t kPaste[] = L"貼り付け(&V)\tShift+Ins";
inline constexpr wchar_t kPasteOver[] = L"上書き貼り付け(&O)";
inline constexpr wchar_t kDeleteSelection[] = L"削除(&D)\tDel";
inline constexpr wchar_t kFill[] = L"塗りつぶし(&L)";
inline constexpr wchar_t kSelectAll[] = L"すべて選択(&A)\tCtrl+A";
inline constexpr wchar_t kRestore[] = L"復元(&P)";
inline constexpr wchar_t kFind[] = L"検索(&F)\tCtrl+F";
inline constexpr wchar_t kReplace[] = L"置換(&H)\tCtrl+H";
inline constexpr wchar_t kFindNext[] = L"次を検索(&N)\tF3";
inline constexpr wchar_t kFindPrevious[] = L"前を検索(&K)\tShift+F3";
inline constexpr wchar_t kGoTo[] = L"指定番地へ移動(&G)\tCtrl+G";
inline constexpr wchar_t kToggleBookmark[] = L"しおりの設定/解除(&B)\tCtrl+F2";
inline constexpr wchar_t kNextBookmark[] = L"次のしおりへ(&J)\tF2";
inline constexpr wchar_t kPreviousBookmark[] = L"前のしおりへ(&I)\tShift+F2";
inline constexpr wchar_t kBookmarkList[] = L"しおりの一覧(&M)";
inline constexpr wchar_t kRefresh[] = L"最新の情報に更新";

inline constexpr wchar_t kView[] = L"表示(&V)";
inline constexpr wchar_t kInspector[] = L"データインスペクタ(&I)\tCtrl+I";
// The encodings' own names follow (common/text_encoding_texts.h).
inline constexpr wchar_t kControlDots[] = L"制御文字を点で表示(&D)";

inline constexpr wchar_t kTools[] = L"ツール(&T)";
inline constexpr wchar_t kSettings[] = L"設定(&S)\tF7";
inline constexpr wchar_t kPrint[] = L"印刷(&P)";
inline constexpr wchar_t kHashes[] = L"ハッシュ値(&H)\tCtrl+Shift+H";
inline constexpr wchar_t kCompare[] = L"ファイルの比較(&K)\tCtrl+K";
inline constexpr wchar_t kNextDifference[] = L"次の相違点へ(&D)\tF4";
inline constexpr wchar_t kPreviousDifference[] = L"前の相違点へ(&E)\tShift+F4";

inline constexpr wchar_t kHelp[] = L"ヘルプ(&H)";
inline constexpr wchar_t kHelpItem[] = L"ヘルプ(&H)\tF1";
inline constexpr wchar_t kVersion[] = L"バージョン情報(&V)\tCtrl+V";

// Below ProgramFolder; opened with the shell.
inline constexpr wchar_t kHelpFile[] = L"Vanteloxヘルプ\\top.htm";

}  // namespace vx::menu_texts
