// The baselines the disk engine's benchmarks are set beside: the system's
// own cp of the same file (and that copy written through to the disk), run
// through Wine's Unix side in the same run, or the plain block copy where cp
// cannot be run.
#pragma once

#include <functional>
#include <string>

namespace vx::bench {

// Writes back what earlier rounds left dirty, so that the next figure does
// not pay for the previous one's copies.
void Settle();
// The same, waiting until `name` has been written back: sync may return
// before it has, and a move over pages still on their way to the disk waits
// for them.
void Settle(const std::wstring& name);

// Milliseconds of the system's cp from source to a fresh target, or a
// negative number when cp cannot be run from here; with `through`, and of
// writing the copy through to the disk after it, as a move that says "on
// disk" must.
double CpMs(const std::wstring& source, const std::wstring& target, bool through);

struct Baseline {
  double ms;
  const char* label;
};

// A fresh 1 GiB copy makes the system write back dirty pages at its own
// moments, so every figure is the best of a few rounds.
inline constexpr int kRounds = 3;
double Best(const std::function<double()>& once);

// cp where it can be run, else the plain block copy, said which.
Baseline CopyBaseline(const std::wstring& source, const std::wstring& target);

}  // namespace vx::bench
