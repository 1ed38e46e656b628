// The arithmetic of the large-range scroll bar: a 64-bit position range (the
// lines of a file of any size) shown on a standard scroll bar whose own range
// is 0..32767.
#pragma once

#include <cstdint>

namespace vx {

inline constexpr int kInnerMax = 32767;

class LargeScrollModel {
 public:
  int64_t Value() const { return value_; }
  int64_t Max() const { return max_; }
  int32_t LargeChange() const { return large_change_; }
  int32_t SmallChange() const { return small_change_; }
  // The inner bar's position after the model last set or read it.
  int LastInner() const { return last_inner_; }

  // Clamps into 0..Max and returns the inner position to show.
  int SetValue(int64_t value);
  void SetMax(int64_t value);
  void SetLargeChange(int32_t value) { large_change_ = value; }
  void SetSmallChange(int32_t value) { small_change_ = value; }

  // The user clicked an arrow or the track and the inner bar now stands at
  // `inner`: one line for an inner step of 1, else LargeChange lines.
  // Returns the inner position to show.
  int OnInnerChange(int inner);
  // The user drags the thumb to `inner`. Returns the inner position to show.
  int OnInnerScroll(int inner);

  // Inner position of a value: floor(v / Max * 32767), at least 1 off the top.
  static int InnerFromValue(int64_t value, int64_t max);
  // Value of an inner position: round(inner / 32767 * Max), exact for any Max.
  static int64_t ValueFromInner(int inner, int64_t max);
  // The inner large step that makes the thumb cover the share `share` of the track.
  static int InnerLargeChange(double share);

 private:
  int64_t value_ = 0;
  int64_t max_ = 255;
  int32_t large_change_ = 2;
  int32_t small_change_ = 1;
  int last_inner_ = 0;
};

}  // namespace vx
