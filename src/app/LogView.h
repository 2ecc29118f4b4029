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

// Command "Save log of results as text file": asks for a file name, then writes the log with
// the statistics of the task in progress and the saved line as a report. Afterwards the log
// keeps the saved line but not the statistics. A file that cannot be written is reported in a
// message box; then nothing is written and the log is exactly as it was. Returns true when
// the report was written; false when it was not (cancelled or unwritable).
bool SaveLogAsText(CAbstractT& task, std::time_t now = std::time(nullptr));
