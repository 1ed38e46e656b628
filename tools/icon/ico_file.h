// The icon file format: a directory of images, each a 32-bit bitmap with its
// alpha channel and the 1-bit mask that systems without alpha draw by.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/icon/icon_drawing.h"

namespace vx::icon {

std::vector<uint8_t> EncodeIco(const std::vector<Image>& images);

// The icon file of a drawing: one image for each of its sizes, in its order.
std::vector<uint8_t> IconFileOf(const Drawing& drawing);

}  // namespace vx::icon
