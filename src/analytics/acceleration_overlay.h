// The acceleration test's on-screen timer, drawn on every frame.
#pragma once

namespace velquist {

void drawAccelerationOverlay();

}  // namespace velquist
