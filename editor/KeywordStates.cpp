#include "editor/KeywordStates.h"

#include <algorithm>

TKeywordStates::~TKeywordStates() {
    for (TEntry& E : FEntries)
        if (E.Used) {
            ReleaseStopState(E.Id);
            ReleaseStopState(E.From);
        }
}

TStopState TKeywordStates::Get(TStopState InForce, int32_t Index, const TKeyword& K, int32_t Len) {
    uint32_t H = (InForce * 0x9E3779B1u) ^ (static_cast<uint32_t>(Index) * 0x85EBCA77u) ^ static_cast<uint32_t>(Len);
    TEntry& E = FEntries[(H ^ H >> 16) % FEntries.size()];
    if (E.Used && E.From == InForce && E.Index == Index && E.Len == Len && E.Style == K.Style &&
        E.Background == K.Background && E.Foreground == K.Foreground && E.Context == K.Context && E.Cursor == K.Cursor)
        return E.Id;
    const TFormatStop& F = StopState(InForce);
    int Depth = StopContext(F) + 1;
    TFormatStop R = F;
    R.Offset = 0;
    R.Kind = static_cast<uint8_t>((K.Style & 0x3F) | qkRegion);
    R.Depth = static_cast<int8_t>(Depth);
    R.Stack[Depth] = static_cast<int16_t>(Index);
    R.Background = K.Background;
    R.Foreground = K.Foreground;
    R.Context = K.Context;
    R.Cursor = K.Cursor;
    R.KeyLength = R.StopLength = static_cast<uint8_t>(std::min(Len, 255));
    TStopState Id = InternStopState(R);
    AddStopStateRef(InForce);
    if (E.Used) {
        ReleaseStopState(E.Id);
        ReleaseStopState(E.From);
    }
    E = {true, InForce, Id, Index, Len, K.Style, K.Context, K.Cursor, K.Background, K.Foreground};
    return Id;
}
