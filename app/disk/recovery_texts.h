// The messages of the start-up repair and the lines of a record's details,
// each defined once.
#pragma once

namespace vx::recovery_texts {

// The first line says what was stopped, the second what was done; the file
// follows kFileAt, and a record set aside is named after kDetailsAt.
inline constexpr wchar_t kInsertStopped[] = L"前回、挿入の途中でプログラムが終了しました。";
inline constexpr wchar_t kDeleteStopped[] = L"前回、削除の途中でプログラムが終了しました。";
inline constexpr wchar_t kInsertFinished[] = L"ファイルを挿入後の状態に修復しました。";
inline constexpr wchar_t kDeleteFinished[] = L"ファイルを削除後の状態に修復しました。";
inline constexpr wchar_t kInsertTakenBack[] = L"ファイルを挿入前の状態に戻しました。";
inline constexpr wchar_t kDeleteTakenBack[] = L"ファイルを削除前の状態に戻しました。";
inline constexpr wchar_t kRangeStopped[] = L"前回、範囲の編集の途中でプログラムが終了しました。";
inline constexpr wchar_t kRangeFinished[] = L"ファイルを編集後の状態に修復しました。";
inline constexpr wchar_t kRangeTakenBack[] = L"ファイルを編集前の状態に戻しました。";
// A replace-all, and its Undo and Redo, are named as such.
inline constexpr wchar_t kReplaceAllStopped[] =
    L"前回、すべて置換の途中でプログラムが終了しました。";
inline constexpr wchar_t kReplaceAllFinished[] =
    L"ファイルをすべて置換した後の状態に修復しました。";
inline constexpr wchar_t kReplaceAllTakenBack[] = L"ファイルをすべて置換する前の状態に戻しました。";
inline constexpr wchar_t kReplaceAllUndoStopped[] =
    L"前回、すべて置換を元に戻す操作の途中でプログラムが終了しました。";
inline constexpr wchar_t kReplaceAllUndoFinished[] =
    L"ファイルを、すべて置換を元に戻した後の状態に修復しました。";
inline constexpr wchar_t kReplaceAllUndoTakenBack[] =
    L"ファイルを、すべて置換を元に戻す前の状態に戻しました。";
inline constexpr wchar_t kReplaceAllRedoStopped[] =
    L"前回、すべて置換をやり直す操作の途中でプログラムが終了しました。";
inline constexpr wchar_t kReplaceAllRedoFinished[] =
    L"ファイルを、すべて置換をやり直した後の状態に修復しました。";
inline constexpr wchar_t kReplaceAllRedoTakenBack[] =
    L"ファイルを、すべて置換をやり直す前の状態に戻しました。";
inline constexpr wchar_t kUndoStopped[] = L"前回、元に戻す操作の途中でプログラムが終了しました。";
inline constexpr wchar_t kRedoStopped[] = L"前回、やり直し操作の途中でプログラムが終了しました。";
inline constexpr wchar_t kUndoFinished[] = L"ファイルを元に戻した後の状態に修復しました。";
inline constexpr wchar_t kRedoFinished[] = L"ファイルをやり直した後の状態に修復しました。";
inline constexpr wchar_t kUndoTakenBack[] = L"ファイルを元に戻す前の状態に戻しました。";
inline constexpr wchar_t kRedoTakenBack[] = L"ファイルをやり直す前の状態に戻しました。";
// After a repair: the history of the stopped program went with it.
inline constexpr wchar_t kHistoryAfresh[] =
    L"元に戻す・やり直しの履歴は、このファイルを開いた時から新しく始まります。";
inline constexpr wchar_t kNotMatching[] =
    L"ファイルが変更されたか、移動または削除されたため、修復しませんでした。\r\n"
    L"ファイルには手を加えていません。";
inline constexpr wchar_t kRepairFailed[] =
    L"ファイルを修復できませんでした。\r\n"
    L"ファイルが使用中か、存在しない、等の可能性が考えられます。\r\n"
    L"次回の起動時にもう一度修復します。";
// A range's data file is named after kDataFileAt.
inline constexpr wchar_t kDataUnusable[] =
    L"修復に必要なデータファイルが見つからないか、記録の時から変更されているため、"
    L"修復しませんでした。\r\n"
    L"ファイルには手を加えていません。\r\n"
    L"次回の起動時にもう一度修復します。";
inline constexpr wchar_t kUnfit[] =
    L"修復の記録の内容がこのプログラムの行う操作と合わないため、修復しませんでした。\r\n"
    L"ファイルには手を加えていません。";
inline constexpr wchar_t kUnprovable[] =
    L"修復の記録が以前のバージョンのもので、ファイルが記録の時のままであることを"
    L"確かめられないため、修復しませんでした。\r\n"
    L"ファイルには手を加えていません。";
inline constexpr wchar_t kUnreadable[] = L"修復の記録が読み取れないため、修復しませんでした。";
inline constexpr wchar_t kNotOwnCopy[] =
    L"修復の記録にある一時ファイルの名前が、このプログラムの付ける名前ではないため、"
    L"何も削除しませんでした。";
// A record that waits for its repair keeps its file from being changed.
inline constexpr wchar_t kRecordHeld[] =
    L"修復の記録を開けないため、修復できません。"
    L"ほかのプログラムが使用中か、書き込みが禁止されている可能性があります。";
inline constexpr wchar_t kFileUnknown[] = L"（記録が読み取れないため不明）";
inline constexpr wchar_t kReadOnlyUntilRepaired[] =
    L"修復が済むまで、このファイルは読み取り専用で開きます。";
inline constexpr wchar_t kBackUpStopped[] =
    L"前回、バックアップファイルの作成中にプログラムが終了しました。";
inline constexpr wchar_t kBackUpHalfRemoved[] =
    L"作りかけのバックアップファイルを削除しました。それまでのバックアップファイルは変わっていません。";
inline constexpr wchar_t kRestoreStopped[] = L"前回、復元の途中でプログラムが終了しました。";
inline constexpr wchar_t kRestoreHalfRemoved[] =
    L"作りかけの一時ファイルを削除しました。ファイルは復元前のままです。";
inline constexpr wchar_t kFileAt[] = L"ファイル：";
inline constexpr wchar_t kDetailsAt[] = L"記録の詳細：";
inline constexpr wchar_t kDataFileAt[] = L"データファイル：";

// The details of a record set aside, one line each.
inline constexpr wchar_t kDetailsTitle[] = L"Vantelox 修復の記録";
inline constexpr wchar_t kDetailsEdit[] = L"操作：";
inline constexpr wchar_t kInsertion[] = L"挿入";
inline constexpr wchar_t kDeletion[] = L"削除";
inline constexpr wchar_t kRangeEdit[] = L"範囲の置き換え";
inline constexpr wchar_t kReplaceAllEdit[] = L"すべて置換";
inline constexpr wchar_t kDetailsMatches[] = L"置換した箇所：";
inline constexpr wchar_t kDetailsReplacement[] = L"置換後のバイト数：";
inline constexpr wchar_t kDetailsWritten[] = L"書き込み済み：";
inline constexpr wchar_t kOfUndo[] = L"（元に戻す）";
inline constexpr wchar_t kOfRedo[] = L"（やり直し）";
inline constexpr wchar_t kDetailsLength[] = L"操作前のファイルサイズ：";
inline constexpr wchar_t kBytes[] = L" バイト";
inline constexpr wchar_t kDetailsAddress[] = L"アドレス：";
inline constexpr wchar_t kDetailsByte[] = L"挿入または削除した値：";
inline constexpr wchar_t kDetailsRemoved[] = L"削除したバイト数：";
inline constexpr wchar_t kDetailsInserted[] = L"挿入したバイト数：";
inline constexpr wchar_t kDetailsRepeated[] = L"挿入した値（繰り返し）：";
inline constexpr wchar_t kDetailsMoved[] = L"移動済み：";
inline constexpr wchar_t kHeadingAfter[] = L"（操作を完了する途中）";
inline constexpr wchar_t kHeadingBefore[] = L"（操作を取り消す途中）";
inline constexpr wchar_t kDetailsFlight[] = L"移動中のブロック：アドレス ";
inline constexpr wchar_t kFlightTo[] = L" へ ";
inline constexpr wchar_t kFlightKeptAt[] = L" バイト、記録ファイルの先頭から ";
inline constexpr wchar_t kFlightKeptEnd[] = L" バイト目に保存";
inline constexpr wchar_t kNoFlight[] = L"移動中のブロック：なし";
inline constexpr wchar_t kDetailsRecord[] = L"記録ファイル：";

}  // namespace vx::recovery_texts
