#include "menu/menu_loop.h"

#include "core/schedule.h"
#include "host/script_hook.h"

namespace velquist {

void menuFrame(void (*beforeYield)()) {
    frameWork();
    if (beforeYield) beforeYield();
    shv::scriptWait(0);
}

}  // namespace velquist
