#pragma once
// The two things the file searcher asks of the operating system beyond the
// framework's file routines: the worker's priority and whether a start
// folder can be entered (with the system's own error text when not).
#include <string>

enum TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

// Gives the calling thread the priority. The native build has no portable
// equivalent and leaves the thread as it is.
void ApplyCurrentThreadPriority(TThreadPriority Priority);

// True when Dir names an existing folder; otherwise ErrorText gets the
// system's message for the failure.
bool CanEnterFolder(const std::string& Dir, std::string& ErrorText);
