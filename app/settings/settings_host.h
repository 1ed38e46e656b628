// What the settings window needs of the window that opened it: taking the
// settings record into its layout, its scroll range and its page.
#pragma once

#include <optional>

#include "app/settings/page_shape.h"

namespace vx {

class SettingsHost {
 public:
  // The font, sizes and positions from DisplaySettings.
  virtual void ApplySettings() = 0;
  // The scroll range for the page shape, and the caret kept inside the file.
  virtual void RefreshScrollRange() = 0;
  virtual void RedrawPage() = 0;
  // The shape the window shows when its screen cannot hold the saved one;
  // nothing when the saved shape is shown as it is.
  virtual std::optional<PageShape> LimitedPageShape() const { return std::nullopt; }

 protected:
  ~SettingsHost() = default;
};

}  // namespace vx
