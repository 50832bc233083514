#include "designer/support/win/LibraryStrings.h"

#include <vector>

#include "framework/controls/Controls.h"
#include "framework/rtl/StringList.h"

std::string LibraryString(unsigned Id, const std::string& Fallback) {
    // A table string holds at most 4097 characters.
    std::vector<char> Buffer(4100);
    const int Length = LoadStringA(FrameworkInstance(), Id, Buffer.data(), static_cast<int>(Buffer.size()));
    return Length > 0 ? std::string(Buffer.data(), static_cast<size_t>(Length)) : Fallback;
}

void LoadLibraryLines(TStrings* Lines, unsigned FirstId) {
    // One change for the list's owner, not one per line.
    Lines->BeginUpdate();
    for (int I = 0; I < Lines->Count(); ++I)
        Lines->SetStrings(I, LibraryString(FirstId + static_cast<unsigned>(I), Lines->Strings(I)));
    Lines->EndUpdate();
}
