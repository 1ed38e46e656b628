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

TEST(OpenDialogOptions, FlagsAreTheFixedSetAndShortcutsAsFilesStaysOnOnceSwitched) {
  OpenDialogOptions o;
  EXPECT_EQ(o.Flags(), 0x008A0004u);
  o.SetShortcutsAsFiles(2);
  o.SetShortcutsAsFiles(-1);
  EXPECT_EQ(o.Flags(), 0x008A0004u);
  o.SetShortcutsAsFiles(1);
  o.SetShortcutsAsFiles(0);
  EXPECT_EQ(o.Flags(), 0x008A0004u | 0x100000u);
  // Neither file-must-exist (0x1000) nor path-must-exist (0x800), ever.
  EXPECT_EQ(o.Flags() & 0x1800u, 0u);
}

}  // namespace
}  // namespace vx
