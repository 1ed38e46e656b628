#include "tools/icon/icon_drawing.h"

#include <algorithm>
#include <charconv>
#include <sstream>

namespace vx::icon {
namespace {

bool ParseColour(const std::string& word, Colour& colour) {
  if (word.size() != 7 || word[0] != '#') return false;
  unsigned value = 0;
  const auto [end, ec] = std::from_chars(word.data() + 1, word.data() + 7, value, 16);
  if (ec != std::errc() || end != word.data() + 7) return false;
  colour = {static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 8),
            static_cast<uint8_t>(value)};
  return true;
}

// "7.5" -> 75 tenths; at most one decimal, within the grid.
bool ParseTenths(const std::string& word, int& tenths) {
  const size_t dot = word.find('.');
  const std::string whole = word.substr(0, dot);
  const std::string tenth = dot == std::string::npos ? "0" : word.substr(dot + 1);
  int w = 0, t = 0;
  const auto [we, wec] = std::from_chars(whole.data(), whole.data() + whole.size(), w);
  const auto [te, tec] = std::from_chars(tenth.data(), tenth.data() + tenth.size(), t);
  if (whole.empty() || wec != std::errc() || we != whole.data() + whole.size() ||
      tenth.size() != 1 || tec != std::errc() || te != tenth.data() + 1 || w < 0) {
    return false;
  }
  tenths = w * 10 + t;
  return tenths <= kGridSize * 10;
}

bool ParseBox(std::istringstream& words, Box& box) {
  std::string colour;
  if (!(words >> colour) || !ParseColour(colour, box.colour)) return false;
  int* const fields[] = {&box.left, &box.top, &box.right, &box.bottom, &box.radius};
  int count = 0;
  for (std::string word; words >> word; ++count) {
    if (count == 5 || !ParseTenths(word, *fields[count])) return false;
  }
  const int shortest = std::min(box.right - box.left, box.bottom - box.top);
  return count >= 4 && shortest > 0 && 2 * box.radius <= shortest;
}

bool ParseLine(const std::string& line, Drawing& drawing) {
  std::istringstream words(line);
  std::string word;
  if (!(words >> word) || word[0] == '#') return true;
  if (word == "sizes") {
    drawing.sizes.clear();
    for (int size; words >> size;) {
      if (size < 1 || size > 256) return false;
      drawing.sizes.push_back(size);
    }
    return words.eof() && !drawing.sizes.empty();
  }
  Box box;
  if (word == "at") {
    std::string list;
    if (!(words >> list) || !(words >> word)) return false;
    std::istringstream sizes(list);
    for (std::string size; std::getline(sizes, size, ',');) {
      int n = 0;
      const auto [end, ec] = std::from_chars(size.data(), size.data() + size.size(), n);
      if (ec != std::errc() || end != size.data() + size.size()) return false;
      box.only_at.push_back(n);
    }
  }
  if (word != "box" || !ParseBox(words, box)) return false;
  drawing.boxes.push_back(box);
  return true;
}

// Whether the sample at (x, y) lies in the box; all values are grid tenths
// times `scale`.
bool Contains(const Box& b, int64_t x, int64_t y, int64_t scale) {
  const int64_t left = b.left * scale, top = b.top * scale;
  const int64_t right = b.right * scale, bottom = b.bottom * scale;
  if (x < left || x >= right || y < top || y >= bottom) return false;
  const int64_t r = b.radius * scale;
  // In a corner square only the quarter circle counts.
  const int64_t cx = x < left + r ? left + r : x >= right - r ? right - r : x;
  const int64_t cy = y < top + r ? top + r : y >= bottom - r ? bottom - r : y;
  return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
}

bool DrawnAt(const Box& box, int size) {
  return box.only_at.empty() ||
         std::find(box.only_at.begin(), box.only_at.end(), size) != box.only_at.end();
}

}  // namespace

bool ReadDrawing(const std::string& text, Drawing& drawing, std::string& error) {
  drawing = {};
  std::istringstream lines(text);
  int number = 0;
  for (std::string line; std::getline(lines, line);) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!ParseLine(line, drawing)) {
      error = "line " + std::to_string(number) + " is not a drawing line: " + line;
      return false;
    }
  }
  if (drawing.sizes.empty() || drawing.boxes.empty()) {
    error = "a drawing needs its sizes and at least one box";
    return false;
  }
  return true;
}

Image Render(const Drawing& drawing, int size) {
  // Sample s of a row lies at (2s + 1) / (2 kSamples size) of the grid's
  // width; scaled by 2 kSamples size every coordinate is a whole number.
  const int64_t scale = 2 * kSamples * size;
  Image image{size, std::vector<Pixel>(static_cast<size_t>(size * size))};
  std::vector<const Box*> near;
  for (int py = 0; py < size; ++py) {
    for (int px = 0; px < size; ++px) {
      // Only the boxes that reach into this pixel can hold its samples.
      const int64_t x0 = 2 * px * kSamples * kGridSize * 10,
                    x1 = x0 + 2 * kSamples * kGridSize * 10;
      const int64_t y0 = 2 * py * kSamples * kGridSize * 10,
                    y1 = y0 + 2 * kSamples * kGridSize * 10;
      near.clear();
      for (const Box& box : drawing.boxes) {
        if (DrawnAt(box, size) && box.left * scale < x1 && box.right * scale > x0 &&
            box.top * scale < y1 && box.bottom * scale > y0) {
          near.push_back(&box);
        }
      }
      int covered = 0, r = 0, g = 0, b = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const int64_t x = (2 * (px * kSamples + sx) + 1) * kGridSize * 10;
          const int64_t y = (2 * (py * kSamples + sy) + 1) * kGridSize * 10;
          const Box* top = nullptr;
          for (const Box* box : near) {
            if (Contains(*box, x, y, scale)) top = box;
          }
          if (!top) continue;
          ++covered;
          r += top->colour.r;
          g += top->colour.g;
          b += top->colour.b;
        }
      }
      if (covered == 0) continue;
      const int half = covered / 2;
      image.pixels[static_cast<size_t>(py * size + px)] = {
          static_cast<uint8_t>((r + half) / covered), static_cast<uint8_t>((g + half) / covered),
          static_cast<uint8_t>((b + half) / covered),
          static_cast<uint8_t>((255 * covered + kSamples * kSamples / 2) / (kSamples * kSamples))};
    }
  }
  return image;
}

}  // namespace vx::icon
