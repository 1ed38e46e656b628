// The captions and tool tips of the settings window, each defined once.
#pragma once

#include <array>

namespace vx::settings_window_texts {

inline constexpr wchar_t kCaption[] = L"設定";

inline constexpr wchar_t kHideInputAfterEntry[] = L"入力完了後に入力ウィンドウを消す";
inline constexpr wchar_t kCompleteAtMostDigits[] = L"最大文字数入力時に自動で完了";
inline constexpr wchar_t kMoveAfterEntry[] = L"入力完了後に自動で移動";
inline constexpr wchar_t kHideInputAfterEntryTip[] =
    L"入力後に入力ウィンドウを消去するようにします。";
inline constexpr wchar_t kMoveAfterEntryTip[] =
    L"入力を完了後に自動で次のバイト入力に進むようにします。";
inline constexpr wchar_t kCompleteAtMostDigitsTip[] =
    L"入力ウィンドウで最大文字数を入力すると自動的に入力を完了します。";

inline constexpr wchar_t kFontFrame[] = L"フォント";
inline constexpr wchar_t kSize[] = L"サイズ";

inline constexpr wchar_t kRadixFrame[] = L"入力進数";
// By the record's radix: 0 hexadecimal, 1 decimal, 2 binary.
inline constexpr std::array<const wchar_t*, 3> kRadixOptions{L"１６進数", L"１０進数", L"２進数"};

inline constexpr wchar_t kColourFrame[] = L"色設定";
inline constexpr wchar_t kBackColour[] = L"背景色";
inline constexpr wchar_t kTextColour[] = L"文字色";
inline constexpr wchar_t kSeparator[] = L"縦区切";

// The captions of the layout fields, by the fields' index.
inline constexpr std::array<const wchar_t*, 9> kLayoutFieldCaptions{L"上マージン",
                                                                    L"左マージン",
                                                                    L"ダンプ下マージン",
                                                                    L"ダンプ右マージン",
                                                                    L"横出力数",
                                                                    L"縦出力数",
                                                                    L"番地右マージン",
                                                                    L"ダンプとテキストの横マージン",
                                                                    L"テキストの右マージン"};

// Shown when the main window had to make the page smaller than the saved
// shape to fit its screen: kFitsScreen, the shape that fits, kSavedShape,
// the saved one, kSavedShapeEnd; each shape's bytes a line and lines joined
// by kShapeBy.
inline constexpr wchar_t kFitsScreen[] = L"画面に収まる大きさ: ";
inline constexpr wchar_t kShapeBy[] = L" × ";
inline constexpr wchar_t kSavedShape[] = L"（保存: ";
inline constexpr wchar_t kSavedShapeEnd[] = L"）";

// Told when a number field holds text that is no number within its bounds:
// the bounds joined by kRangeJoin, then kEnterNumberInRange.
inline constexpr wchar_t kRangeJoin[] = L"～";
inline constexpr wchar_t kEnterNumberInRange[] = L"の数値を入力してください。";

// Also the colour chooser's buttons.
inline constexpr wchar_t kOk[] = L"OK";
inline constexpr wchar_t kCancel[] = L"Cancel";

}  // namespace vx::settings_window_texts
