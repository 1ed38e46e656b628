#include "app/edit/clipboard_win.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "app/edit/column_text.h"
#include "app/edit/range_texts.h"
#include "app/settings/view_settings.h"

namespace vx {
namespace {

// Blocks of a copy: large enough that the reads cost little, small enough
// that nothing beside the clipboard's own copy grows with the range.
constexpr int64_t kCopyBlock = 64 * 1024;
// Another program may hold the clipboard for a moment.
constexpr int kOpenTries = 10;
constexpr DWORD kOpenPauseMs = 20;

UINT BytesFormat() {
  static const UINT format = RegisterClipboardFormatW(range_texts::kClipboardFormat);
  return format;
}

class OpenedClipboard {
 public:
  explicit OpenedClipboard(HWND owner) {
    for (int i = 0; i < kOpenTries && !open_; ++i) {
      open_ = OpenClipboard(owner) != FALSE;
      if (!open_) Sleep(kOpenPauseMs);
    }
  }
  ~OpenedClipboard() {
    if (open_) CloseClipboard();
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  explicit operator bool() const { return open_; }

 private:
  bool open_ = false;
};

// Movable global memory for the clipboard, freed unless the clipboard took it.
class ClipMemory {
 public:
  explicit ClipMemory(size_t size) : memory_(GlobalAlloc(GMEM_MOVEABLE, size)) {}
  ~ClipMemory() {
    if (memory_) GlobalFree(memory_);
  }
  ClipMemory(const ClipMemory&) = delete;
  ClipMemory& operator=(const ClipMemory&) = delete;
  explicit operator bool() const { return memory_ != nullptr; }
  void* Lock() { return GlobalLock(memory_); }
  void Unlock() { GlobalUnlock(memory_); }
  // Given to the clipboard, which frees it from now on.
  bool PutAs(UINT format) {
    if (!SetClipboardData(format, memory_)) return false;
    memory_ = nullptr;
    return true;
  }

