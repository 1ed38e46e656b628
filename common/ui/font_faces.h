// The font faces the programs ask for, by the names Japanese Windows gives
// them (Wine maps them to the IPA fonts).
#pragma once

namespace vx::font_faces {

// Proportional: dialogs, their labels and the number fields.
inline constexpr wchar_t kDialog[] = L"ＭＳ Ｐゴシック";
// Fixed pitch: the dump's default face, the status labels and the byte input
// field, so that digits keep their places as they change.
inline constexpr wchar_t kFixedPitch[] = L"ＭＳ ゴシック";

}  // namespace vx::font_faces
