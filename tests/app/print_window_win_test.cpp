// The print window driven as a person would, from the Tools menu of a real
// main window, with its jobs going to a recording printer: the pages and
// their order, the status line, Cancel and the close box between pages, the
// settings put back, the file changing under a job.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/settings/display_settings.h"
#include "app/view/menu_commands.h"
#include "common/file_seam.h"
#include "common/ui/controls_win.h"
#include "tests/app/main_window_fixture_win.h"
#include "tests/app/recording_printer_win.h"

namespace vx::test {
namespace {

constexpr wchar_t kNothingChosen[] = L"指定されていません。";

class PrintWindowTest : public MainWindowTest {
 protected:
  // The print window's controls: the list field by its class, the status
  // line by its text, the rest by their captions.
  struct Controls {
    HWND window = nullptr;
    HWND all_pages = nullptr;
    HWND listed_pages = nullptr;
    HWND page_list = nullptr;
    HWND status = nullptr;
    HWND print = nullptr;  // 印刷, キャンセル while printing
    HWND setup = nullptr;
    HWND close = nullptr;
  };

  static Controls ControlsOf(HWND w) {
    Controls c;
    c.window = w;
    c.page_list = ChildOfClass(w, L"Edit");
    for (const Child& child : Children(w)) {
      if (child.text.starts_with(L"印刷予定枚数")) c.status = child.hwnd;
    }
    c.all_pages = ChildWithText(w, L"全て印刷");
    c.listed_pages = ChildWithText(w, L"ページ指定");
    c.print = ChildWithText(w, L"印刷");
    c.setup = ChildWithText(w, L"印刷設定");
    c.close = ChildWithText(w, L"閉じる");
    EXPECT_NE(c.page_list, nullptr);
    EXPECT_NE(c.status, nullptr);
    return c;
  }

  // Opens the print window from the menu; `with_window` must close it or
  // start a job that does.
  void WithPrintWindow(const std::function<void(const Controls&)>& with_window) {
    ChooseAndDrive(form->hwnd(), menu_commands::kPrint,
                   [&](HWND w) { with_window(ControlsOf(w)); });
  }

  // The status line and the buttons as each page ends.
  struct PageMoment {
    std::wstring status;
    std::wstring print_caption;
    bool close_enabled;
    bool setup_enabled;
    int32_t top_margin;
  };
  void RecordMoments(const Controls& c) {
    printer.on_end_page = [this, c](int page) {
      moments.push_back({ControlText(c.status), ControlText(c.print), IsWindowEnabled(c.close) != 0,
                         IsWindowEnabled(c.setup) != 0, DisplaySettings.TopMargin});
      if (at_page_end) at_page_end(page, c);
    };
  }
  std::vector<std::wstring> Statuses() const {
    std::vector<std::wstring> s;
    for (const PageMoment& m : moments) s.push_back(m.status);
    return s;
  }

  // Prints with the window's current choice.
  void PrintFrom(const Controls& c) {
    RecordMoments(c);
    PostMessageW(c.print, BM_CLICK, 0, 0);
  }

  std::vector<std::wstring> Steps(int pages, const wchar_t* last) const {
    std::vector<std::wstring> steps{L"StartDoc page.bin"};
    for (int i = 0; i < pages; ++i) {
      steps.push_back(L"StartPage");
      steps.push_back(L"EndPage");
    }
    steps.push_back(last);
    return steps;
  }

