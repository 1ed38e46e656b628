// The captions of the search window and of the list of all matches, each
// defined once.
#pragma once

namespace vx::search_window_texts {

inline constexpr wchar_t kCaption[] = L"検索";
inline constexpr wchar_t kDataLabel[] = L"検索対象データ";
inline constexpr wchar_t kReplacementLabel[] = L"置換後のデータ";
inline constexpr wchar_t kTargetFrame[] = L"検索対象";
inline constexpr wchar_t kBytes[] = L"バイト";
inline constexpr wchar_t kText[] = L"テキスト";
inline constexpr wchar_t kNumber[] = L"数値";
inline constexpr wchar_t kIgnoreCase[] = L"英字の大文字と小文字を区別しない";
inline constexpr wchar_t kBigEndian[] = L"ビッグエンディアン";
inline constexpr wchar_t kStartFrame[] = L"検索開始位置";
inline constexpr wchar_t kFromBeginning[] = L"最初から";
inline constexpr wchar_t kFromCaret[] = L"現在の位置";
inline constexpr wchar_t kInSelection[] = L"選択範囲内";
inline constexpr wchar_t kSearch[] = L"検索";
inline constexpr wchar_t kFindNext[] = L"次を検索";
inline constexpr wchar_t kFindPrevious[] = L"前を検索";
inline constexpr wchar_t kFindAll[] = L"すべて検索";
inline constexpr wchar_t kReplace[] = L"置換";
inline constexpr wchar_t kReplaceAll[] = L"すべて置換";
inline constexpr wchar_t kClose[] = L"閉じる";
inline constexpr wchar_t kExplain[] = L"説明";
inline constexpr wchar_t kStop[] = L"中止";
inline constexpr wchar_t kHelp[] =
    L"－検索方法－\r\n"
    L"検索対象データにデータを入力して検索します。\r\n"
    L"バイトデータで検索するときは、\r\n"
    L"●スペースでデータを区切ること\r\n"
    L"●１６進入力のみに対応\r\n"
    L"を忘れないで下さい。\r\n"
    L"テキストデータで入力する時はそのまま検索します。";

// The forms a text or a number is searched in, by the target chosen.
inline constexpr const wchar_t* kTextForms[] = {
    L"Shift-JIS", L"UTF-8", L"UTF-16 リトルエンディアン", L"UTF-16 ビッグエンディアン"};
inline constexpr const wchar_t* kNumberForms[] = {L"整数 1バイト",         L"整数 2バイト",
                                                  L"整数 4バイト",         L"整数 8バイト",
                                                  L"浮動小数点数 4バイト", L"浮動小数点数 8バイト"};

// After "すべて置換": "<count> 個のデータを置換しました。".
inline constexpr wchar_t kReplacedCount[] = L" 個のデータを置換しました。";

// The list of all matches.
inline constexpr wchar_t kFindAllCaption[] = L"すべて検索";
inline constexpr wchar_t kHexAddressColumn[] = L"アドレス (16進)";
inline constexpr wchar_t kDecimalAddressColumn[] = L"アドレス (10進)";
inline constexpr wchar_t kBytesColumn[] = L"データ (16進)";
inline constexpr wchar_t kTextColumn[] = L"テキスト";
inline constexpr wchar_t kSearchAgain[] = L"再検索";
inline constexpr wchar_t kFoundCount[] = L"見つかった数: ";
inline constexpr wchar_t kListedFirst[] = L"（一覧は最初の ";
inline constexpr wchar_t kListedFirstEnd[] = L" 個）";
inline constexpr wchar_t kStillSearching[] = L"　検索中…";
inline constexpr wchar_t kStopped[] = L"　中止しました";
inline constexpr wchar_t kFailed[] = L"　検索中にエラーが発生しました";
inline constexpr wchar_t kStale[] =
    L"ファイルが変更されました。一覧のアドレスは古いかもしれません。「再検索」で新しくします。";

}  // namespace vx::search_window_texts
