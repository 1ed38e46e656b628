// The data inspector's captions, row texts and refusals, each defined once.
#pragma once

namespace vx::inspector_texts {

inline constexpr wchar_t kTitle[] = L"データインスペクタ";
inline constexpr wchar_t kLittleEndian[] = L"リトルエンディアン(&L)";
inline constexpr wchar_t kBigEndian[] = L"ビッグエンディアン(&B)";

inline constexpr wchar_t kSigned8[] = L"8ビット符号付き";
inline constexpr wchar_t kUnsigned8[] = L"8ビット符号なし";
inline constexpr wchar_t kSigned16[] = L"16ビット符号付き";
inline constexpr wchar_t kUnsigned16[] = L"16ビット符号なし";
inline constexpr wchar_t kSigned32[] = L"32ビット符号付き";
inline constexpr wchar_t kUnsigned32[] = L"32ビット符号なし";
inline constexpr wchar_t kSigned64[] = L"64ビット符号付き";
inline constexpr wchar_t kUnsigned64[] = L"64ビット符号なし";
inline constexpr wchar_t kFloat32[] = L"32ビット浮動小数点";
inline constexpr wchar_t kFloat64[] = L"64ビット浮動小数点";
inline constexpr wchar_t kBinary[] = L"2進数";
inline constexpr wchar_t kOctal[] = L"8進数";
inline constexpr wchar_t kColumnCharacter[] = L"文字 (テキスト欄)";
inline constexpr wchar_t kUtf8Character[] = L"文字 (UTF-8)";
inline constexpr wchar_t kUtf16Character[] = L"文字 (UTF-16)";
inline constexpr wchar_t kUnixTime32[] = L"Unix時刻 (32ビット)";
inline constexpr wchar_t kUnixTime64[] = L"Unix時刻 (64ビット)";
inline constexpr wchar_t kFileTime[] = L"FILETIME";
inline constexpr wchar_t kDosDateTime[] = L"MS-DOS日時";

// Row texts that are no value.
inline constexpr wchar_t kPastEnd[] = L"(ファイルの終わりを越えます)";
inline constexpr wchar_t kNoCharacter[] = L"(文字になりません)";
inline constexpr wchar_t kNoDate[] = L"(日時になりません)";
// Behind a time in universal time.
inline constexpr wchar_t kUtc[] = L" UTC";

// Refusals of a typed value: the row's label, then what it takes.
inline constexpr wchar_t kTakesIntegers[] = L"には %1 から %2 までの整数を入力してください。";
inline constexpr wchar_t kTakesFloat[] =
    L"には %1 から %2 までの数、inf、-inf または nan を入力してください。";
inline constexpr wchar_t kTakesDigits[] = L"には %1 から %2 までの数を入力してください。";
inline constexpr wchar_t kTakesOneCharacter[] = L"には1文字を入力してください。";
inline constexpr wchar_t kNoSuchCharacter[] =
    L"の文字コードでは表せない文字です。何も書き込みませんでした。";
inline constexpr wchar_t kTakesDate[] =
    L"には %1 から %2 までの日時を「年-月-日 時:分:秒」の形で入力してください。";
// A write that would pass the end of the file.
inline constexpr wchar_t kWritePastEnd[] =
    L"書き込む値がファイルの終わりを越えます。ファイルの長さは変えられません。";

}  // namespace vx::inspector_texts
