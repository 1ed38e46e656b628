// Every label of the program shows its whole text, at the longest texts it
// is given: the main window's at the largest size of 8-digit addresses and of
// a terabyte at every display density,
// with the file's name shortened against its label's own width there; the
// version window's and the search window's help once it is uncovered.
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
// inside the window: the last address of the largest file the layout was
// made for, every bit set, and the whole file selected; the same below 4 GiB
// and at 1 TiB, whose labels and page grow with its digits.
TEST_P(MainWindowLabelFitTest, StatusLabelsHoldTheirWidestValues) {
  StartAtDensity(L"");
  EXPECT_EQ(LayoutFaults(form->hwnd()), L"");
  form.reset();

  const struct {
    int64_t size;
    const wchar_t* address;
  } cases[] = {{2147483646, L"7FFFFFFA  (2147483642) 番地"},
               {int64_t{1} << 40, L"FFFFFFFFFC  (1099511627772) 番地"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.size);
    const std::wstring path = dir / L"large.bin";
    {
      fs::File f = fs::OpenFile(path, true, fs::Share::ReadWrite);
      ASSERT_TRUE(f.SetLength(c.size));
      const uint8_t ones[4] = {0xFF, 0xFF, 0xFF, 0xFF};
      ASSERT_TRUE(f.WriteAt(c.size - 4, ones, 4));
    }
    StartAtDensity(path);
    view().GoTo(view().file_size() - 4);
    EXPECT_EQ(ControlText(view().caret_address_label()), c.address);
    EXPECT_EQ(ControlText(view().four_byte_label()), L"4Byte:4294967295");
    EXPECT_EQ(ControlText(view().two_byte_label()), L"2Byte:65535");
    EXPECT_EQ(ControlText(view().binary_label()), L"２進: 11111111");
    // The whole file selected while F8 selects: the selection line's widest.
    PageKey(VK_F8);
    Choose(menu_commands::kSelectAll);
    EXPECT_EQ(ControlText(view().selection_label()).rfind(L"[F8 選択中] 0-", 0), 0u);
    EXPECT_EQ(LayoutFaults(form->hwnd()), L"");
    form.reset();
    fs::RemoveFile(path);
  }
}

// A name shows whole where the label has room for it at its density, a
// longer one shortened to fit; the printed header's name is the one shown at
// 96 dots an inch, whatever the density.
TEST_P(MainWindowLabelFitTest, TheFileNameIsShortenedAgainstTheLabelsOwnWidth) {
  const struct {
    std::wstring name;
    bool whole;
  } cases[] = {{L"a_rather_long_name_01.bin", true},
               {L"a_name_far_too_long_for_the_file_name_label.bin", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.name));
    const std::wstring path = dir / c.name;
    WriteFileBytes(path, {1});
    Start(path);
    const std::wstring at_base = ControlText(view().file_name_label());
    ChangeDensity(form->hwnd(), GetParam());
    const std::wstring shown = ControlText(view().file_name_label());
    if (c.whole) {
      EXPECT_EQ(shown, L"FileName: " + c.name);
    } else {
      EXPECT_NE(shown.find(L"..."), std::wstring::npos);
    }
    EXPECT_EQ(CutLabels(form->hwnd()), L"");
    EXPECT_EQ(L"FileName: " + view().print_header_name(), at_base);
    form.reset();
  }
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
