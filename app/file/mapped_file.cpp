#include "app/file/mapped_file.h"

#include <utility>

namespace vx {

MappedFile::MappedFile(MappedFile&& other) noexcept { *this = std::move(other); }

MappedFile& MappedFile::operator=(MappedFile&& other) noexcept {
  if (this != &other) {
    Close();
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
    file_ = std::exchange(other.file_, -1);
    mapping_ = std::exchange(other.mapping_, -1);
  }
  return *this;
}

MappedFile::~MappedFile() { Close(); }

}  // namespace vx
