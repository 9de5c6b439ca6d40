// The trace's last lines on an abnormal end: a fatal signal (a crash, an abort, a stop by
// SIGTERM, SIGINT, SIGHUP or SIGQUIT, a time limit's SIGALRM or SIGXCPU) or, on Windows, an
// unhandled exception writes out what the trace keeps in memory before the process ends as
// it would have without.
#pragma once

namespace sim {

class Trace;

// From now on an abnormal end flushes trace; null stops that.
void watchForAbnormalEnd(Trace* trace);

}  // namespace sim
