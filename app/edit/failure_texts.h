// The lines of every failure message of the editing commands, each defined
// once: what failed (the command's own name), why (the cause, about the
// place that failed) and where (the file, the drive). failure_message.h
// puts them together.
#pragma once

namespace vx::failure_texts {

// The first line: the command that failed. Insertion, deletion and an
// overwrite keep their long-standing wording.
inline constexpr wchar_t kInsertFailed[] = L"挿入操作に失敗しました。";
inline constexpr wchar_t kDeleteFailed[] = L"削除操作に失敗しました。";
inline constexpr wchar_t kOverwriteFailed[] = L"変更操作に失敗しました。";
inline constexpr wchar_t kPasteFailed[] = L"貼り付けに失敗しました。";
inline constexpr wchar_t kPasteOverFailed[] = L"上書き貼り付けに失敗しました。";
inline constexpr wchar_t kCutFailed[] = L"切り取りに失敗しました。";
inline constexpr wchar_t kFillFailed[] = L"塗りつぶしに失敗しました。";
inline constexpr wchar_t kUndoFailed[] = L"元に戻す操作に失敗しました。";
inline constexpr wchar_t kRedoFailed[] = L"やり直し操作に失敗しました。";
inline constexpr wchar_t kReplaceFailed[] = L"置換に失敗しました。";
inline constexpr wchar_t kReplaceAllFailed[] = L"すべて置換に失敗しました。";
inline constexpr wchar_t kCopyFailed[] = L"コピーに失敗しました。";

// What failed, named in the cause line.
inline constexpr wchar_t kTheFile[] = L"ファイル";
inline constexpr wchar_t kTheRecord[] = L"修復の記録";
inline constexpr wchar_t kTheJournalData[] = L"元に戻すためのデータファイル";
inline constexpr wchar_t kTheClipboard[] = L"クリップボード";

// The cause line: the place's name goes before each, a drive between
// kDiskFullBefore and kDiskFullAfter.
inline constexpr wchar_t kDiskFullBefore[] = L"ドライブ ";
inline constexpr wchar_t kDiskFullAfter[] = L" の空き容量が足りないため、書き込めません：";
inline constexpr wchar_t kInUse[] =
    L"を、ほかのプログラムが使用中です（共有違反、またはロックされています）。";
inline constexpr wchar_t kMissing[] = L"が見つかりません。移動または削除された可能性があります。";
inline constexpr wchar_t kDenied[] =
    L"への書き込みが許可されていません（読み取り専用か、アクセス権がありません）。";
inline constexpr wchar_t kShortened[] =
    L"が、必要な範囲より短くなっています。ほかのプログラムが変更した可能性があります。";
inline constexpr wchar_t kChanged[] = L"が、ほかのプログラムによって変更されています。";
inline constexpr wchar_t kOtherBefore[] = L"を読み書きできません。システムの説明：";
// A live record of the file that this program cannot open: another copy's
// edit running now, or a record another program (a virus scanner) holds.
inline constexpr wchar_t kOtherCopyEditing[] =
    L"このファイルの変更の記録を、ほかのプログラム（このプログラムのもう一つのウィンドウなど）が"
    L"使用中です。その操作が終わってから、もう一度操作してください。";
// No cause known: the long-standing line, and the overwrite's own.
inline constexpr wchar_t kUnknown[] = L"ファイルが使用中か、存在しない、等の可能性が考えられます。";
inline constexpr wchar_t kOverwriteUnknown[] =
    L"ファイルが使用中か、存在しない、等の可能性があります。";

// Where: the file, or a file in the settings folder.
inline constexpr wchar_t kFileAt[] = L"ファイル：";
inline constexpr wchar_t kKeptAt[] = L"保存先：";
// A refused command: the file is as it was.
inline constexpr wchar_t kUnchanged[] = L"ファイルは変更していません。";

}  // namespace vx::failure_texts
