// The captions and messages of the hash window and the comparison, each
// defined once.
#pragma once

namespace vx::check_texts {

// The hash window.
inline constexpr wchar_t kHashCaption[] = L"ハッシュ値";
inline constexpr wchar_t kHashOfSelection[] = L"選択範囲";
inline constexpr wchar_t kHashOfFile[] = L"ファイル全体";
inline constexpr wchar_t kRangeFirst[] = L"：先頭 ";
inline constexpr wchar_t kRangeLast[] = L" 番地 ～ 末尾 ";
inline constexpr wchar_t kRangeLength[] = L" 番地（";
inline constexpr wchar_t kRangeBytes[] = L" バイト）";
inline constexpr wchar_t kCopy[] = L"コピー";
inline constexpr wchar_t kCancel[] = L"中止";
inline constexpr wchar_t kClose[] = L"閉じる";
inline constexpr wchar_t kHashing[] = L"計算しています…";
inline constexpr wchar_t kHashed[] = L"計算しました。";
inline constexpr wchar_t kHashCancelled[] = L"中止しました。";
inline constexpr wchar_t kNoneChosen[] = L"計算するハッシュを選んで下さい。";
inline constexpr wchar_t kHashNotOpened[] =
    L"ファイルを開けませんでした。ハッシュ値は計算していません。";
inline constexpr wchar_t kHashReadFailed[] =
    L"ファイルを読めませんでした。ハッシュ値は出していません。";
inline constexpr wchar_t kHashSizeChanged[] =
    L"計算の間にファイルの大きさが変わりました。ハッシュ値は出していません。";
inline constexpr wchar_t kHashUnavailable[] = L"このシステムでは次のハッシュを計算できません：";

// The comparison.
inline constexpr wchar_t kCompareTitle[] = L"比較するファイル";
inline constexpr wchar_t kCompareCaption[] = L"ファイルの比較";
inline constexpr wchar_t kCompareOther[] = L"比較先：";
inline constexpr wchar_t kCompareMethod[] =
    L"先頭から1バイトずつ比べます（挿入や削除によるずれは合わせません）。";
inline constexpr wchar_t kComparing[] = L"比較しています…";
inline constexpr wchar_t kCompareSame[] = L"二つのファイルは同じです。";
inline constexpr wchar_t kCompareStretches[] = L"相違 ";
inline constexpr wchar_t kCompareStretchesUnit[] = L" か所、計 ";
inline constexpr wchar_t kCompareBytesUnit[] = L" バイト。";
inline constexpr wchar_t kCompareSameLength[] = L"長さは同じです。";
inline constexpr wchar_t kCompareOpenLonger[] = L"開いているファイルのほうが ";
inline constexpr wchar_t kCompareOtherLonger[] = L"比較先のほうが ";
inline constexpr wchar_t kCompareLongerBy[] = L" バイト長いです。";
inline constexpr wchar_t kCompareListedFirst[] = L"一覧は最初の ";
inline constexpr wchar_t kCompareListedUnit[] = L" か所です。";
inline constexpr wchar_t kCompareCancelled[] = L"比較を中止しました。";
inline constexpr wchar_t kStretchBytes[] = L" バイト  ";
inline constexpr wchar_t kStretchSides[] = L"  ／  ";
inline constexpr wchar_t kShortened[] = L"…";
inline constexpr wchar_t kGo[] = L"移動";
inline constexpr wchar_t kCompareOpenFailed[] = L"開いているファイルを読めませんでした。";
inline constexpr wchar_t kCompareOtherFailed[] = L"比較先のファイルを開けませんでした。";
inline constexpr wchar_t kCompareReadFailed[] = L"ファイルを読めませんでした。比較を中止しました。";
inline constexpr wchar_t kNoComparison[] =
    L"比較したファイルがありません。\r\n"
    L"ツールメニューの「ファイルの比較」で比較して下さい。";
inline constexpr wchar_t kNoDifference[] = L"二つのファイルに相違点はありません。";

}  // namespace vx::check_texts
