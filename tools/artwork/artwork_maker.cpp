// artwork_maker BITMAP: writes the installers' artwork as a 24-bit bitmap
// file. The installers' picture is made with it into res/.
#include <iostream>

#include "tools/artwork/artwork_drawing.h"
#include "tools/whole_file.h"

int main(int argc, char** argv) {
  using namespace vx::artwork;
  if (argc != 2) {
    std::cerr << "usage: artwork_maker BITMAP\n";
    return 2;
  }
  if (!vx::tools::WriteWholeFile(argv[1], BitmapFileOf(ArtworkPixels()))) {
    std::cerr << "artwork_maker: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
