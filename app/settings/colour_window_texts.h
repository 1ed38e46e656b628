// The captions of the colour chooser and the names of the 25 system colour
// elements, each defined once.
#pragma once

#include <array>

#include "app/settings/colour_choice.h"

namespace vx::colour_window_texts {

inline constexpr wchar_t kCaption[] = L"色設定";
inline constexpr wchar_t kSystemColour[] = L"システムカラー";
inline constexpr wchar_t kUserColour[] = L"ユーザー定義カラー";
inline constexpr wchar_t kChosen[] = L"決定色";
inline constexpr std::array<const wchar_t*, 3> kParts{L"Red", L"Green", L"Blue"};
// OK, Cancel and the font are the settings window's (settings_window_texts.h).

// By element number, the GetSysColor index. Entry 22 holds an ideographic
// space (U+3000) after "で".
inline constexpr std::array<const wchar_t*, kSystemColourCount> kSystemColourNames{
    L"スクロール バーの色",
    L"デスクトップの色",
    L"アクティブ ウィンドウのタイトル バーの色",
    L"非アクティブ ウィンドウのタイトル バーの色",
    L"メニューの背景色",
    L"ウィンドウの背景色",
    L"ウィンドウのフレームの色",
    L"メニューの文字の色",
    L"ウィンドウの文字の色",
    L"キャプションの文字",
    L"アクティブ ウィンドウの境界の色",
    L"非アクティブ ウィンドウの境界の色",
    L"MDI アプリケーションの背景色",
    L"コントロールで選択された項目の背景色",
    L"コントロールで選択された項目の文字の色",
    L"コマンド ボタンの表面の立体的な表示の色",
    L"コマンド ボタンの端の立体的な表示の色",
    L"淡色表示 (無効) の文字の色",
    L"プッシュ ボタンの文字の色",
    L"非アクティブ キャプションの文字の色",
    L"3D で最も明るく表示する要素の色",
    L"3D で最も暗く表示する要素の影の色",
    L"3D で\u3000"
    L"2 番目に明るく表示する要素の色",
    L"ツール ヒントの文字の色",
    L"ツール ヒントの背景色",
};

}  // namespace vx::colour_window_texts
