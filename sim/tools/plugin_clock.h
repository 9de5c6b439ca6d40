// The tick count the plug-in's code reads (platform::tickCount), held still at a value of
// the tool's choosing while an instance lives: the layout check draws the shift hints in
// the bright half of their blink. On Linux it is the portable platform's tick source; on
// Windows, where the plug-in's code is linked into VelquistCheck.exe, the program's own
// import of kernel32's GetTickCount.
#pragma once

#include <cstdint>

namespace sim {

class HeldPluginClock {
  public:
    HeldPluginClock();   // holds the tick count at 0
    ~HeldPluginClock();  // the plug-in reads the clock it read before again
    HeldPluginClock(const HeldPluginClock&) = delete;
    HeldPluginClock& operator=(const HeldPluginClock&) = delete;

    void set(uint32_t tick);

  private:
    uint32_t (*previous_)() = nullptr;  // the clock read before, put back at the end
};

}  // namespace sim
