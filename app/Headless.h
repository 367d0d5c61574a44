#pragma once

#include <vector>

#include "app/Locations.h"
#include "registry/OverlayRegistry.h"

namespace quillmar {

// One location Apply wrote or deleted, at its catalogue location.
struct Change {
  Spot spot;
  const OverlayRegistry::Written* written;  // the overlay's own, valid as long as it is
};

// The tweak window loaded over the overlay and its Apply pressed, with no view and no log-off
// step: the values put in front stand in for the stored ones during the load only. Returns what
// Apply wrote, in catalogue order.
std::vector<Change> ApplyWithoutView(OverlayRegistry& overlay, int platform_id);

}  // namespace quillmar