 private:
  HGLOBAL memory_;
};

// Calls `take` with each block of `range` in order; why it failed when a
// read fails or the file ends before the range does. A file that is gone
// is not made again: it is opened for reading only.
template <typename Take>
std::optional<Failure> ReadBlocks(const EditedFile& file, const ByteRange& range, Take take) {
  fs::File handle = fs::OpenFileForReading(file.path());
  if (!handle) return SystemFailure(fs::LastSystemError(), FailedPlace::File, file.path());
  std::vector<uint8_t> block(static_cast<size_t>(std::min(kCopyBlock, range.length)));
  for (int64_t done = 0; done < range.length;) {
    const int64_t count = std::min<int64_t>(kCopyBlock, range.length - done);
    const int64_t read = handle.ReadAt(range.first + done, block.data(), count);
    if (read < 0) return SystemFailure(fs::LastSystemError(), FailedPlace::File, file.path());
    if (read != count) return Failure{FailureCause::Shortened, FailedPlace::File, file.path()};
    take(std::span<const uint8_t>(block.data(), static_cast<size_t>(count)), done);
    done += count;
  }
  return std::nullopt;
}

Failure ClipboardBusy() { return {FailureCause::InUse, FailedPlace::Clipboard, L""}; }

// The system could not give the clipboard its memory.
Failure ClipboardRefused() {
  return SystemFailure(static_cast<int>(GetLastError()), FailedPlace::Clipboard, L"");
}

// The program's format: the length, then the bytes.
bool PutRawBytes(std::span<const uint8_t> bytes) {
  const uint64_t length = bytes.size();
  ClipMemory memory(sizeof length + bytes.size());
  if (!memory) return false;
  auto* at = static_cast<uint8_t*>(memory.Lock());
  std::memcpy(at, &length, sizeof length);
  std::memcpy(at + sizeof length, bytes.data(), bytes.size());
  memory.Unlock();
  return memory.PutAs(BytesFormat());
}

bool PutHexText(std::span<const uint8_t> bytes) {
  const size_t chars = static_cast<size_t>(HexPairsLength(static_cast<int64_t>(bytes.size())));
  ClipMemory memory((chars + 1) * sizeof(wchar_t));
  if (!memory) return false;
  auto* text = static_cast<wchar_t*>(memory.Lock());
  text[WriteHexPairs(bytes, 0, text)] = L'\0';
  memory.Unlock();
  return memory.PutAs(CF_UNICODETEXT);
}

bool PutText(const std::wstring& text) {
  ClipMemory memory((text.size() + 1) * sizeof(wchar_t));
  if (!memory) return false;
  std::memcpy(memory.Lock(), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  memory.Unlock();
  return memory.PutAs(CF_UNICODETEXT);
}

}  // namespace

std::optional<std::vector<uint8_t>> ReadCopy(const EditedFile& file, const ByteRange& range,
                                             Failure& failure) {
  std::vector<uint8_t> bytes;
  bytes.reserve(static_cast<size_t>(range.length));
  const std::optional<Failure> failed =
      ReadBlocks(file, range, [&](std::span<const uint8_t> block, int64_t) {
        bytes.insert(bytes.end(), block.begin(), block.end());
      });
  if (!failed) return bytes;
  failure = *failed;
  return std::nullopt;
}

std::optional<Failure> ByteCopies::Copy(HWND owner, const EditedFile& file,
                                        const ByteRange& range) {
  Failure failure;
  std::optional<std::vector<uint8_t>> bytes = ReadCopy(file, range, failure);
  if (!bytes) return failure;
  return Put(owner, std::move(*bytes));
}

std::optional<Failure> ByteCopies::Put(HWND owner, std::vector<uint8_t> bytes) {
  OpenedClipboard clipboard(owner);
  if (!clipboard) return ClipboardBusy();
  // Tells the clipboard's owner, this window too, to let its copy go.
  EmptyClipboard();
  kept_ = std::move(bytes);
  if (!PutRawBytes(kept_)) {
    const Failure failure = ClipboardRefused();
    EmptyClipboard();
    return failure;
  }
  // The text is promised, made when asked for (a promise gives no handle
  // back to tell success by); CF_TEXT is made from it by the system for
  // whoever asks for that.
  SetClipboardData(CF_UNICODETEXT, nullptr);
  return std::nullopt;
}

bool ByteCopies::OnClipboardMessage(HWND owner, UINT msg, WPARAM wp) {
  switch (msg) {
    case WM_RENDERFORMAT:
      // The clipboard is open for the program asking.
      if (wp == CF_UNICODETEXT) PutHexText(kept_);
      return true;
    case WM_RENDERALLFORMATS:
      // The window is going: the text is made now or never.
      if (OpenClipboard(owner)) {
        if (GetClipboardOwner() == owner) PutHexText(kept_);
        CloseClipboard();
      }
      return true;
    case WM_DESTROYCLIPBOARD:
      kept_ = std::vector<uint8_t>();
      return true;
    default:
      return false;
  }
}

std::optional<Failure> CopyColumnText(HWND owner, const EditedFile& file, const ByteRange& range) {
  // Decoded before the clipboard is opened: other programs keep it meanwhile.
  std::wstring text;
  ColumnTextDecoder decoder(TextColumnEncoding(), range.first, ViewOptions.control_dots);
  const std::optional<Failure> failed = ReadBlocks(
      file, range, [&](std::span<const uint8_t> block, int64_t) { decoder.Append(block, text); });
  if (failed) return failed;
  decoder.Finish(text);
  OpenedClipboard clipboard(owner);
  if (!clipboard) return ClipboardBusy();
  EmptyClipboard();
  if (!PutText(text)) return ClipboardRefused();
  return std::nullopt;
}

bool ClipboardHasPaste() {
  return IsClipboardFormatAvailable(BytesFormat()) || IsClipboardFormatAvailable(CF_UNICODETEXT) ||
         IsClipboardFormatAvailable(CF_TEXT);
}

ClipboardBytes ReadClipboardBytes(HWND owner) {
  ClipboardBytes result;
  OpenedClipboard clipboard(owner);
  if (!clipboard) return result;
  result.opened = true;
  if (HANDLE raw = GetClipboardData(BytesFormat())) {
    const auto* at = static_cast<const uint8_t*>(GlobalLock(raw));
    uint64_t length = 0;
    const size_t size = at ? GlobalSize(raw) : 0;
    if (size >= sizeof length) {
      std::memcpy(&length, at, sizeof length);
      // Never beyond the memory block, whatever its length says.
      length = std::min<uint64_t>(length, size - sizeof length);
      result.reading.bytes.assign(at + sizeof length, at + sizeof length + length);
    }
    if (at) GlobalUnlock(raw);
    return result;
  }
  // The system makes Unicode text from a program's CF_TEXT as well.
  if (HANDLE text = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(text))) {
      const size_t room = GlobalSize(text) / sizeof(wchar_t);
      result.reading = ReadHexPairs(std::wstring_view(chars, wcsnlen(chars, room)));
      GlobalUnlock(text);
    }
  }
  return result;
}

}  // namespace vx
