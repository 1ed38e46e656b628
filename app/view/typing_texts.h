// The messages of typing characters into the text column, each defined once.
#pragma once

namespace vx::typing_texts {

inline constexpr wchar_t kCannotEncode[] =
    L"この文字はテキスト欄の文字コードでは表せません。何も書き込みませんでした。";
// Typing overwrites: the file never grows by it.
inline constexpr wchar_t kPastEnd[] =
    L"ファイルの終わりを越えては書き込めません。"
    L"文字の入力は上書きだけで、ファイルの長さは変わりません。";

}  // namespace vx::typing_texts
