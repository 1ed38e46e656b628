// The messages of opening a file, each defined once.
#pragma once

namespace vx::open_texts {

inline constexpr wchar_t kOpenFailed[] =
    L"ファイルのオープンに失敗しました。\r\n"
    L"ファイルが存在しないか、アクセスできない可能性があります。\r\n"
    L"終了します";
inline constexpr wchar_t kZeroBytes[] =
    L"このファイルは０バイトです。読み込むと０バイトではなくなります。それでも読み込みますか？";

// The Open and New commands.
inline constexpr wchar_t kOpenTitle[] = L"ファイルを開く";
inline constexpr wchar_t kNewTitle[] = L"ファイルの新規作成";
inline constexpr wchar_t kAllFilesFilter[] = L"全てのファイル|*.*";
inline constexpr wchar_t kCreateAsk[] = L"新規作成しますか？";
inline constexpr wchar_t kAlreadyExists[] = L"そのファイルは存在しています。";

}  // namespace vx::open_texts
