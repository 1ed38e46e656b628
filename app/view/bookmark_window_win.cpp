#include "app/view/bookmark_window_win.h"

#include <algorithm>

#include "app/document/bookmark_file.h"
#include "app/page/dump_page.h"
#include "app/view/bookmark_texts.h"
#include "common/hex_digits.h"

namespace vx {
namespace {

constexpr TwipRect kListLabelRect{120, 120, 6960, 240};
constexpr TwipRect kListRect{120, 390, 6960, 2700};
constexpr TwipRect kNameLabelRect{120, 3210, 6960, 240};
constexpr TwipRect kNameRect{120, 3480, 6960, 300};
constexpr TwipRect kGoRect{3720, 3960, 1080, 330};
constexpr TwipRect kRemoveRect{4860, 3960, 1080, 330};
constexpr TwipRect kCloseRect{6000, 3960, 1080, 330};
constexpr TwipSize kClientSize{7200, 4410};

// The bytes shown from each bookmark on.
constexpr size_t kShownBytes = 8;

}  // namespace

BookmarkWindow::BookmarkWindow(Bookmarks& bookmarks, EditedFile file, int64_t file_size)
    : ModalWindow({L"VanteloxBookmarkWindow", bookmark_texts::kCaption, kClientSize}),
      bookmarks_(bookmarks),
      file_(std::move(file)),
      file_size_(file_size) {}

void BookmarkWindow::CreateControls() {
  namespace t = bookmark_texts;
  const ControlSite site = DialogSite();
  MakeLabel(site, {t::kListLabel, kListLabelRect, SS_LEFT, true});
  list_ = MakeListBox(site, {.rect = kListRect,
                             .items = {},
                             .on_select = [this](int index) { OnSelect(index); },
                             .style = WS_TABSTOP | WS_VSCROLL | WS_BORDER});
  MakeLabel(site, {t::kNameLabel, kNameLabelRect, SS_LEFT, true});
  name_field_ = MakeEditField(site, {.rect = kNameRect, .on_change = [this] { OnNameTyped(); }});
  name_field_.LimitLength(static_cast<int>(kBookmarkNameLimit));
  AddButton({.caption = t::kGo, .rect = kGoRect, .on_click = [this] { OnGo(); }}, kEnterKey);
  remove_button_ =
      AddButton({.caption = t::kRemove, .rect = kRemoveRect, .on_click = [this] { OnRemove(); }});
  AddButton({.caption = t::kClose, .rect = kCloseRect, .on_click = [this] { Close(); }}, kEscKey);
  FillList(0);
}

std::wstring BookmarkWindow::LineOf(const Bookmark& bookmark) const {
  const int digits = AddressDigits(file_size_);
  std::wstring line(static_cast<size_t>(digits), L'0');
  for (int64_t i = digits - 1, value = bookmark.offset; i >= 0 && value > 0; --i, value >>= 4) {
    line[static_cast<size_t>(i)] = static_cast<wchar_t>(kHexDigits[value & 0xF]);
  }
  line += L"  ";
  uint8_t bytes[kShownBytes] = {};
  const size_t count =
      static_cast<size_t>(std::clamp<int64_t>(file_size_ - bookmark.offset, 0, kShownBytes));
  if (file_.Read(bookmark.offset, {bytes, count}) == ReadResult::Read) {
    for (size_t i = 0; i < kShownBytes; ++i) {
      line += i < count ? std::wstring{static_cast<wchar_t>(kHexDigits[bytes[i] >> 4]),
                                       static_cast<wchar_t>(kHexDigits[bytes[i] & 0xF])}
                        : L"  ";
      line += L' ';
    }
  }
  return line + L' ' + bookmark.name;
}

void BookmarkWindow::FillList(int selected) {
  filling_ = true;
  SendMessageW(list_.hwnd(), LB_RESETCONTENT, 0, 0);
  shown_.clear();
  for (const Bookmark& bookmark : bookmarks_.list()) {
    // One past the file's end (a file another program shortened) is not shown.
    if (bookmark.offset >= file_size_) continue;
    list_.Add(LineOf(bookmark));
    shown_.push_back(bookmark.offset);
  }
  const int count = list_.Count();
  if (count > 0) list_.Select(std::clamp(selected, 0, count - 1));
  filling_ = false;
  OnSelect(list_.Selected());
}

const Bookmark* BookmarkWindow::Selected() const {
  const int index = list_.Selected();
  if (index < 0 || static_cast<size_t>(index) >= shown_.size()) return nullptr;
  const int64_t offset = shown_[static_cast<size_t>(index)];
  const std::vector<Bookmark>& list = bookmarks_.list();
  const auto it = std::find_if(list.begin(), list.end(),
                               [offset](const Bookmark& b) { return b.offset == offset; });
  return it != list.end() ? &*it : nullptr;
}

void BookmarkWindow::OnSelect(int) {
  const Bookmark* bookmark = Selected();
  filling_ = true;
  name_field_.SetText(bookmark ? bookmark->name : L"");
  filling_ = false;
  name_field_.Enable(bookmark != nullptr);
  remove_button_.Enable(bookmark != nullptr);
}

void BookmarkWindow::OnNameTyped() {
  const Bookmark* bookmark = Selected();
  if (filling_ || !bookmark) return;
  const int index = list_.Selected();
  bookmarks_.Rename(bookmark->offset, KeepableName(name_field_.Text()));
  // The line shows the name as it is typed.
  const std::wstring line = LineOf(*bookmark);
  SendMessageW(list_.hwnd(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
  SendMessageW(list_.hwnd(), LB_INSERTSTRING, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(line.c_str()));
  list_.Select(index);
}

void BookmarkWindow::OnRemove() {
  const Bookmark* bookmark = Selected();
  if (!bookmark) return;
  const int index = list_.Selected();
  bookmarks_.Toggle(bookmark->offset);
  FillList(index);
  list_.Focus();
}

void BookmarkWindow::OnGo() {
  const Bookmark* bookmark = Selected();
  if (!bookmark) return;
  chosen_ = bookmark->offset;
  Close();
}

}  // namespace vx
