#include "app/search/search_source.h"

namespace vx {

std::optional<std::span<const uint8_t>> BlockSource::Window(int64_t offset, int64_t length) {
  if (buffer_.size() < static_cast<size_t>(length)) buffer_.resize(static_cast<size_t>(length));
  const int64_t got = file_.ReadAt(offset, buffer_.data(), length);
  if (got < 0) return std::nullopt;
  return std::span<const uint8_t>(buffer_.data(), static_cast<size_t>(got));
}

}  // namespace vx
