#include "framework/classes/FormResource.h"

#include <cstring>

#include "framework/classes/Filer.h"
#include "framework/classes/FormText.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/Streams.h"

namespace {
bool StartsWithWord(const char* P, size_t Size, const char* Word) {
    size_t N = std::strlen(Word);
    if (Size < N) return false;
    for (size_t I = 0; I < N; ++I) {
        if (AsciiLower(P[I]) != Word[I]) return false;
    }
    return true;
}
}  // namespace

TComponent* ReadFormData(const void* Data, size_t Size, TComponent* Root, const std::function<void(TReader&)>& Setup) {
    const char* P = static_cast<const char*>(Data);
    size_t Skip = 0;
    if (Size >= 3 && static_cast<unsigned char>(P[0]) == 0xEF && static_cast<unsigned char>(P[1]) == 0xBB &&
        static_cast<unsigned char>(P[2]) == 0xBF)
        Skip = 3;  // byte-order mark of a text file
    while (Skip < Size && static_cast<unsigned char>(P[Skip]) <= ' ') ++Skip;
    TMemoryStream Binary;
    const char* Rest = P + Skip;
    size_t RestSize = Size - Skip;
    if (StartsWithWord(Rest, RestSize, "object") || StartsWithWord(Rest, RestSize, "inherited") ||
        StartsWithWord(Rest, RestSize, "inline")) {
        TMemoryStream Text;
        Text.WriteBuffer(P, static_cast<int32_t>(Size));
        Text.SetPosition(0);
        ObjectTextToBinary(&Text, &Binary);
    } else {
        Binary.WriteBuffer(P, static_cast<int32_t>(Size));
    }
    Binary.SetPosition(0);
    ReadResourceHeader(&Binary);
    TReader Reader(&Binary);
    if (Setup) Setup(Reader);
    return Reader.ReadRootComponent(Root);
}

TComponent* ReadFormText(const std::string& Text, TComponent* Root, const std::function<void(TReader&)>& Setup) {
    return ReadFormData(Text.data(), Text.size(), Root, Setup);
}
