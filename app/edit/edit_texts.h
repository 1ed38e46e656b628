// The messages and progress captions of editing, each defined once.
#pragma once

namespace vx::edit_texts {

// Overwriting a byte.
inline constexpr wchar_t kOutOfRange[] = L"数値が範囲を超えています。";

// Inserting and deleting.
inline constexpr wchar_t kNoMoreDelete[] = L"これ以上削除できません。";
inline constexpr wchar_t kCanNoDelete[] = L"Can no Delete";
// Their failures are named in failure_texts.h. When even putting the tail
// back failed, the message goes on; the backup's name follows kBackUpAt.
inline constexpr wchar_t kMayBeDamaged[] = L"ファイルが破損している可能性があります。";
inline constexpr wchar_t kBackUpAt[] = L"バックアップファイル：";
inline constexpr wchar_t kNoBackUpKept[] = L"バックアップファイルはありません。";
inline constexpr wchar_t kInserting[] = L"挿入中です.....";
inline constexpr wchar_t kDeleting[] = L"削除中です.....";
// Replacing a range by as many bytes (an overwrite or a fill); a range that
// grows or shrinks the file is captioned as an insertion or a deletion.
inline constexpr wchar_t kChanging[] = L"変更中です.....";
// While the bytes a long edit keeps for Undo are written to the disk.
inline constexpr wchar_t kWritingData[] = L"データを書き込み中です.....";

// Replacing every match. A replace whose matches are some longer and some
// shorter than the replacement, shifting the file's bytes both ways, is
// refused before anything changes.
inline constexpr wchar_t kReplacing[] = L"置換中です．．．";
inline constexpr wchar_t kReplaceAllMixed[] =
    L"置換する文字列より長い箇所と短い箇所が混在するため、すべて置換できません。\r\n"
    L"ファイルは変更していません。";

// The undo journal.
inline constexpr wchar_t kUndoFull[] = L"No Undo Over 1000.";
inline constexpr wchar_t kCannotUndo[] = L"アンドゥできません。";
inline constexpr wchar_t kCannotRedo[] = L"リドゥ不可。";

// Backup and restore. The size question's third line holds the seconds
// between kBackUpTakesBefore and kBackUpTakesAfter.
inline constexpr wchar_t kBackUpAskStart[] =
    L"ファイルのバックアップを作成します。\r\n"
    L"このファイルはサイズが大きいため、\r\n";
inline constexpr wchar_t kBackUpTakesBefore[] = L"作成するのに";
inline constexpr wchar_t kBackUpTakesAfter[] = L"秒ほどかかります。（おおよそ）";
inline constexpr wchar_t kBackUpAskEnd[] = L"\r\nバックアップを作成してよろしいですか？";
inline constexpr wchar_t kBackingUp[] = L"バックアップ中";
inline constexpr wchar_t kBackUpFailed[] =
    L"バックアップに失敗しました。\r\n"
    L"他ソフトが使用中であるか、ファイルが存在しない可能性があります。\r\n"
    L"処理を続行しますか？";
// When the backup's drive has less room than the copy needs; the sizes follow
// kBackUpNeeded and kBackUpFree, each with kBackUpBytes.
inline constexpr wchar_t kBackUpNoRoom[] = L"バックアップを作成する空き容量が足りません。\r\n";
inline constexpr wchar_t kBackUpNeeded[] = L"必要な容量：";
inline constexpr wchar_t kBackUpFree[] = L"空き容量：";
inline constexpr wchar_t kBackUpBytes[] = L"バイト\r\n";
inline constexpr wchar_t kBackUpGoOnWithout[] = L"バックアップを作成せずに処理を続行しますか？";
inline constexpr wchar_t kNoBackUpFile[] = L"バックアップファイルが存在しません。";
inline constexpr wchar_t kRestored[] = L"復元しました。";
inline constexpr wchar_t kRestoreFailed[] = L"復元に失敗しました。";

}  // namespace vx::edit_texts
