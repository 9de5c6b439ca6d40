#include "hud/hud_state.h"

namespace velquist {

HudState hud;

}  // namespace velquist
