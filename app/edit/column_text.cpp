#include "app/edit/column_text.h"

#include <string_view>

#include "app/page/column_characters.h"
#include "app/page/text_cells.h"
#include "common/code_page.h"
#include "common/shift_jis_tables.h"

namespace vx {
std::wstring_view ColumnTextDecoder::Shown(std::wstring_view character) const {
  // A NUL would end the text for every program that pastes it: it goes as a
  // blank, as the column shows it.
  if (character == std::wstring_view(L"\0", 1)) return L" ";
  if (!IsControlCharacter(character)) return character;
  return control_dots_ ? kControlCell : kControlBox;
}

void ColumnTextDecoder::DecodeHeld(std::wstring& text, bool finish) {
  const size_t longest = static_cast<size_t>(LongestCharacter(encoding_));
  const bool units = encoding_ == TextEncoding::Utf16Le || encoding_ == TextEncoding::Utf16Be;
  size_t i = 0;
  while (i < held_.size() && (finish || held_.size() - i >= longest)) {
    // A unit begun before the copy: its second byte alone.
    if (units && (offset_ + static_cast<int64_t>(i)) % 2 != 0) {
      text += kNoCharacterCell;
      ++i;
      continue;
    }
    const std::span<const uint8_t> rest = std::span(held_).subspan(i);
    const std::optional<ReadCharacter> read =
        ReadEncodedCharacter(encoding_, rest.first(std::min(longest, rest.size())));
    if (!read) {
      text += kNoCharacterCell;
      ++i;
      continue;
    }
    text += Shown(read->text);
    i += static_cast<size_t>(read->length);
  }
  offset_ += static_cast<int64_t>(i);
  held_.erase(held_.begin(), held_.begin() + static_cast<std::ptrdiff_t>(i));
}

void ColumnTextDecoder::Append(std::span<const uint8_t> block, std::wstring& text) {
  if (encoding_ != TextEncoding::ShiftJis) {
    held_.insert(held_.end(), block.begin(), block.end());
    DecodeHeld(text, false);
    return;
  }
  // Runs of whole characters go to the converter together; a lead byte
  // without its partner goes alone, so that it never takes the next byte.
  std::string run;
  run.reserve(block.size() + 1);
  size_t i = 0;
  if (held_lead_ && !block.empty()) {
    if (kShiftJisTables.is_trail[block[0]]) {
      run = {static_cast<char>(*held_lead_), static_cast<char>(block[0])};
      i = 1;
    } else {
      text += FromShiftJis(std::string(1, static_cast<char>(*held_lead_)));
    }
    held_lead_.reset();
  }
  for (; i < block.size(); ++i) {
    const uint8_t b = block[i];
    const wchar_t single = static_cast<wchar_t>(b);
    if (!kShiftJisTables.is_lead[b] && (b == 0 || IsControlCharacter({&single, 1}))) {
      text += FromShiftJis(run);
      run.clear();
      text += Shown({&single, 1});
    } else if (!kShiftJisTables.is_lead[b]) {
      run += static_cast<char>(b);
    } else if (i + 1 == block.size()) {
      held_lead_ = b;
    } else if (kShiftJisTables.is_trail[block[i + 1]]) {
      run += static_cast<char>(b);
      run += static_cast<char>(block[++i]);
    } else {
      text += FromShiftJis(run);
      run.clear();
      text += FromShiftJis(std::string(1, static_cast<char>(b)));
    }
  }
  text += FromShiftJis(run);
}

void ColumnTextDecoder::Finish(std::wstring& text) {
  if (encoding_ != TextEncoding::ShiftJis) {
    DecodeHeld(text, true);
    return;
  }
  if (held_lead_) text += FromShiftJis(std::string(1, static_cast<char>(*held_lead_)));
  held_lead_.reset();
}

}  // namespace vx
