// Feeds arbitrary text to the text-to-binary converter. Text it accepts
// must convert to text and back to the very same binary form.
#include <cstdint>
#include <string>

#include "framework/classes/FormText.h"
#include "framework/rtl/Exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    std::string In(reinterpret_cast<const char*>(Data), Size);
    std::string Binary;
    try {
        Binary = ObjectTextToBinary(In);
    } catch (const Exception&) {
        return 0;
    }
    // From here on nothing may fail.
    std::string Text = ObjectBinaryToText(Binary);
    std::string Again = ObjectTextToBinary(Text);
    if (Again != Binary) __builtin_trap();
    return 0;
}
