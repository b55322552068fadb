#pragma once

// Where the time of Start goes, for the latency probe: when PICTYPE_TRACE
// names a file, each mark adds a line to it, the monotonic clock in
// milliseconds (the clock the probe keeps too) and what happened. Without
// the variable a mark does nothing. Safe to call from any thread.
void traceMark(const char* what);
