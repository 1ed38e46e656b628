// The captions of the search window, each defined once.
#pragma once

namespace vx::search_window_texts {

inline constexpr wchar_t kCaption[] = L"検索";
inline constexpr wchar_t kDataLabel[] = L"検索対象データ";
inline constexpr wchar_t kTargetFrame[] = L"検索対象";
inline constexpr wchar_t kBytes[] = L"バイト";
inline constexpr wchar_t kText[] = L"テキスト";
inline constexpr wchar_t kStartFrame[] = L"検索開始位置";
inline constexpr wchar_t kFromBeginning[] = L"最初から";
inline constexpr wchar_t kFromCaret[] = L"現在の位置";
inline constexpr wchar_t kSearch[] = L"検索";
inline constexpr wchar_t kFindNext[] = L"次を検索";
inline constexpr wchar_t kClose[] = L"閉じる";
inline constexpr wchar_t kExplain[] = L"説明";
inline constexpr wchar_t kHelp[] =
    L"－検索方法－\r\n"
    L"検索対象データにデータを入力して検索します。\r\n"
    L"バイトデータで検索するときは、\r\n"
    L"●スペースでデータを区切ること\r\n"
    L"●１６進入力のみに対応\r\n"
    L"を忘れないで下さい。\r\n"
    L"テキストデータで入力する時はそのまま検索します。";

}  // namespace vx::search_window_texts
