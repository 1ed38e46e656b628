// The block file seam lives with the disk engine now; the search still
// includes it from here.
#pragma once

#include "app/disk/block_file.h"
