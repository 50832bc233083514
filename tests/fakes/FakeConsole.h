#pragma once
// Core of the console stand-ins: a program whose behaviour a test scripts
// through its arguments. Stand-ins for the assembler, linker and debugger
// reuse it and add their own defaults.
//
// Arguments, acted on in order:
//   out TEXT        writes TEXT and a line end to standard output
//   err TEXT        writes TEXT and a line end to standard error
//   write PATH TEXT writes TEXT (and a line end) to the file PATH, replacing it
//   sleep MS        waits MS milliseconds
//   log PATH        appends the command line and current folder to PATH
//   exit N          ends at once with exit code N (default exit code 0)
// Any other argument is ignored, so a stand-in can be given a real tool's
// switches. When the environment variable QRN_FAKE_LOG names a file, the
// command line and current folder are appended to it before anything else.
#include <string>

// The log entry: two lines, "cmd: <raw command line>" and "dir: <folder>".
void AppendFakeLog(const std::string& LogPath, const std::string& RawCommandLine);

// Runs the script in argv[1..]; returns the exit code.
int RunFakeConsole(int argc, char** argv, const std::string& RawCommandLine);

// The process's own command line as the system handed it over.
std::string RawCommandLine();
