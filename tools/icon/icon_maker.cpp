// icon_maker DRAWING ICON: writes the icon file of a drawing, one image for
// each of its sizes. The programs' icon is made with it from res/.
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "tools/icon/ico_file.h"
#include "tools/icon/icon_drawing.h"
#include "tools/whole_file.h"

int main(int argc, char** argv) {
  using namespace vx::icon;
  if (argc != 3) {
    std::cerr << "usage: icon_maker DRAWING ICON\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << "icon_maker: cannot read " << argv[1] << "\n";
    return 1;
  }
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  Drawing drawing;
  std::string error;
  if (!ReadDrawing(text, drawing, error)) {
    std::cerr << "icon_maker: " << argv[1] << ": " << error << "\n";
    return 1;
  }
  if (!vx::tools::WriteWholeFile(argv[2], IconFileOf(drawing))) {
    std::cerr << "icon_maker: cannot write " << argv[2] << "\n";
    return 1;
  }
  return 0;
}
