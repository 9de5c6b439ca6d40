// hudScript: the plug-in's one script. Runs the start-up sequence, then the main loop
// for ever, yielding once per frame.
#pragma once

namespace velquist {

// The script function registered with the host; never returns and lets no exception out:
// after a failure it yields for ever with the HUD off.
void hudScript();

// The start-up sequence, run once before the first pass of the main loop.
void startUp();

// One pass of the main loop: the menu-key test (and the menu, when opened), then one frame.
void mainLoopPass();

}  // namespace velquist
