// The captions and messages of the bookmarks, each defined once.
#pragma once

namespace vx::bookmark_texts {

inline constexpr wchar_t kCaption[] = L"しおりの一覧";
inline constexpr wchar_t kListLabel[] = L"しおり(&L)";
inline constexpr wchar_t kNameLabel[] = L"名前(&N)";
inline constexpr wchar_t kGo[] = L"移動";
inline constexpr wchar_t kRemove[] = L"削除(&D)";
inline constexpr wchar_t kClose[] = L"閉じる";

inline constexpr wchar_t kNoBookmarks[] = L"しおりがありません。";
inline constexpr wchar_t kDropped[] =
    L"しおりの記録に読めない項目か、ファイルの末尾より後を指す項目がありました。\r\n"
    L"それらは捨てました。捨てた数：";
inline constexpr wchar_t kNotSaved[] = L"しおりを保存できませんでした。";

}  // namespace vx::bookmark_texts
