// The product's version and names for the resource scripts, which understand
// only the preprocessor's #define; the code reads them through product.h.
#ifndef VX_COMMON_PRODUCT_VERSION_H
#define VX_COMMON_PRODUCT_VERSION_H

#define VX_VERSION_MAJOR 1
#define VX_VERSION_MINOR 1
#define VX_VERSION_PATCH 0
#define VX_VERSION_TEXT "1.1.0"
#define VX_PRODUCT_NAME "Vantelox"
#define VX_COMPANY_NAME "Morvane Soft"

// The resource id of a program's icon; its main window's class shows it.
#define VX_PROGRAM_ICON 1

#endif
