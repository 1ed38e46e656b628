// The print window's captions and messages, each defined once.
#pragma once

namespace vx::print_texts {

inline constexpr wchar_t kCaption[] = L"印刷ウィンドウ";
inline constexpr wchar_t kAllPages[] = L"全て印刷";
inline constexpr wchar_t kChosenPages[] = L"ページ指定";
inline constexpr wchar_t kHelp[] =
    L"テキストボックスにページ数を入力してください。\r\n"
    L"認識できる文字は、－と，と数字です。\r\n"
    L"たとえば，1,3,5ページを印刷したい場合は\r\n"
    L"[1,3,5]と入力します。\r\n"
    L"1ページから10ページと15ページを印刷したい場合は\r\n"
    L"[1-10,15]と入力します。";
inline constexpr wchar_t kPrint[] = L"印刷";
inline constexpr wchar_t kCancel[] = L"キャンセル";
inline constexpr wchar_t kPrintSetup[] = L"印刷設定";
inline constexpr wchar_t kClose[] = L"閉じる";

// The status line: kPagesToPrint, the page count, kPages.
inline constexpr wchar_t kPagesToPrint[] = L"印刷予定枚数：";
inline constexpr wchar_t kPages[] = L"ページ";
// While printing: the page, kPrintingPage, k, "/", N, ")".
inline constexpr wchar_t kPrintingPage[] = L"ページを出力中．．．(";
inline constexpr wchar_t kCancelling[] = L"印刷をキャンセルしています．．．．";

inline constexpr wchar_t kNothingChosen[] = L"指定されていません。";
inline constexpr wchar_t kNoPrinter[] =
    L"プリンタがインストールされていません。\r\nプリンタをインストールしてから印刷してください。";
inline constexpr wchar_t kPrintFailed[] = L"印刷できませんでした。";

}  // namespace vx::print_texts
