#include "analytics/acceleration_overlay.h"

namespace velquist {

// Nothing to show until the acceleration test exists.
void drawAccelerationOverlay() {}

}  // namespace velquist