  RecordingPrinter printer;
  std::vector<PageMoment> moments;
  std::function<void(int, const Controls&)> at_page_end;
};

TEST_F(PrintWindowTest, PrintsEveryPageWithTheStatusLineAndPutsTheSettingsBack) {
  StartOn(std::vector<uint8_t>(1025, 0x41));
  const DisplaySettingsRecord before = DisplaySettings;
  std::wstring caption, status;
  bool owner_enabled = true, all_checked = false, field_visible = true, field_after = false;
  WithPrintWindow([&](const Controls& c) {
    caption = ControlText(c.window);
    status = ControlText(c.status);
    owner_enabled = IsWindowEnabled(form->hwnd());
    all_checked = Checked(c.all_pages);
    field_visible = IsWindowVisible(c.page_list);
    Click(c.listed_pages);
    field_after = IsWindowVisible(c.page_list);
    Click(c.all_pages);
    PrintFrom(c);
  });
  EXPECT_EQ(caption, L"印刷ウィンドウ");
  EXPECT_EQ(status, L"印刷予定枚数：3ページ");
  EXPECT_FALSE(owner_enabled);
  EXPECT_TRUE(all_checked);
  EXPECT_FALSE(field_visible);
  EXPECT_TRUE(field_after);

  EXPECT_EQ(printer.steps, Steps(3, L"EndDoc"));
  EXPECT_EQ(Statuses(),
            (std::vector<std::wstring>{L"1ページを出力中．．．(1/3)", L"2ページを出力中．．．(2/3)",
                                       L"3ページを出力中．．．(3/3)"}));
  for (const PageMoment& m : moments) {
    EXPECT_EQ(m.print_caption, L"キャンセル");
    EXPECT_FALSE(m.close_enabled);
    EXPECT_FALSE(m.setup_enabled);
    EXPECT_EQ(m.top_margin, before.TopMargin + 10);
  }
  EXPECT_TRUE(DisplaySettings == before);
  EXPECT_TRUE(IsWindowEnabled(form->hwnd()));
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(PrintWindowTest, ThePrintedPageIsTheScreensPageScaledWithItsHeader) {
  StartOn(std::vector<uint8_t>(1025, 0x41));
  WithPrintWindow([&](const Controls& c) { PrintFrom(c); });
  ASSERT_EQ(printer.pages.size(), 3u);
  // Every user unit is 2 pixels. Page 2 begins with file line 32: white, then
  // line 33 grey.
  EXPECT_EQ(printer.PixelOf(1, 2, 2 * (12 + 6)), RGB(0xFF, 0xFF, 0xFF));
  EXPECT_EQ(printer.PixelOf(1, 2, 2 * (24 + 6)), RGB(0xEF, 0xEF, 0xEF));
  // The separator after byte 8 at x = 226, over the text, in the last row too.
  for (int y : {12 + 6, 12 + 31 * 12 + 6}) {
    EXPECT_EQ(printer.PixelOf(1, 2 * 226, 2 * y), RGB(0x80, 0x80, 0x80)) << y;
  }
  // Above the rows, the header's letters.
  int dark = 0;
  for (int y = 0; y < 2 * 12; ++y) {
    for (int x = 0; x < 400; ++x) dark += printer.PixelOf(1, x, y) == RGB(0, 0, 0);
  }
  EXPECT_GT(dark, 50);
  // Behind the end of the file the hex cells of page 3 are blank: no ink
  // beyond the " |" mark in its first row.
  int ink = 0;
  for (int x = 2 * (84 + 2 * 18); x < 2 * (84 + 16 * 18); ++x) {
    for (int y = 2 * 12; y < 2 * 24; ++y) ink += printer.PixelOf(2, x, y) == RGB(0, 0, 0);
  }
  EXPECT_EQ(ink, 0);
}

// Printing plans and prints its pages in the saved shape, whatever shape the
// screen limits the main window to.
TEST_F(PrintWindowTest, APageShapeLimitedByTheScreenPrintsAsSaved) {
  DisplaySettings.BytesPerLine = 48;
  DisplaySettings.LinesPerPage = 96;
  // Two saved pages and one byte.
  StartOn(std::vector<uint8_t>(2 * 48 * 96 + 1, 0x41));
  for (int dpi : {96, 192}) {
    SCOPED_TRACE(dpi);
    ChangeDensity(form->hwnd(), dpi);
    ASSERT_TRUE(view().limited_shape().has_value());
    printer.steps.clear();
    moments.clear();
    std::wstring status;
    WithPrintWindow([&](const Controls& c) {
      status = ControlText(c.status);
      PrintFrom(c);
    });
    EXPECT_EQ(status, L"印刷予定枚数：3ページ");
    EXPECT_EQ(printer.steps, Steps(3, L"EndDoc"));
  }
}

TEST_F(PrintWindowTest, ChosenPagesPrintInTheOrderTyped) {
  StartOn(std::vector<uint8_t>(10 * 512, 0x41));
  std::vector<std::wstring> refusals;
  bool stayed_open = false;
  WithPrintWindow([&](const Controls& c) {
    Click(c.listed_pages);
    for (const wchar_t* text : {L"", L",,,", L"0", L"11-20"}) {
      TypeOver(c.page_list, text);
      Click(c.print);
    }
    for (const MessageRequest& request : messages.shown()) refusals.push_back(request.text);
    stayed_open = IsWindow(c.window) && printer.steps.empty();
    TypeOver(c.page_list, L"３,1-2,3");
    PrintFrom(c);
  });
  EXPECT_EQ(refusals, std::vector<std::wstring>(4, kNothingChosen));
  EXPECT_TRUE(stayed_open);
  EXPECT_EQ(Statuses(), (std::vector<std::wstring>{
                            L"3ページを出力中．．．(1/4)", L"1ページを出力中．．．(2/4)",
                            L"2ページを出力中．．．(3/4)", L"3ページを出力中．．．(4/4)"}));
  EXPECT_EQ(printer.steps, Steps(4, L"EndDoc"));
}

TEST_F(PrintWindowTest, CancelTheCloseBoxAndEscStopAfterThePageBeingDrawn) {
  struct Case {
    const char* name;
    int pages;  // of the file
    int stop_after;
    std::function<void(const Controls&)> stop;
  };
  const std::vector<Case> cases{
      {"Cancel", 20, 2, [](const Controls& c) { PostMessageW(c.print, BM_CLICK, 0, 0); }},
      {"close box", 20, 1, [](const Controls& c) { PostMessageW(c.window, WM_CLOSE, 0, 0); }},
      {"Esc", 20, 3, [](const Controls& c) { PostMessageW(c.window, WM_COMMAND, IDCANCEL, 0); }},
      {"Cancel on the last page", 2, 2,
       [](const Controls& c) { PostMessageW(c.print, BM_CLICK, 0, 0); }},
  };
  for (const Case& stopping : cases) {
    SCOPED_TRACE(stopping.name);
    StartOn(std::vector<uint8_t>(static_cast<size_t>(stopping.pages) * 512, 0x41));
    const DisplaySettingsRecord before = DisplaySettings;
    printer.steps.clear();
    printer.pages.clear();
    at_page_end = [&](int page, const Controls& c) {
      if (page == stopping.stop_after) stopping.stop(c);
    };
    WithPrintWindow([&](const Controls& c) { PrintFrom(c); });
    EXPECT_EQ(printer.steps, Steps(stopping.stop_after, L"AbortDoc"));
    EXPECT_TRUE(DisplaySettings == before);
    EXPECT_EQ(FindOwnedWindow(form->hwnd()), nullptr);
  }
}

TEST_F(PrintWindowTest, AFileThatShrinksOrGoesDuringAJobPrintsWhatIsThere) {
  const std::wstring path = StartOn(std::vector<uint8_t>(3 * 512, 0x41));
  WithPrintWindow([&](const Controls& c) {
    at_page_end = [&](int page, const Controls&) {
      if (page == 1) {
        fs::File f = fs::OpenFile(path, false, fs::Share::ReadWrite);
        f.SetLength(600);
      }
    };
    PrintFrom(c);
  });
  EXPECT_EQ(printer.steps, Steps(3, L"EndDoc"));
  EXPECT_TRUE(messages.shown().empty());
  ASSERT_EQ(printer.pages.size(), 3u);
  // Page 2 shows bytes 513 to 600 and the mark; page 3 only its rows.
  EXPECT_EQ(printer.PixelOf(2, 2, 2 * (12 + 6)), RGB(0xFF, 0xFF, 0xFF));

  printer.steps.clear();
  printer.pages.clear();
  messages.Clear();
  WriteFileBytes(path, std::vector<uint8_t>(3 * 512, 0x41));
  WithPrintWindow([&](const Controls& c) {
    at_page_end = [&](int page, const Controls&) {
      if (page == 1) fs::RemoveFile(path);
    };
    PrintFrom(c);
  });
  EXPECT_EQ(printer.steps, Steps(3, L"EndDoc"));
  // Told once, and the file is not made again by printing it.
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, path + L"のオープンに失敗しました。");
  EXPECT_FALSE(fs::FileExists(path));

  // Emptied behind the window: no page to print.
  WriteFileBytes(path, {});
  printer.steps.clear();
  messages.Clear();
  std::wstring status;
  WithPrintWindow([&](const Controls& c) {
    status = ControlText(c.status);
    Click(c.print);
    Click(c.close);
  });
  EXPECT_EQ(status, L"印刷予定枚数：0ページ");
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, kNothingChosen);
  EXPECT_TRUE(printer.steps.empty());
}

TEST_F(PrintWindowTest, PrinterSetupChoosesTheJobsSettingsAndNoPrinterIsSaid) {
  StartOn(std::vector<uint8_t>(100, 0x41));
  HWND window = nullptr;
  WithPrintWindow([&](const Controls& c) {
    window = c.window;
    Click(c.setup);
    PrintFrom(c);
  });
  EXPECT_EQ(printer.properties_owner, window);
  EXPECT_EQ(printer.job_devmode, printer.chosen);
  EXPECT_EQ(printer.steps.front(), L"Properties");

  // With no printer installed, both buttons say so and the window stays.
  printer.name.clear();
  printer.steps.clear();
  std::vector<std::wstring> texts;
  WithPrintWindow([&](const Controls& c) {
    Click(c.print);
    Click(c.setup);
    texts = messages.texts();
    Click(c.close);
  });
  EXPECT_TRUE(printer.steps.empty());
  EXPECT_EQ(texts, std::vector<std::wstring>(2,
                                             L"プリンタがインストールされていません。\r\n"
                                             L"プリンタをインストールしてから印刷してください。"));
}

}  // namespace
}  // namespace vx::test
