#include "designer/support/win/RegistryStream.h"

#include "designer/support/win/DesignErrors.h"
#include "designer/support/win/RegistryValues.h"

TRegistryStream::TRegistryStream(const std::string& Path, uint16_t Mode) : FPath(Path) {
    if (Mode == RegistryStreamCreate) {
        // Nothing is written until the stream is stored: an interrupted save
        // leaves the old value, not an empty one.
        FReplace = true;
        FStoredSize = 0;
        return;
    }
    FStoredSize = GetRegistryDataSize(Path);
    if (FStoredSize > 0) {
        SetSize(FStoredSize);
        SetSize(ReadRegistryBinary(Path, Memory(), FStoredSize));
    }
    SetPosition(0);
}

TRegistryStream::~TRegistryStream() {
    try {
        Store();
    } catch (...) {
        ReportDesignError();
    }
}

int32_t TRegistryStream::Write(const void* Buffer, int32_t Count) {
    const int32_t Written = TMemoryStream::Write(Buffer, Count);
    FModified = true;
    return Written;
}

void TRegistryStream::Store() {
    const bool SizeChanged = FStoredSize != -1 && FStoredSize != Size();
    if (!FReplace && !FModified && !SizeChanged) return;
    WriteRegistryBinary(FPath, Memory(), static_cast<int>(Size()));
    FReplace = false;
    FModified = false;
    FStoredSize = static_cast<int>(Size());
}
