// fake_console.exe: a console tool whose output the test scripts.
#include "tests/fakes/FakeConsole.h"

int main(int argc, char** argv) { return RunFakeConsole(argc, argv, RawCommandLine()); }
