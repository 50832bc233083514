#pragma once
// Timing the find in files: the file searcher alone, and (Windows build)
// the IDE's Find In Files page driven through the main window.
#include <string>
#include <vector>

// What the benchmark searches: the IDE's case-insensitive content test for
// Text in the assembler, include and macro files below Tree.
struct TFindBenchCase {
    std::string Tree;
    std::string Text = "needle_symbol";
};

struct TFindTiming {
    double Ms = 0;
    int Found = 0;
};

// One search by a TFileFind with the patterns "*.asm;*.inc;*.mac", from
// Execute to its end.
TFindTiming TimeFileFinder(const TFindBenchCase& Case);

// One search on the real main window: a project in Tree is open, the text
// typed into Find What, "Start" clicked with the mouse; timed until the
// results list is filled and the page is idle again. Runs times in one
// window. Windows build only.
std::vector<TFindTiming> TimeFindInFilesPage(const TFindBenchCase& Case, int Runs);

// The least any program must do for the same search: list every folder
// once and open and close every file the patterns select, reading nothing.
// Under Wine this is bound by the round trips to its server, so it shows
// how far the searcher is from what the platform allows.
TFindTiming TimeOpenCloseFloor(const TFindBenchCase& Case);

double Median(std::vector<double> Values);
