// A wait beside the window: long work shows its caption and lets the system
// in until it is over; short work shows nothing.
#include "app/edit/answering_wait.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace vx {
namespace {

struct Report {
  double share;
  std::wstring caption;
};

TEST(RunAnswering, ReportsUntilTheWorkEndsAndGivesItsResult) {
  for (const bool outcome : {true, false}) {
    SCOPED_TRACE(outcome);
    std::vector<Report> reports;
    std::atomic<int> calls = 0;
    // The work ends only once the window was let in three times.
    const bool result = RunAnswering(
        [&] {
          while (calls.load() < 3) std::this_thread::yield();
          return outcome;
        },
        [&](double share, const std::wstring& caption) {
          reports.push_back({share, caption});
          ++calls;
        },
        L"caption");
    EXPECT_EQ(result, outcome);
    ASSERT_GE(reports.size(), 4u);
    EXPECT_EQ(reports.front().share, kProgressStart);
    EXPECT_EQ(reports.front().caption, L"caption");
    for (size_t i = 1; i + 1 < reports.size(); ++i) {
      EXPECT_GE(reports[i].share, 0);
      EXPECT_LT(reports[i].share, 1);
    }
    EXPECT_EQ(reports.back().share, kProgressEnd);
  }
}

TEST(RunAnswering, WorkDoneAtOnceShowsNothing) {
  int reports = 0;
  EXPECT_TRUE(RunAnswering([] { return true; }, [&](double, const std::wstring&) { ++reports; },
                           L"caption"));
  EXPECT_EQ(reports, 0);
  EXPECT_FALSE(RunAnswering([] { return false; }, {}, L"caption"));
}

}  // namespace
}  // namespace vx
