#include "app/view/open_dialog_options.h"

#include <gtest/gtest.h>

#include <string>

namespace vx {
namespace {

using namespace std::string_literals;

TEST(OpenDialogOptions, FilterBarsBecomeNulsWithDoubleNulEnd) {
  EXPECT_EQ(DialogFilter(L"全てのファイル|*.*"), L"全てのファイル\0*.*\0\0"s);
  EXPECT_EQ(DialogFilter(L"Text|*.txt|All|*.*"), L"Text\0*.txt\0All\0*.*\0\0"s);
  // A trailing bar is the first of the two NULs, not a third one.
  EXPECT_EQ(DialogFilter(L"All|*.*|"), L"All\0*.*\0\0"s);
  EXPECT_EQ(DialogFilter(L""), L"\0\0"s);
}

TEST(OpenDialogOptions, FlagsAreTheFixedSetWithLinksKeptOnlyWhenAsked) {
  EXPECT_EQ(OpenDialogFlags(false), 0x008A0004u);
  EXPECT_EQ(OpenDialogFlags(true), 0x008A0004u | 0x100000u);
  // Neither file-must-exist (0x1000) nor path-must-exist (0x800), ever:
  // New relies on getting back a name that does not exist yet.
  for (bool shortcuts_as_files : {false, true}) {
    EXPECT_EQ(OpenDialogFlags(shortcuts_as_files) & 0x1800u, 0u);
  }
}

}  // namespace
}  // namespace vx
