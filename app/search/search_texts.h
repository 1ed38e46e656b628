// The messages of the search, each defined once.
#pragma once

namespace vx::search_texts {

// Refusals of the search data.
inline constexpr wchar_t kOutsideRules[] = L"規定外の文字が含まれています。";
inline constexpr wchar_t kNoData[] = L"データが含まれていません。";
inline constexpr wchar_t kBeyondByte[] = L"バイト型（０－２５５）の範囲を超えています。";

// Results.
inline constexpr wchar_t kNotFound[] = L"データが見つかりませんでした。";
inline constexpr wchar_t kSearchError[] = L"検索中にエラーが発生しました。";
inline constexpr wchar_t kAllSearched[] = L"全て検索しました。";

// The progress caption while a search runs.
inline constexpr wchar_t kSearching[] = L"検索中です．．．";

}  // namespace vx::search_texts
