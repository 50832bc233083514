// The built program's stand-in (fake_program.exe, copied by the linker
// stand-in as <project>.exe or .com): logs how it was started.
#include <cstdio>

#include "tests/fakes/FakeTools.h"

int main() {
    LogFakeInvocation();
    std::fprintf(stderr, "fake program: this goes to standard error\n");
    std::printf("Hello from the built program\n");
    return 0;
}
