#pragma once

#include <vector>

#include "app/Locations.h"
#include "app/QuietHost.h"
#include "registry/Module1.h"
#include "registry/OverlayRegistry.h"
#include "tweak/Form4.h"
#include "ui/Forms.h"

namespace quillmar {

// One location Apply wrote or deleted, at its catalogue location.
struct Change {
  Spot spot;
  const OverlayRegistry::Written* written;  // the overlay's own, valid as long as it is
};

// The tweak window loaded over the overlay, with no view and no log-off step: the values put in
// front stand in for the stored ones during the load only.
class TweakWithoutView {
 public:
  TweakWithoutView(OverlayRegistry& overlay, int platform_id);

  const Form4& form() const { return form_; }
  // Its Apply pressed: what Apply wrote, in catalogue order.
  std::vector<Change> Apply();

 private:
  OverlayRegistry& overlay_;
  Module1 module_;
  QuietHost host_;
  ui::Forms forms_;
  Form4& form_;
};

inline std::vector<Change> ApplyWithoutView(OverlayRegistry& overlay, int platform_id) {
  return TweakWithoutView(overlay, platform_id).Apply();
}

}  // namespace quillmar
