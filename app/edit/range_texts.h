// The messages of the range commands (copy, cut, paste, fill) and the name of
// the clipboard format that carries copied bytes, each defined once.
#pragma once

namespace vx::range_texts {

// Registered with the system; another copy of the program pastes by it too.
inline constexpr wchar_t kClipboardFormat[] = L"Vantelox.Bytes";

inline constexpr wchar_t kCopyTooLarge[] =
    L"256MB（268,435,456バイト）を超える範囲はコピーできません。";
// The part that could not be read follows in 「」.
inline constexpr wchar_t kPasteNotHex[] =
    L"クリップボードの内容を16進数として読めません。\r\n"
    L"読めない部分：";
inline constexpr wchar_t kQuoteOpen[] = L"「";
inline constexpr wchar_t kQuoteClose[] = L"」";
inline constexpr wchar_t kNothingToPaste[] = L"貼り付けるデータがありません。";
inline constexpr wchar_t kPasteOverAtEnd[] = L"ファイルの終わりには上書きできません。";

}  // namespace vx::range_texts
