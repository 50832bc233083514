#include "designer/support/FormFileHeader.h"

#include <cstring>

#include "framework/classes/ClassRegistry.h"
#include "framework/rtl/Streams.h"

bool SkipResourceHeader(TStream* Stream, bool DetectOnly) {
    const int64_t Start = Stream->Position();
    unsigned char Buffer[80] = {};
    Stream->Read(Buffer, 79);
    const bool IsHeader = Buffer[0] == 0xFF && Buffer[1] == 10;
    // FFh, the type word, the name up to its NUL, the flags word and the size.
    const size_t NameLength = strnlen(reinterpret_cast<const char*>(Buffer + 3), sizeof(Buffer) - 3);
    Stream->SetPosition(IsHeader && !DetectOnly ? Start + 3 + static_cast<int64_t>(NameLength) + 1 + 6 : Start);
    return IsHeader;
}

void WriteShortStringToStream(TStream* Stream, const std::string& S) {
    const uint8_t Length = static_cast<uint8_t>(S.size() > 255 ? 255 : S.size());
    Stream->WriteBuffer(&Length, 1);
    Stream->WriteBuffer(S.data(), Length);
}

void WriteLongToStream(TStream* Stream, int32_t Value) {
    const uint8_t Bytes[4] = {static_cast<uint8_t>(Value), static_cast<uint8_t>(Value >> 8),
                              static_cast<uint8_t>(Value >> 16), static_cast<uint8_t>(Value >> 24)};
    Stream->WriteBuffer(Bytes, 4);
}

void WriteWordToStream(TStream* Stream, uint16_t Value) {
    const uint8_t Bytes[2] = {static_cast<uint8_t>(Value), static_cast<uint8_t>(Value >> 8)};
    Stream->WriteBuffer(Bytes, 2);
}

void RegisterClassOnce(const TClass* Class) {
    if (Class && !GetClass(Class->Name())) RegisterClass(Class);
}
