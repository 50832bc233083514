#pragma once
// Shared parts of the assembler, linker, debugger and program stand-ins:
// they log how they were started (QRN_FAKE_LOG, as the console stand-in
// does), read their arguments from the raw command line the way the real
// tools do, and read the marker lines that script their messages.
#include <string>
#include <vector>

// Appends the raw command line and current folder to QRN_FAKE_LOG when set.
void LogFakeInvocation();

// The arguments after the program name, split at blanks; a double-quoted
// part keeps its blanks and loses its quotes.
std::vector<std::string> FakeToolArguments();

// True for "/x" and "-x" switches.
bool IsSwitch(const std::string& Argument);

// The folder of the running stand-in, ending in a backslash.
std::string FakeToolFolder();

// The file's lines without line ends; false when it cannot be read.
bool ReadFakeLines(const std::string& Path, std::vector<std::string>& Lines);

// The text after Marker in Line, blanks trimmed; false when Line lacks it.
bool MarkerText(const std::string& Line, const std::string& Marker, std::string& Text);

// The file name without folder and extension.
std::string FakeBaseName(const std::string& Path);
