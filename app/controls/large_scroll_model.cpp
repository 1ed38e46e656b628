#include "app/controls/large_scroll_model.h"

#include <algorithm>
#include <cmath>

namespace vx {

int LargeScrollModel::InnerFromValue(int64_t value, int64_t max) {
  if (max <= 0) return 0;
  int inner = static_cast<int>(std::floor(static_cast<double>(value) / max * kInnerMax));
  if (inner < 1 && value != 0) inner = 1;
  return std::clamp(inner, 0, kInnerMax);
}

int64_t LargeScrollModel::ValueFromInner(int inner, int64_t max) {
  if (max <= 0) return 0;
  // In whole numbers, max = q x 32767 + r, so that the share lands on its
  // exact line however many lines there are. 32767 is odd: no share falls on
  // a half.
  const int64_t q = max / kInnerMax;
  const int64_t r = max % kInnerMax;
  return inner * q + (2 * int64_t{inner} * r + kInnerMax) / (2 * int64_t{kInnerMax});
}

int LargeScrollModel::InnerLargeChange(double share) {
  if (1.0 - share == 0.0) return 2;
  const double l = std::nearbyint(share * kInnerMax / (1.0 - share));
  if (!(l >= 2)) return 2;  // also catches NaN and negative shares
  return l > kInnerMax ? kInnerMax : static_cast<int>(l);
}

int LargeScrollModel::SetValue(int64_t value) {
  value_ = std::clamp<int64_t>(value, 0, std::max<int64_t>(0, max_));
  last_inner_ = InnerFromValue(value_, max_);
  return last_inner_;
}

void LargeScrollModel::SetMax(int64_t value) {
  max_ = value;
  SetValue(value_);
}

int LargeScrollModel::OnInnerChange(int inner) {
  const int d = inner - last_inner_;
  const int sign = (d > 0) - (d < 0);
  const int64_t step = std::abs(d) < 2 ? sign : static_cast<int64_t>(sign) * large_change_;
  return SetValue(value_ + step);
}

int LargeScrollModel::OnInnerScroll(int inner) { return SetValue(ValueFromInner(inner, max_)); }

}  // namespace vx
