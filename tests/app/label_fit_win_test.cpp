// Every label of the program shows its whole text, at the longest texts it
// is given: the main window's at the size limit, the version window's and
// the search window's help once it is uncovered.
#include "app/file/file_limits.h"
#include "app/view/menu_commands.h"
#include "common/file_seam.h"
#include "tests/app/main_window_fixture_win.h"

namespace vx::test {
namespace {

class LabelFitTest : public MainWindowTest {};

TEST_F(LabelFitTest, TheMainWindowsLabelsHoldTheirLongestTexts) {
  Start(L"");
  EXPECT_EQ(CutLabels(form->hwnd()), L"");
  form.reset();

  // The largest file, all 0xFF at the caret, with the caret on its last byte.
  const std::wstring path = dir / L"large.bin";
  {
    fs::File f = fs::OpenFile(path, true, fs::Share::ReadWrite);
    ASSERT_TRUE(f.SetLength(kRefusedFileSize - 1));
    const uint8_t ones[4] = {0xFF, 0xFF, 0xFF, 0xFF};
    ASSERT_TRUE(f.WriteAt(kRefusedFileSize - 5, ones, 4));
  }
  Start(path);
  view().GoTo(view().file_size() - 4);
  EXPECT_EQ(CutLabels(form->hwnd()), L"");
}

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
