// The dialog windows laid out at each display density, made over the main
// window at its density: the client area is the window's size in twips at
// that density, and every control lies inside it, inside its frame and clear
// of the others, with its caption or text whole. Each window is checked with
// every control shown that it can show.
#include <functional>
#include <string>
#include <vector>

#include "app/view/menu_commands.h"
#include "common/ui/dpi_scale.h"
#include "tests/app/main_window_fixture_win.h"
#include "tests/support/layout_check_win.h"

namespace vx::test {
namespace {

using namespace menu_commands;

class DialogLayoutTest : public MainWindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(DialogLayoutTest, ControlsLieInsideTheirWindowAndFrameClearOfEachOtherAndWhole) {
  const int dpi = GetParam();
  StartOn(std::vector<uint8_t>(4096, 7));
  ChangeDensity(form->hwnd(), dpi);
  const struct {
    const char* name;
    int command;
    TwipSize client;
    // Shows what the window hides at opening.
    std::function<void(HWND)> uncover;
  } dialogs[] = {
      {"search",
       kFind,
       {5400, 3900},
       [](HWND w) {
         // The help below the buttons, and "次を検索" after a match.
         Click(ChildWithText(w, L"説明"));
         TypeOver(ChildOfClass(w, L"Edit"), L"07");
         Click(ChildWithText(w, L"検索"));
       }},
      {"print", kPrint, {5100, 3300}, [](HWND w) { Click(ChildWithText(w, L"ページ指定")); }},
      {"go to address", kGoTo, {2985, 2265}, [](HWND) {}},
      {"hashes", kHashes, {10440, 4050}, [](HWND) {}},
      {"bookmarks", kBookmarkList, {7200, 4410}, [](HWND) {}},
  };
  for (const auto& d : dialogs) {
    SCOPED_TRACE(d.name);
    RECT client{};
    std::wstring at_opening = L"not shown", uncovered = L"not shown";
    ChooseAndDrive(form->hwnd(), d.command, [&](HWND w) {
      GetClientRect(w, &client);
      at_opening = LayoutFaults(w);
      d.uncover(w);
      uncovered = LayoutFaults(w);
      PostMessageW(w, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(client.right, TwipsToPixelsAt(d.client.width, dpi));
    EXPECT_EQ(client.bottom, TwipsToPixelsAt(d.client.height, dpi));
    EXPECT_EQ(at_opening, L"");
    EXPECT_EQ(uncovered, L"");
  }
  EXPECT_TRUE(messages.shown().empty());
}

INSTANTIATE_TEST_SUITE_P(Densities, DialogLayoutTest, ::testing::Values(96, 144, 192));

}  // namespace
}  // namespace vx::test
