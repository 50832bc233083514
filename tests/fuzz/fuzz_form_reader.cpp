// Feeds arbitrary bytes to the binary form reader, the binary-to-text
// converter and the resource-header reader. Every failure must be a clean
// framework exception.
#include <cstdint>
#include <string>

#include "framework/classes/FormText.h"
#include "tests/framework/classes/TestClasses.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    static const bool Registered = (RegisterTestClasses(), true);
    (void)Registered;
    std::string In(reinterpret_cast<const char*>(Data), Size);
    try {
        ObjectBinaryToText(In);
    } catch (const Exception&) {
    }
    try {
        TStringStream S(In);
        ReadResourceHeader(&S);
        TReader R(&S);
        if (Size & 1)
            R.OnError = [](TReader*, const std::string&, bool& Handled) { Handled = true; };
        TComponent* C = R.ReadRootComponent(nullptr);
        C->Free();
    } catch (const Exception&) {
    }
    try {
        TTestForm Form(nullptr);
        TStringStream S(In);
        TReader R(&S);
        R.OnError = [](TReader*, const std::string&, bool& Handled) { Handled = true; };
        R.OnFindMethod = [](TReader*, const std::string& Name, TMethod& M, bool& Error) {
            M.Name = Name;
            Error = false;
        };
        R.ReadRootComponent(&Form);
    } catch (const Exception&) {
    }
    if (PendingFixupCount() != 0) __builtin_trap();  // nothing may outlive its objects
    return 0;
}
