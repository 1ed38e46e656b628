// What the data inspector needs of the window it stands beside: the bytes at
// the caret, the one change that writes a typed value there, the text
// column's reading of a character, and the keys handed back to the page.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "app/page/column_characters.h"

namespace vx {

class InspectorHost {
 public:
  // The bytes from the caret on: up to 8, fewer near the end of the file;
  // none while no file is open.
  virtual std::optional<std::vector<uint8_t>> BytesAtCaret() const = 0;
  // `bytes` written over the file from the caret on as one change, or the
  // refusal shown; the inspector follows through the host's next redraw.
  virtual void WriteAtCaret(std::span<const uint8_t> bytes) = 0;
  virtual CharacterCodec ColumnCharacters() const = 0;
  // Esc in the inspector: the keys back to the page.
  virtual void ReturnKeys() = 0;
  // The inspector was hidden by its close box.
  virtual void InspectorHidden() = 0;

 protected:
  ~InspectorHost() = default;
};

}  // namespace vx
