// The vehicle's brand logo, faint, over the velocity dial.
#pragma once

namespace velquist {

void drawBrandLogo();

}  // namespace velquist
