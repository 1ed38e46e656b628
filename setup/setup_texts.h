// The setup wizard's texts, each defined once. Texts built with the product's
// name and version are put together in wizard.cpp.
#pragma once

namespace vx::setup_texts {

inline constexpr wchar_t kTitle[] = L"SetUpVantelox";
inline constexpr wchar_t kCaptionEnd[] = L"のInstall";

inline constexpr wchar_t kSourceNotFixed[] =
    L"セットアップは固定ディスク（ハードディスクなど）から行う必要があります。\r\n"
    L"固定ディスクにコピーしてから再実行してください。";
inline constexpr wchar_t kTargetNotFixed[] =
    L"セットアップは固定ディスク（ハードディスクなど）にインストールする必要があります。";
// Copying the setup folder into itself would erase what was just installed.
inline constexpr wchar_t kTargetInSetupFolder[] =
    L"セットアップのフォルダとその中のフォルダにはインストールできません。\r\n"
    L"別のフォルダを選択してください。";
// A folder of someone's own files is never made the install folder: the
// uninstall would have to tell them from the program's.
inline constexpr wchar_t kOtherFilesStart[] = L"「";
inline constexpr wchar_t kOtherFilesEnd[] =
    L"」には、Vanteloxのものではないファイルがあります。\r\n"
    L"空のフォルダか、まだないフォルダを選択してください。";

// One install at a time: another folder only after the earlier install
// has been uninstalled.
inline constexpr wchar_t kEarlierInstallStart[] = L"Vanteloxは「";
inline constexpr wchar_t kEarlierInstallEnd[] =
    L"」にインストールされています。\r\n"
    L"別のフォルダにインストールするには、先にアンインストールしてください。";

inline constexpr wchar_t kYes[] = L"はい";
inline constexpr wchar_t kNo[] = L"いいえ";
inline constexpr wchar_t kBack[] = L"戻る";
inline constexpr wchar_t kAbort[] = L"中止";

// Page 1, by what is already in the folder; the third is completed with the version.
inline constexpr wchar_t kOlderThere[] =
    L"　以下のフォルダに古いVanteloxがあります。インストールするとバージョンアップが出来ます。"
    L"インストールしますか？";
inline constexpr wchar_t kSameOrNewerThere[] =
    L"　以下のフォルダにインストールするVanteloxと同じか新しいVanteloxがあります。"
    L"Cancelを推奨しますが上書きしますか？";
inline constexpr wchar_t kNoneThereStart[] = L"　以下のフォルダにVantelox";
inline constexpr wchar_t kNoneThereEnd[] = L"をインストールしてよろしいですか？";

inline constexpr wchar_t kDesktopQuestion[] =
    L"デスクトップにショートカットを作成しますか？\r\n\r\nYes⇒作成する \r\nNo⇒作成しない";
inline constexpr wchar_t kSendToQuestion[] =
    L"「送る」メニューに「Vantelox」を作成しますか？\r\n\r\nYes⇒作成する \r\nNo⇒作成しない\r\n";

inline constexpr wchar_t kSummaryStart[] =
    L"以下の条件でインストールを開始します。よろしいですか？\r\n\r\n";
inline constexpr wchar_t kKindUpgrade[] = L"にバージョンアップ";
inline constexpr wchar_t kKindReinstall[] = L"の再インストール";
inline constexpr wchar_t kKindInstall[] = L"のインストール";
inline constexpr wchar_t kSummaryDesktop[] = L"デスクトップにショートカットを作成\r\n";
inline constexpr wchar_t kSummarySendTo[] = L"「送る」メニューに追加\r\n";

inline constexpr wchar_t kFolderDialogTitle[] =
    L"インストールするフォルダを選択し、ＯＫを押してください。";
inline constexpr wchar_t kAbortQuestion[] = L"インストールを中止します。よろしいですか？";

// The install steps' status texts, in the order the steps run.
inline constexpr wchar_t kStarting[] = L"インストールを開始します。";
inline constexpr wchar_t kRegisteringFolder[] = L"レジストリにインストールフォルダを登録中";
inline constexpr wchar_t kRegisteringUninstaller[] = L"アンインストールフォルダを登録中";
inline constexpr wchar_t kRegisteringDesktopShortcut[] = L"インストール情報１を登録中";
inline constexpr wchar_t kRegisteringSendToShortcut[] = L"インストール情報２を登録中";
inline constexpr wchar_t kRegisteringProgramList[] = L"アプリケーションの追加と削除に登録中";
inline constexpr wchar_t kMakingDesktopShortcut[] = L"デスクトップにショートカットを作成中";
inline constexpr wchar_t kMakingMenuShortcuts[] = L"スタートメニューにショートカットを作成中";
inline constexpr wchar_t kInstallingRuntime[] = L"ランタイムの一部をインストール中";
inline constexpr wchar_t kCopyingFiles[] = L"ファイルのコピー中";
inline constexpr wchar_t kSavingFileList[] = L"コピーしたファイルの情報を保存中";

// The endings; the success question is completed with the version.
inline constexpr wchar_t kFinishedStart[] = L"インストールが終了しました。\r\nVantelox Ver";
inline constexpr wchar_t kFinishedEnd[] = L"を起動しますか？";
inline constexpr wchar_t kFailed[] = L"インストール中にエラーが発生しました。";
inline constexpr wchar_t kAborted[] = L"インストールを中止します。";
// Earlier files a running program holds when the install is kept: the
// system removes them at its next start.
inline constexpr wchar_t kAtRestartStart[] =
    L"次のファイルは使用中のため、すぐには削除できませんでした。\r\n";
inline constexpr wchar_t kAtRestartEnd[] =
    L"Windowsの次回起動時に自動的に削除されます。";
// Around a name in a message.
inline constexpr wchar_t kQuoteStart[] = L"「";
inline constexpr wchar_t kQuoteEnd[] = L"」";
// A setup folder already installed from, or short of a file.
inline constexpr wchar_t kMissingStart[] = L"セットアップのフォルダ「";
inline constexpr wchar_t kMissingMiddle[] = L"」に、インストールするファイルがありません。\r\n";
inline constexpr wchar_t kMissingEnd[] =
    L"すでにインストールに使ったフォルダか、ファイルが欠けています。\r\n"
    L"配布されたファイルをそろえてから、もう一度セットアップを実行してください。";

}  // namespace vx::setup_texts
