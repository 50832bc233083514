// The debugger stand-in (td.exe, td32.exe): logs how it was started.
#include <cstdio>

#include "tests/fakes/FakeTools.h"

int main() {
    LogFakeInvocation();
    std::fprintf(stderr, "fake debugger: this goes to standard error\n");
    std::printf("Fake Debugger  Version 1.0\n");
    return 0;
}
