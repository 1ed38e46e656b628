// The uninstaller's texts, each defined once.
#pragma once

namespace vx::uninstall_texts {

inline constexpr wchar_t kTitle[] = L"UnInstallVantelox";
inline constexpr wchar_t kCaption[] = L"Vanteloxのアンインストール";

inline constexpr wchar_t kFirstQuestion[] = L"Vanteloxをアンインストールします。よろしいですか？";
inline constexpr wchar_t kSecondQuestion[] =
    L"Vanteloxフォルダの中のファイルは全て削除されます。\r\n"
    L"残しておきたいファイルがVanteloxフォルダにある場合は\r\n"
    L"中止して必要ファイルを別の場所に移した後、もう一度アンインストールを実行してください。\r\n"
    L"本当に削除してよろしいですか？";
// The second question when the places the uninstall clears hold what the
// setup did not make there: it is named, and kept unless the person agrees.
inline constexpr wchar_t kUnlistedStart[] =
    L"Vanteloxのフォルダやショートカットの場所に、インストールしたものではない"
    L"次のファイルやフォルダがあります。\r\n";
inline constexpr wchar_t kUnlistedEnd[] =
    L"\r\n「はい」を押すと、これらもごみ箱に移して削除します"
    L"（ごみ箱に移せないものは、そのまま残します）。\r\n"
    L"「いいえ」を押すと、これらは残してアンインストールします。\r\n"
    L"「キャンセル」を押すと、何も削除せずにアンインストールを中止します。";

// An edit that a stopped Vantelox left half done waits for its repair at
// the next start: removing its record would lose the file's bytes.
inline constexpr wchar_t kRepairPending[] =
    L"Vanteloxで途中になった編集の修復情報が残っています。\r\n"
    L"アンインストールの前に一度Vanteloxを起動して、ファイルの修復を済ませてください。\r\n"
    L"何も削除せずにアンインストールを中止しました。";

// The steps' status texts, in the order the steps run.
inline constexpr wchar_t kStarting[] = L"アンインストールを開始します。";
inline constexpr wchar_t kFindingFolder[] = L"削除するフォルダを検索しています。";
inline constexpr wchar_t kReadingRecord[] = L"インストール時の情報を取り込んでいます。";
inline constexpr wchar_t kErasingInstallInfo[] = L"レジストリのインストール情報を削除しています。";
inline constexpr wchar_t kErasingUninstallInfo[] =
    L"レジストリのアンインストール情報を削除しています。";
inline constexpr wchar_t kErasingShortcutInfo[] =
    L"レジストリのインストール時の情報を削除しています。";
inline constexpr wchar_t kErasingProgramList[] =
    L"アプリケーションの追加と削除の情報を削除しています。";
inline constexpr wchar_t kDeletingDesktopShortcut[] =
    L"デスクトップのショートカットを削除しています。";
inline constexpr wchar_t kDeletingMenuShortcuts[] =
    L"スタートメニューのショートカットを削除しています。";
inline constexpr wchar_t kDeletingFiles[] = L"インストールした全てのファイルを削除しています。";
inline constexpr wchar_t kDeletingMenuFolder[] =
    L"Vanteloxショートカットフォルダを削除しています。";
inline constexpr wchar_t kDeletingFolder[] = L"Vanteloxフォルダを削除しています。";
inline constexpr wchar_t kErasingFolder[] = L"Vanteloxフォルダを完全削除しています。";
inline constexpr wchar_t kErasingRecordKey[] = L"Vanteloxレジストリを削除しています。";

// What could not be removed, in the order the steps find it.
inline constexpr wchar_t kNoInstallDir[] = L"インストールフォルダ情報が存在しません。";
inline constexpr wchar_t kNoUninstallerName[] = L"アンインストールフォルダ情報が存在しません。";
inline constexpr wchar_t kNoDesktopShortcutInfo[] =
    L"デスクトップのショートカット情報が存在しません。";
inline constexpr wchar_t kNoSendToInfo[] = L"ico,curファイルコマンド情報が存在しません。";
inline constexpr wchar_t kSendToNotDeleted[] = L"「送る」メニューの削除に失敗しました。";
inline constexpr wchar_t kDesktopShortcutNotDeleted[] =
    L"デスクトップのショートカットの削除に失敗しました。";
inline constexpr wchar_t kRecordKeyNotDeleted[] = L"Vanteloxレジストリの削除に失敗しました。";
// A recorded install folder that is not the one the setup made (relative,
// a root, a folder of the system, or one without the list and the program)
// is never deleted, nor anything the list names in it.
inline constexpr wchar_t kFolderRefusedStart[] = L"インストールフォルダ「";
inline constexpr wchar_t kFolderRefusedEnd[] =
    L"」は削除してはならないフォルダのため、削除しませんでした。";

// A recorded shortcut that is not this program's own stays.
inline constexpr wchar_t kShortcutRefusedEnd[] =
    L"」はVanteloxのショートカットではないため、削除しませんでした。";
// The record stays while anything it names stays, so that the uninstall
// can be run again.
inline constexpr wchar_t kRecordKept[] =
    L"削除できなかった項目があるため、インストール情報は残しました。\r\n"
    L"項目を移すか閉じた後、もう一度アンインストールを実行してください。";
// A list longer than any install's is no list of the setup's: the install
// folder stays untouched.
inline constexpr wchar_t kListTooLongEnd[] =
    L"」はインストール時に作られた一覧ではないため（行が多すぎます）、"
    L"インストールフォルダは削除しませんでした。";
// Something that should have gone and is still there at the end.
inline constexpr wchar_t kLeftBehindEnd[] = L"」を削除できませんでした。";
inline constexpr wchar_t kQuoteStart[] = L"「";

// Files in use, checked before anything is removed.
inline constexpr wchar_t kInUseStart[] = L"次のファイルは使用中のため削除できません。\r\n";
inline constexpr wchar_t kInUseEnd[] =
    L"\r\nVanteloxを終了してから「はい」を押すと、もう一度確かめます。\r\n"
    L"「いいえ」を押すと、何も削除せずにアンインストールを中止します。";
inline constexpr wchar_t kStoppedUnchanged[] =
    L"アンインストールを中止しました。何も削除していません。";

inline constexpr wchar_t kSucceeded[] = L"アンインストールは正常に終了しました。";
inline constexpr wchar_t kSomeLeft[] =
    L"いくつかの項目が削除できませんでした。\r\n"
    L"すでに削除されているか、使用中の可能性があります。\r\n"
    L"削除できなかった項目は手動で削除してください。";

}  // namespace vx::uninstall_texts
