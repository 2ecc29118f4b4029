#pragma once
#include <ctime>

class CAbstractT;

// Command "Show log of results": shows every line of the log, ending with the statistics of
// the task in progress, in a modal list. When the list is closed the log is exactly as before.
void ShowLog(CAbstractT& task);

// Command "Clear log of results": unless askBeforeExit is 0, asks first; "Cancel" changes
// nothing. Clearing resets the task's counters and time meter without writing its statistics,
// repaints the whole view and starts a new log of eight lines: the log header dated now, the
// task's header (tools included) and the four settings lines. The hint box shows text 115
// again and the time meter "00:00". Returns true when the log was cleared.
bool ClearLog(CAbstractT& task, std::time_t now = std::time(nullptr));
