/* Resource ids shared by the installers' code and their resource files,
   which read this header too, so it holds nothing but #define lines. */
#pragma once

/* The 256 x 256 artwork under the animation, a 24-bit bitmap. */
#define VX_ARTWORK_BITMAP 200
