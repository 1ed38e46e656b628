// Every label of the program shows its whole text, at the longest texts it
// is given: the main window's at the size limit at every display density,
// the version window's and the search window's help once it is uncovered.
#include "app/file/file_limits.h"
#include "app/view/menu_commands.h"
#include "common/file_seam.h"
#include "common/ui/dpi_scale.h"
#include "tests/app/main_window_fixture_win.h"
#include "tests/support/layout_check_win.h"

namespace vx::test {
namespace {

class LabelFitTest : public MainWindowTest {};

class MainWindowLabelFitTest : public MainWindowTest, public ::testing::WithParamInterface<int> {
 protected:
  void StartAtDensity(const std::wstring& path) {
    Start(path);
    if (GetParam() != kBaseDpi) ChangeDensity(form->hwnd(), GetParam());
  }
};

// Each status label shows its widest value whole, beside its neighbours and
// inside the window: the largest file's last address, every bit set.
TEST_P(MainWindowLabelFitTest, StatusLabelsHoldTheirWidestValues) {
  StartAtDensity(L"");
  EXPECT_EQ(LayoutFaults(form->hwnd()), L"");
  form.reset();

  const std::wstring path = dir / L"large.bin";
  {
    fs::File f = fs::OpenFile(path, true, fs::Share::ReadWrite);
    ASSERT_TRUE(f.SetLength(kRefusedFileSize - 1));
    const uint8_t ones[4] = {0xFF, 0xFF, 0xFF, 0xFF};
    ASSERT_TRUE(f.WriteAt(kRefusedFileSize - 5, ones, 4));
  }
  StartAtDensity(path);
  view().GoTo(view().file_size() - 4);
  EXPECT_EQ(ControlText(view().caret_address_label()), L"7FFFFFFA  (2147483642) 番地");
  EXPECT_EQ(ControlText(view().four_byte_label()), L"4Byte:4294967295");
  EXPECT_EQ(ControlText(view().two_byte_label()), L"2Byte:65535");
  EXPECT_EQ(ControlText(view().binary_label()), L"２進: 11111111");
  EXPECT_EQ(LayoutFaults(form->hwnd()), L"");
}

INSTANTIATE_TEST_SUITE_P(Densities, MainWindowLabelFitTest,
                         ::testing::Values(96, 120, 144, 168, 192));

TEST_F(LabelFitTest, TheVersionAndSearchWindowsShowEveryLineWhole) {
  StartOn({1});
  std::wstring version_cut = L"not shown";
  ChooseAndDrive(form->hwnd(), menu_commands::kVersion, [&](HWND w) {
    version_cut = CutLabels(w);
    PostMessageW(w, WM_COMMAND, IDCANCEL, 0);
  });
  EXPECT_EQ(version_cut, L"");

  std::wstring search_cut = L"not shown";
  ChooseAndDrive(form->hwnd(), menu_commands::kFind, [&](HWND w) {
    Click(ChildWithText(w, L"説明"));
    search_cut = CutLabels(w);
    PostMessageW(w, WM_COMMAND, IDCANCEL, 0);
  });
  EXPECT_EQ(search_cut, L"");
}

}  // namespace
}  // namespace vx::test
