// The number field as a real control in a window: typing, keys, the drag,
// the held buttons, the disabled state and the drag cursor, all driven by
// messages.
#include "app/controls/number_field_win.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/controls/number_field_cursor_win.h"
#include "common/clock.h"
#include "tests/app/number_field_driver_win.h"
#include "tests/support/window_driver_win.h"

namespace vx::test {
namespace {

class FieldHost : public Window {
 public:
  bool Make() {
    return CreateBound({L"VanteloxNumberFieldTestHost"},
                       {L"", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 0, 200, 120}) != nullptr;
  }
};

// Surface points of a 45 x 17 field: the plus and minus buttons.
constexpr POINT kPlus{40, 3};
constexpr POINT kMinus{40, 12};

class NumberFieldTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(host_.Make()); }
  void TearDown() override { SetClockHandler(nullptr); }

  void Make(NumberFieldArgs args) {
    args.rect = {10, 10, 45, 17};
    args.on_change = [this](int32_t value) {
      EXPECT_EQ(value, field->value());
      changes.push_back(value);
      if (on_change) on_change();
    };
    field = std::make_unique<NumberField>();
    ASSERT_TRUE(field->Create(host_.hwnd(), std::move(args)));
    other_ = MakeEditField({host_.hwnd()}, {.rect = {10, 40, 50, 20}, .style = WS_TABSTOP}).hwnd();
  }

