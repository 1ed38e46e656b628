// The captions and messages of the go-to-address window, each defined once.
#pragma once

namespace vx::go_to_texts {

inline constexpr wchar_t kCaption[] = L"指定番地へ移動";
inline constexpr wchar_t kAddressLabel[] = L"移動先の番地(&A)";
inline constexpr wchar_t kRadixFrame[] = L"番地の進数";
inline constexpr wchar_t kHexadecimal[] = L"１６進数(&H)";
inline constexpr wchar_t kDecimal[] = L"１０進数(&D)";
inline constexpr wchar_t kRelativeHint[] =
    L"先頭に「+」か「-」を付けると、\r\n"
    L"現在の位置から数えます。";
inline constexpr wchar_t kGo[] = L"移動";
inline constexpr wchar_t kClose[] = L"閉じる";

inline constexpr wchar_t kEmpty[] = L"番地が入力されていません。";
inline constexpr wchar_t kNotHexadecimal[] =
    L"番地として読めない文字が含まれています。\r\n"
    L"１６進数（0～9、A～F）で入力して下さい。";
inline constexpr wchar_t kNotDecimal[] =
    L"番地として読めない文字が含まれています。\r\n"
    L"１０進数（0～9）で入力して下さい。";

}  // namespace vx::go_to_texts
