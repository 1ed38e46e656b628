// The messages of the search, each defined once.
#pragma once

namespace vx::search_texts {

// Refusals of the search data.
inline constexpr wchar_t kOutsideRules[] = L"規定外の文字が含まれています。";
inline constexpr wchar_t kNoData[] = L"データが含まれていません。";
inline constexpr wchar_t kBeyondByte[] = L"バイト型（０－２５５）の範囲を超えています。";
// A character of the text that the chosen encoding cannot hold: %1 the
// character, %2 the encoding's name.
inline constexpr wchar_t kNoFormInEncoding[] = L"「%1」は %2 で表せない文字です。";
// A number beyond its width: %1 the width in bytes, %2 and %3 the range.
inline constexpr wchar_t kIntegerRange[] = L"%1バイトの整数は %2 から %3 までです。";
inline constexpr wchar_t kFloatRange[] = L"%1バイトの浮動小数点数は %2 から %3 までです。";
inline constexpr wchar_t kNotInteger[] =
    L"整数として読めません。10進数か、0x で始まる16進数で入力してください。";
inline constexpr wchar_t kNotFloat[] =
    L"浮動小数点数として読めません。1.5 や -2.5e10 のように入力してください。";
inline constexpr wchar_t kNotANumber[] = L"NaN は決まったバイト列を持たないため検索できません。";

// Results.
inline constexpr wchar_t kNotFound[] = L"データが見つかりませんでした。";
inline constexpr wchar_t kSearchError[] = L"検索中にエラーが発生しました。";
inline constexpr wchar_t kAllSearched[] = L"全て検索しました。";

// The progress caption while a search runs.
inline constexpr wchar_t kSearching[] = L"検索中です．．．";

}  // namespace vx::search_texts
