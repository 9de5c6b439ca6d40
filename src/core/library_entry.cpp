#include "core/library_entry.h"

#include "core/hud_script.h"
#include "core/key_state.h"
#include "host/script_hook.h"

namespace velquist {

bool libraryEntry(void* module, uint32_t reason) {
    // Nothing may leave the plug-in into the loader; what fails is left undone.
    try {
        switch (reason) {
            case reasonProcessAttach:
                pluginModule = module;
                shv::scriptRegister(module, hudScript);
                shv::keyboardHandlerRegister(onKeyboardEvent);
                break;
            case reasonProcessDetach:
                shv::scriptUnregister(module);
                shv::keyboardHandlerUnregister(onKeyboardEvent);
                break;
            default:  // thread attach and detach
                break;
        }
    } catch (...) {
    }
    return true;
}

}  // namespace velquist
