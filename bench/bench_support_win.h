// What every benchmark needs: a clock, a scratch folder, a file to work on and
// the baseline of a bare open/read/close.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vx {
class MainWindow;
}

namespace vx::bench {

double NowMs();
// A fresh folder under the temp folder, ending in "\"; also the program folder.
std::wstring ScratchFolder();
void RemoveScratch(const std::wstring& folder);
// A file of `size` pseudo-random bytes.
void MakeFile(const std::wstring& name, size_t size);
// A large file of pseudo-random bytes written in 128 KiB pieces, as cp
// writes. How a file was written decides how the page cache holds it: one
// written in pieces of megabytes sits in large folios, and every block move
// over it then costs about twice as much, the bare moves included.
void MakeLargeFile(const std::wstring& name, int64_t size);
// The least a move of a file's tail by `step` places up can do: every
// block of the program's size read and written `step` places higher, from
// the end backwards, through one handle; milliseconds.
double BareMoveMs(const std::wstring& name, int64_t step);
// Milliseconds per bare open/read/close of `count` bytes of `name`.
double BareReadMs(const std::wstring& name, int32_t count, int rounds);
// The process's committed private memory.
double PrivateMegabytes();
// Messages silenced, a scratch folder as the program folder, default
// settings: what every benchmark of the main window starts from.
void PrepareProgram();
// Loads and shows the main window on `file`, as the start procedure does.
void StartMainWindow(MainWindow& form, const std::wstring& file);
// PrepareProgram, then the main window started on a new file of `size` bytes
// in the program folder; the file's name.
std::wstring StartOnNewFile(MainWindow& form, size_t size);
// Answers every message box on standard error, so that nothing waits.
void SilenceMessages();

// printf's formatting, into a string.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// A figure's goal in words ("5 ms") and whether the figure met it. A line
// names its verdict, "(goal 5 ms: met)" or "(goal 5 ms: MISSED)"; or, where
// it speaks up only on a miss, "(goal 5 ms)" with "  MISSED" behind it.
enum class Verdict { Always, OnlyMissed };
struct Goal {
  std::string text;
  bool met;
  Verdict verdict = Verdict::Always;
  std::string aside = "";  // inside the parentheses, before the goal: "+0.12 MB; "
};

// Prints one line of a benchmark: the figure, formatted as printf does, then
// its goal and the verdict.
void PrintAgainstGoal(const Goal& goal, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

}  // namespace vx::bench
