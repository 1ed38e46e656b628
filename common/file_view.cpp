#include "common/file_view.h"

#include <utility>

namespace vx::fs {

FileView::FileView(FileView&& other) noexcept { *this = std::move(other); }

FileView& FileView::operator=(FileView&& other) noexcept {
  if (this != &other) {
    Close();
    file_ = std::exchange(other.file_, kInvalid);
    mapping_ = std::exchange(other.mapping_, kInvalid);
    mapping_length_ = std::exchange(other.mapping_length_, 0);
    view_ = std::exchange(other.view_, nullptr);
    view_length_ = std::exchange(other.view_length_, 0);
  }
  return *this;
}

FileView::~FileView() { Close(); }

}  // namespace vx::fs
