#include "menu/root_menu.h"

namespace velquist {

// The menu's pages are not built yet; opening it returns at once.
void rootMenu() {}

}  // namespace velquist
