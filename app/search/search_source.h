// Where a search gets the file's bytes: views mapped from the file itself,
// or reads through a BlockFile (which tests make fail at will). The scan is
// the same over both.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "app/disk/block_file.h"
#include "common/file_view.h"

namespace vx {

class SearchSource {
 public:
  virtual ~SearchSource() = default;
  // The bytes from `offset` on, `length` of them or as many as the file
  // holds; none when they cannot be had. Valid until the next call.
  virtual std::optional<std::span<const uint8_t>> Window(int64_t offset, int64_t length) = 0;
};

// Views of the file, moved along it: nothing is copied.
class ViewSource : public SearchSource {
 public:
  explicit ViewSource(fs::FileView& view) : view_(view) {}
  std::optional<std::span<const uint8_t>> Window(int64_t offset, int64_t length) override {
    return view_.Map(offset, length);
  }

 private:
  fs::FileView& view_;
};

// Reads into one buffer, as large as the largest window.
class BlockSource : public SearchSource {
 public:
  explicit BlockSource(BlockFile& file) : file_(file) {}
  std::optional<std::span<const uint8_t>> Window(int64_t offset, int64_t length) override;

 private:
  BlockFile& file_;
  std::vector<uint8_t> buffer_;
};

}  // namespace vx
