// The messages of the settings file, shown exactly as written here.
#pragma once

namespace vx {

inline constexpr wchar_t kSettingsReadFailedText[] =
    L"設定ファイルの読み込みに失敗しました。\r\n初期状態に設定します。";
inline constexpr wchar_t kSettingsSaveFailedText[] = L"設定ファイルの保存に失敗しました。";

}  // namespace vx
