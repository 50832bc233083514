#pragma once
// Find in files on the main window: how the searcher is set up for the
// open project, and the status line while it runs.
#include <string>

class TFileFind;

// StartDir the project folder, the IDE's patterns, content matching on
// with the typed text and case choice; Tag 1 marks the search as running.
// Execute is left to the caller.
void PrepareFindInFiles(TFileFind& Finder, const std::string& ProjectDir, const std::string& FindWhat,
                        bool CaseSensitive);

// The status label's text: the running count while Tag marks a search,
// otherwise "Idle".
std::string FindStatusText(TFileFind& Finder);