  HWND edit() const { return TextBoxOf(field->hwnd()); }
  std::wstring Shown() const { return ControlText(edit()); }
  void PutText(const wchar_t* text) { SetWindowTextW(edit(), text); }
  void PressKey(int key, const std::vector<int>& held = {}) {
    const bool alt = std::find(held.begin(), held.end(), VK_MENU) != held.end();
    KeyWith(edit(), alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, held);
  }
  void LeaveField() {
    SetFocus(edit());
    SetFocus(other_);
  }
  // A press on the surface; returns once the button is released.
  void Press(POINT at, UINT msg = WM_LBUTTONDOWN) {
    SendMessageW(field->hwnd(), msg, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  }
  // A press that is released at once: the release is waiting in the queue.
  void Click(POINT at, UINT msg = WM_LBUTTONDOWN) {
    PostMessageW(field->hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    Press(at, msg);
  }
  void Mouse(UINT msg, int y) { SendMessageW(edit(), msg, MK_LBUTTON, MAKELPARAM(5, y)); }

  std::unique_ptr<NumberField> field;
  std::vector<int32_t> changes;
  std::function<void()> on_change;

 private:
  FieldHost host_;
  HWND other_ = nullptr;
};

// A typed number is taken when the focus leaves or when the owner takes it;
// a text that is no whole number within the bounds never is: the number and
// the text stay as they are.
TEST_F(NumberFieldTest, TypedNumbersAreTakenWhenTheFocusLeavesOrTheOwnerTakesThem) {
  const struct {
    int32_t min, max;
    const wchar_t* typed;
    bool by_owner;  // else the focus leaves
    std::optional<int32_t> taken;
  } cases[] = {
      {0, 128, L"128", true, 128},  {-99999, 99999, L"-12345", false, -12345},
      {16, 48, L"２０", true, 20},  {16, 48, L"abc", false, {}},
      {0, 255, L"-5", true, {}},    {0, 255, L"12.5", false, {}},
      {0, 128, L"99999", true, {}}, {0, 255, L"", false, {}},
  };
  for (const auto& c : cases) {
    NumberFieldArgs args;
    args.min = c.min;
    args.max = c.max;
    args.value = c.min + 1;
    Make(args);
    changes.clear();
    PutText(c.typed);
    bool took = false;
    if (c.by_owner) {
      took = field->TakeTyped();
    } else {
      LeaveField();
    }
    const int32_t value = c.taken.value_or(c.min + 1);
    EXPECT_EQ(field->value(), value) << c.typed;
    EXPECT_EQ(Shown(), c.taken ? std::to_wstring(value) : c.typed) << c.typed;
    EXPECT_EQ(changes, c.taken ? std::vector<int32_t>{value} : std::vector<int32_t>{}) << c.typed;
    if (c.by_owner) {
      EXPECT_EQ(took, c.taken.has_value()) << c.typed;
    }
  }
}

TEST_F(NumberFieldTest, EveryAssignmentIsBoundedAndReportedButNotTheFirst) {
  NumberFieldArgs args;
  args.value = 999;
  Make(args);
  EXPECT_EQ(field->value(), 255);
  EXPECT_EQ(Shown(), L"255");
  EXPECT_TRUE(changes.empty());
  field->SetValue(7);
  field->SetValue(7);
  field->SetValue(-3);
  EXPECT_EQ(changes, (std::vector<int32_t>{7, 7, 0}));
}

TEST_F(NumberFieldTest, UpAndDownStepAndShiftCtrlOrAltDoubleTheStep) {
  NumberFieldArgs args;
  args.min = 16;
  args.max = 48;
  args.value = 16;
  args.key_step = 16;
  Make(args);
  PressKey(VK_UP);
  PressKey(VK_DOWN);
  PressKey(VK_DOWN);
  PressKey(VK_UP, {VK_SHIFT});
  PressKey(VK_DOWN, {VK_CONTROL});
  PressKey(VK_UP, {VK_MENU});
  EXPECT_EQ(changes, (std::vector<int32_t>{32, 16, 16, 48, 16, 48}));
  // The arrows take the number shown, not the text typed over it.
  PutText(L"20");
  PressKey(VK_DOWN);
  EXPECT_EQ(field->value(), 32);
}

TEST_F(NumberFieldTest, DraggingUpOrDownStepsOncePer15Pixels) {
  NumberFieldArgs args;
  args.value = 100;
  args.drag_step = 5;
  Make(args);
  PutText(L"50");  // the drag starts from the text
  Mouse(WM_LBUTTONDOWN, 10);
  Mouse(WM_MOUSEMOVE, 3);
  EXPECT_EQ(field->value(), 50);
  Mouse(WM_MOUSEMOVE, 2);
  EXPECT_EQ(field->value(), 55);
  Mouse(WM_MOUSEMOVE, 18);
  EXPECT_EQ(field->value(), 45);
  Mouse(WM_MOUSEMOVE, -50);
  EXPECT_EQ(field->value(), 70);
  Mouse(WM_LBUTTONUP, -50);
  EXPECT_EQ(GetFocus(), edit());
  Mouse(WM_MOUSEMOVE, -200);
  EXPECT_EQ(field->value(), 70);
}

TEST_F(NumberFieldTest, AHeldButtonRepeatsUntilTheReleaseWithTheMouseCaptured) {
  Make({});
  uint32_t now = 0;
  SetClockHandler([&] { return now += 40; });
  bool captured = true;
  on_change = [&] {
    captured = captured && GetCapture() == field->hwnd();
    if (changes.size() == 5) PostMessageW(field->hwnd(), WM_LBUTTONUP, 0, 0);
  };
  PutText(L"10");
  Press(kPlus);
  EXPECT_EQ(changes, (std::vector<int32_t>{11, 12, 13, 14, 15}));
  EXPECT_TRUE(captured);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(NumberFieldTest, ButtonAreasAndTheDoubleClick) {
  Make({});
  const struct {
    POINT at;
    int32_t step;
  } presses[] = {{kPlus, 1},   {kMinus, -1},   {{40, 8}, -1},
                 {{30, 3}, 1}, {{45, 16}, -1}, {{10, 16}, 0}};
  for (const auto& p : presses) {
    field->SetValue(100);
    changes.clear();
    Click(p.at);
    EXPECT_EQ(field->value(), 100 + p.step) << p.at.x << "," << p.at.y;
    EXPECT_EQ(changes.size(), p.step != 0 ? 1u : 0u);
  }
  // A double click is one more press where the last press was.
  field->SetValue(100);
  Click(kPlus);
  Click({10, 16}, WM_LBUTTONDBLCLK);
  EXPECT_EQ(field->value(), 102);
  // Only the left button presses, also when it comes back as a double click.
  SendMessageW(field->hwnd(), WM_RBUTTONDOWN, 0, MAKELPARAM(kPlus.x, kPlus.y));
  Click({10, 16}, WM_RBUTTONDBLCLK);
  EXPECT_EQ(field->value(), 102);
}

TEST_F(NumberFieldTest, AnOwnerThatClosesTheWindowFromAStepEndsTheRepeat) {
  Make({});
  uint32_t now = 0;
  SetClockHandler([&] { return now += 40; });
  on_change = [&] {
    if (changes.size() == 3) DestroyWindow(GetParent(field->hwnd()));
  };
  Press(kPlus);
  EXPECT_EQ(changes.size(), 3u);
  EXPECT_EQ(field->hwnd(), nullptr);
}

TEST_F(NumberFieldTest, ADisabledFieldIgnoresKeysDragsAndButtonsButTakesItsTextOnLeaving) {
  Make({});
  field->SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(edit()));
  EXPECT_EQ(GetWindowLongW(edit(), GWL_STYLE) & WS_TABSTOP, 0);
  PressKey(VK_UP);
  Click(kPlus);
  Mouse(WM_LBUTTONDOWN, 10);
  Mouse(WM_MOUSEMOVE, -40);
  Mouse(WM_LBUTTONUP, -40);
  EXPECT_TRUE(changes.empty());
  PutText(L"7");
  SendMessageW(edit(), WM_KILLFOCUS, 0, 0);
  EXPECT_EQ(changes, std::vector<int32_t>{7});
  field->SetEnabled(true);
  EXPECT_NE(GetWindowLongW(edit(), GWL_STYLE) & WS_TABSTOP, 0);
  PressKey(VK_UP);
  EXPECT_EQ(field->value(), 8);
}

TEST_F(NumberFieldTest, TheFieldShowsItsOwn32By32CursorWithTheHotSpotAt15And16) {
  Make({});
  SendMessageW(edit(), WM_SETCURSOR, reinterpret_cast<WPARAM>(edit()),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), NumberFieldCursor());
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(NumberFieldCursor(), &info));
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(info.xHotspot, 15u);
  EXPECT_EQ(info.yHotspot, 16u);
  BITMAP mask{};
  GetObjectW(info.hbmMask, sizeof mask, &mask);
  EXPECT_EQ(mask.bmWidth, 32);
  EXPECT_EQ(mask.bmHeight, info.hbmColor ? 32 : 64);  // a monochrome cursor stacks AND over XOR
  DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
}

}  // namespace
}  // namespace vx::test
