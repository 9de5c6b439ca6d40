// Whole pages of memory for simulated game objects, and a watch on them: while a page is
// watched, the first read of it faults, the fault is noted and the read goes on. This is
// how the simulator sees the plug-in read the game's memory.
#pragma once

#include <cstddef>
#include <cstdint>

namespace sim {

size_t pageSize();

// Zeroed, readable and writable pages; null when the system refuses.
uint8_t* allocatePages(size_t bytes);
// Addresses with no memory behind them (reserved, never committed): any access faults.
uint8_t* reservePages(size_t bytes);
// Gives back pages of either kind.
void freePages(uint8_t* pages, size_t bytes);

// Makes the pages fault on any access (watched) or readable and writable again.
void protectPages(uint8_t* pages, size_t bytes, bool watched);

// Called from the fault handler with the faulting address; returns true when the address
// lies in a watched page the callee has just made accessible again. Must not allocate.
using FaultCallback = bool (*)(uintptr_t address);

// Installs the process's fault handler once; faults the callback does not claim take
// their ordinary course.
void installFaultHandler(FaultCallback callback);

}  // namespace sim
