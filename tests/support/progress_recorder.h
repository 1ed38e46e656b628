// Progress callbacks for tests of long work: one that keeps every call, and
// one that ignores them.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vx::test {

struct ProgressCall {
  double share;
  std::wstring caption;
};

class ProgressRecorder {
 public:
  // Records every call here; the recorder must outlive the callback.
  std::function<void(double, const std::wstring&)> Callback() {
    return [this](double share, const std::wstring& caption) {
      calls_.push_back({share, caption});
    };
  }
  const std::vector<ProgressCall>& calls() const { return calls_; }
  void Clear() { calls_.clear(); }

 private:
  std::vector<ProgressCall> calls_;
};

inline void IgnoreProgress(double, const std::wstring&) {}

}  // namespace vx::test
