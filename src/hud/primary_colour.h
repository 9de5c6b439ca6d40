// The vehicle's primary colour as needle colour.
#pragma once

namespace velquist {

// Reads the vehicle's custom primary colour and decides whether it makes a needle colour
// that stands out (neither too dark nor too pale); every 10th refresh when enabled.
void testPrimaryColour();

}  // namespace velquist
