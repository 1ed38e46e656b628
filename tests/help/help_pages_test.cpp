// The help pages beside the program: every page top.htm leads to is there,
// stands on its own, and names every menu command with its shortcut key.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>

#include "app/view/menu_texts.h"
#include "common/text_encoding_texts.h"

namespace vx {
namespace {

const std::string kHelpFolder = std::string(VX_SOURCE_DIR) + "/help/";

bool ReadPage(const std::string& name, std::string& text) {
  std::ifstream in(kHelpFolder + name, std::ios::binary);
  if (!in) return false;
  text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

// The menu's texts are all in the Basic Multilingual Plane.
std::string Utf8(std::wstring_view text) {
  std::string out;
  for (const wchar_t w : text) {
    const auto c = static_cast<uint32_t>(w);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += {static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))};
    } else {
      out += {static_cast<char>(0xE0 | c >> 12), static_cast<char>(0x80 | (c >> 6 & 0x3F)),
              static_cast<char>(0x80 | (c & 0x3F))};
    }
  }
  return out;
}

// The pages top.htm leads to, top.htm included, read by name.
std::map<std::string, std::string> ReachablePages() {
  std::map<std::string, std::string> pages;
  std::set<std::string> to_read{"top.htm"};
  const std::regex link(R"re(href="([^"#]*)(#[^"]*)?")re");
  while (!to_read.empty()) {
    const std::string name = *to_read.begin();
    to_read.erase(to_read.begin());
    std::string text;
    if (!ReadPage(name, text)) {
      ADD_FAILURE() << name << " is linked but missing";
      continue;
    }
    for (std::sregex_iterator m(text.begin(), text.end(), link), end; m != end; ++m) {
      const std::string target = (*m)[1];
      if (!target.empty() && !pages.contains(target) && target != name) to_read.insert(target);
    }
    pages[name] = text;
  }
  return pages;
}

TEST(HelpPages, EveryLinkLeadsToAPageOrAnchorThatIsThere) {
  const std::map<std::string, std::string> pages = ReachablePages();
  ASSERT_TRUE(pages.contains("top.htm"));
  EXPECT_GE(pages.size(), 9u);
  const std::regex link(R"re(href="([^"#]*)#([^"]*)")re");
  for (const auto& [name, text] : pages) {
    for (std::sregex_iterator m(text.begin(), text.end(), link), end; m != end; ++m) {
      const std::string target = (*m)[1].str().empty() ? name : (*m)[1].str();
      const std::string id = "id=\"" + (*m)[2].str() + "\"";
      ASSERT_TRUE(pages.contains(target)) << name;
      EXPECT_NE(pages.at(target).find(id), std::string::npos) << name << " -> " << m->str();
    }
  }
}

TEST(HelpPages, StandOnTheirOwnInUtf8WithoutScripts) {
  for (const auto& [name, text] : ReachablePages()) {
    SCOPED_TRACE(name);
    if (name.ends_with(".css")) continue;
    EXPECT_NE(text.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(text.find("<html lang=\"ja\">"), std::string::npos);
    for (const char* outside : {"<script", "javascript:", "http:", "https:", "//", "@import",
                                "url(", "<img", "<iframe", "<object", "<embed"}) {
      EXPECT_EQ(text.find(outside), std::string::npos) << outside;
    }
  }
}

TEST(HelpPages, NameEveryMenuCommandWithItsShortcutInOneRow) {
  namespace t = menu_texts;
  namespace e = text_encoding_texts;
  std::string all;
  for (const auto& [name, text] : ReachablePages()) all += text;
  const std::regex row(R"(<tr>[\s\S]*?</tr>)");
  std::vector<std::string> rows;
  for (std::sregex_iterator m(all.begin(), all.end(), row), end; m != end; ++m) {
    rows.push_back(m->str());
  }
  for (const wchar_t* caption :
       {t::kFile, t::kOpen, t::kNew, t::kExit, t::kEdit, t::kUndo, t::kRedo, t::kCut, t::kCopy,
        t::kCopyAsText, t::kPaste, t::kPasteOver, t::kDeleteSelection, t::kFill, t::kSelectAll,
        t::kRestore, t::kFind, t::kReplace, t::kFindNext, t::kFindPrevious, t::kGoTo, t::kToggleBookmark, t::kNextBookmark,
        t::kPreviousBookmark, t::kBookmarkList, t::kRefresh, t::kView, t::kInspector,
        t::kControlDots, t::kTools, t::kSettings, t::kPrint, t::kHashes, t::kCompare,
        t::kNextDifference, t::kPreviousDifference, t::kHelp, t::kHelpItem, t::kVersion,
        e::kShiftJis, e::kSystemAnsi, e::kWindows1252, e::kEucJp, e::kUtf8, e::kUtf16Le,
        e::kUtf16Be}) {
    // As the menu shows it: "&" marks the underlined letter, a tab the key.
    std::wstring shown = caption;
    std::erase(shown, L'&');
    const size_t tab = shown.find(L'\t');
    const std::string item = Utf8(shown.substr(0, tab));
    const std::string key = tab == std::wstring::npos ? "" : Utf8(shown.substr(tab + 1));
    const bool found = std::any_of(rows.begin(), rows.end(), [&](const std::string& r) {
      return r.find(item) != std::string::npos && r.find(key) != std::string::npos;
    });
    EXPECT_TRUE(found) << item << " " << key;
  }
}

}  // namespace
}  // namespace vx
