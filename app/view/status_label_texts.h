// The fixed texts of the main window's file and caret status lines and title.
#pragma once

#include <string_view>

namespace vx {

inline constexpr std::wstring_view kFileNamePrefix = L"FileName: ";
inline constexpr std::wstring_view kNoFileNameLabel = L"FileName: ------------";

inline constexpr std::wstring_view kSizePrefix = L"Size: ";
inline constexpr std::wstring_view kSizeBytesUnit = L"Bytes. (";
inline constexpr std::wstring_view kSizeKiloUnit = L"KB. ";
inline constexpr std::wstring_view kSizeMegaUnit = L"MB.)";
inline constexpr std::wstring_view kNoSizeLabel = L"Size: -----------";

// The gap is an ideographic space.
inline constexpr std::wstring_view kTitlePrefix = L"Vantelox\u3000[";
inline constexpr std::wstring_view kTitleSuffix = L"]";

inline constexpr std::wstring_view kAddressDecimalOpen = L"  (";
inline constexpr std::wstring_view kAddressSuffix = L") 番地";
inline constexpr std::wstring_view kFourBytePrefix = L"4Byte:";
inline constexpr std::wstring_view kTwoBytePrefix = L"2Byte:";
inline constexpr std::wstring_view kOneBytePrefix = L"1Byte: ";
inline constexpr std::wstring_view kBinaryPrefix = L"２進: ";

inline constexpr std::wstring_view kUnreadAddressLabel = L"----(--)番地";
inline constexpr std::wstring_view kUnreadFourByteLabel = L"4Byte:----";
inline constexpr std::wstring_view kUnreadTwoByteLabel = L"2Byte:---";
inline constexpr std::wstring_view kUnreadOneByteLabel = L"1Byte: ----";
inline constexpr std::wstring_view kUnreadBinaryLabel = L"２進: ----";

// The selection line: "選択 10-1F (16-31) 長さ 10 (16)"; while F8 has caret
// moves extend the selection, its own prefix stands in for "選択 ".
inline constexpr std::wstring_view kSelectionPrefix = L"選択 ";
inline constexpr std::wstring_view kExtendingPrefix = L"[F8 選択中] ";
inline constexpr std::wstring_view kSelectionTo = L"-";
inline constexpr std::wstring_view kSelectionDecimalOpen = L" (";
inline constexpr std::wstring_view kSelectionDecimalClose = L")";
inline constexpr std::wstring_view kSelectionLengthPrefix = L" 長さ ";
inline constexpr std::wstring_view kNoSelection = L"----";

}  // namespace vx
