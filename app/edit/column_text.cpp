#include "app/edit/column_text.h"

#include <string_view>

#include "common/code_page.h"
#include "common/shift_jis_tables.h"

namespace vx {
namespace {

// A NUL would end the text for every program that pastes it: it goes as a
// blank, as the column shows it.
char Shown(uint8_t b) { return b == 0 ? ' ' : static_cast<char>(b); }

}  // namespace

void ColumnTextDecoder::Append(std::span<const uint8_t> block, std::wstring& text) {
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
    if (!kShiftJisTables.is_lead[b]) {
      run += Shown(b);
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
  if (held_lead_) text += FromShiftJis(std::string(1, static_cast<char>(*held_lead_)));
  held_lead_.reset();
}

}  // namespace vx
