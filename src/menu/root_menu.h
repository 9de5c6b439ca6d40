// The root menu, opened with the menu key; runs until the player leaves it.
#pragma once

namespace velquist {

void rootMenu();

}  // namespace velquist
