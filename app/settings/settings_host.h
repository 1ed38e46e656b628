// What the settings window needs of the window that opened it: taking the
// settings record into its layout, its scroll range and its page.
#pragma once

namespace vx {

class SettingsHost {
 public:
  // The font, sizes and positions from DisplaySettings.
  virtual void SettingChange() = 0;
  // The scroll range for the page shape, and the caret kept inside the file.
  virtual void RefreshFiles() = 0;
  virtual void RePaint() = 0;

 protected:
  ~SettingsHost() = default;
};

}  // namespace vx
