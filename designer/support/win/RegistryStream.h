#pragma once
// A memory stream loaded from one binary registry value (the library's
// path form) and written back to it whole: the value holds the stream's
// bytes and nothing else.
#include <cstdint>
#include <string>

#include "framework/rtl/Streams.h"

// Mode that starts empty and replaces the value.
inline constexpr uint16_t RegistryStreamCreate = 0xFFFF;

class TRegistryStream : public TMemoryStream {
public:
    // Any mode but RegistryStreamCreate loads the stored value (if any).
    TRegistryStream(const std::string& Path, uint16_t Mode);
    // Stores what Store() would; a failure is reported, not raised.
    ~TRegistryStream() override;

    int32_t Write(const void* Buffer, int32_t Count) override;
    // Writes the block back when it was written to, when its size differs
    // from the stored one, or always in the create mode. Raises on failure.
    void Store();

    bool Modified() const { return FModified; }
    const std::string& Path() const { return FPath; }
    // The value's size when the stream was made: -1 when it did not exist,
    // 0 in the create mode.
    int StoredSize() const { return FStoredSize; }

private:
    std::string FPath;
    int FStoredSize = -1;
    bool FModified = false;
    bool FReplace = false;
};
