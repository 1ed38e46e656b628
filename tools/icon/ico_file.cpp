#include "tools/icon/ico_file.h"

namespace vx::icon {
namespace {

constexpr uint32_t kDirectorySize = 6;
constexpr uint32_t kEntrySize = 16;
constexpr uint32_t kBitmapHeaderSize = 40;

void Put16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// Mask rows are padded to whole 32-bit words.
uint32_t MaskRowBytes(int size) { return static_cast<uint32_t>((size + 31) / 32 * 4); }

uint32_t ImageBytes(int size) {
  const auto n = static_cast<uint32_t>(size);
  return kBitmapHeaderSize + n * n * 4 + MaskRowBytes(size) * n;
}

// A bitmap as the icon file keeps it: its header tells twice the height (the
// colours and the mask one above the other), the rows run from the bottom.
void PutImage(std::vector<uint8_t>& out, const Image& image) {
  const int n = image.size;
  Put32(out, kBitmapHeaderSize);
  Put32(out, static_cast<uint32_t>(n));
  Put32(out, static_cast<uint32_t>(2 * n));
  Put16(out, 1);   // planes
  Put16(out, 32);  // bits per pixel
  Put32(out, 0);   // uncompressed
  Put32(out, ImageBytes(n) - kBitmapHeaderSize);
  for (int i = 0; i < 4; ++i) Put32(out, 0);  // resolution and palette: none
  for (int y = n - 1; y >= 0; --y) {
    for (int x = 0; x < n; ++x) {
      const Pixel& p = image.at(x, y);
      out.insert(out.end(), {p.b, p.g, p.r, p.a});
    }
  }
  // A set mask bit leaves the background: the wholly transparent pixels.
  for (int y = n - 1; y >= 0; --y) {
    std::vector<uint8_t> row(MaskRowBytes(n), 0);
    for (int x = 0; x < n; ++x) {
      if (image.at(x, y).a == 0) row[static_cast<size_t>(x / 8)] |= 0x80 >> (x % 8);
    }
    out.insert(out.end(), row.begin(), row.end());
  }
}

}  // namespace

std::vector<uint8_t> EncodeIco(const std::vector<Image>& images) {
  std::vector<uint8_t> out;
  Put16(out, 0);  // reserved
  Put16(out, 1);  // an icon, not a cursor
  Put16(out, static_cast<uint32_t>(images.size()));
  uint32_t offset = kDirectorySize + kEntrySize * static_cast<uint32_t>(images.size());
  for (const Image& image : images) {
    // Width and height of 256 are written as 0.
    out.push_back(static_cast<uint8_t>(image.size));
    out.push_back(static_cast<uint8_t>(image.size));
    out.push_back(0);  // no palette
    out.push_back(0);  // reserved
    Put16(out, 1);     // planes
    Put16(out, 32);    // bits per pixel
    Put32(out, ImageBytes(image.size));
    Put32(out, offset);
    offset += ImageBytes(image.size);
  }
  for (const Image& image : images) PutImage(out, image);
  return out;
}

std::vector<uint8_t> IconFileOf(const Drawing& drawing) {
  std::vector<Image> images;
  for (int size : drawing.sizes) images.push_back(Render(drawing, size));
  return EncodeIco(images);
}

}  // namespace vx::icon
