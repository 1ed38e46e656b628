// What the colour chooser needs of the settings window that opened it: every
// colour it writes into the record is shown at once, in the settings window's
// swatches and in the main window.
#pragma once

namespace vx {

class ColourChooserHost {
 public:
  virtual void ApplyChanges() = 0;

 protected:
  ~ColourChooserHost() = default;
};

}  // namespace vx
