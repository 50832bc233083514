#include "editor/QuillTypes.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "editor/RecordBlocks.h"
#include "framework/rtl/Exceptions.h"

bool StopsEqual(const TFormatStop& A, const TFormatStop& B) {
    if ((A.Kind & 0xC0) != (B.Kind & 0xC0)) return false;
    if (!(A.Kind & qkHighlighting)) return true;
    if (A.Depth != B.Depth) return false;
    for (int d = 0; d <= A.Depth && d < QuillMaxDepth; ++d)
        if (A.Stack[d] != B.Stack[d]) return false;
    return true;
}

uint8_t ApplyStyleCode(uint8_t Style, char Ch) {
    switch (Ch) {
    case qcBold: return Style ^ qsBold;
    case qcItalic: return Style ^ qsItalic;
    case qcUnderline: return Style ^ qsUnderline;
    case qcHighlight: return Style ^ qsHighlight;
    case qcAltFont: return Style ^ qsAltFont;
    default: return Style;
    }
}

// ---- stop states ----

namespace {

constexpr uint32_t StatesPerBlock = 1024;
constexpr uint32_t EmptySlot = 0, Tombstone = 0xFFFFFFFF;

bool SameState(const TFormatStop& A, const TFormatStop& B) {
    if (A.Kind != B.Kind || A.Depth != B.Depth || A.Background != B.Background || A.Foreground != B.Foreground ||
        A.Context != B.Context || A.Cursor != B.Cursor || A.KeyLength != B.KeyLength || A.StopLength != B.StopLength)
        return false;
    // In place: a call to compare 32 bytes cost more than the comparison,
    // and highlighting interns a stop or two on every line.
    for (int i = 0; i < QuillMaxDepth; ++i)
        if (A.Stack[i] != B.Stack[i]) return false;
    return true;
}

uint32_t HashState(const TFormatStop& S) {
    uint64_t H = 0x9E3779B97F4A7C15ull;
    auto Mix = [&H](uint64_t V) { H = (H ^ V) * 0xBF58476D1CE4E5B9ull; };
    Mix(static_cast<uint64_t>(S.Kind) | static_cast<uint64_t>(static_cast<uint8_t>(S.Depth)) << 8 |
        static_cast<uint64_t>(S.KeyLength) << 16 | static_cast<uint64_t>(S.StopLength) << 24 |
        static_cast<uint64_t>(static_cast<uint16_t>(S.Context)) << 32 | static_cast<uint64_t>(static_cast<uint16_t>(S.Cursor)) << 48);
    Mix(static_cast<uint64_t>(static_cast<uint32_t>(S.Background)) | static_cast<uint64_t>(static_cast<uint32_t>(S.Foreground)) << 32);
    // Equal states have equal stacks; the entries up to the depth tell
    // states apart, the rest is nearly always zero.
    for (int i = 0; i <= S.Depth && i < QuillMaxDepth; i += 4) {
        uint64_t W;
        std::memcpy(&W, &S.Stack[i], sizeof(W));
        Mix(W);
    }
    return static_cast<uint32_t>(H ^ (H >> 29));
}

// Equal states are kept once, counted by their holders; free ids are reused.
struct TStateTable {
    std::vector<TFormatStop*> Blocks;
    std::vector<uint32_t> Refs;
    std::vector<uint32_t> FreeIds;
    std::vector<uint32_t> Slots;  // id + 1, EmptySlot or Tombstone
    uint32_t Filled = 0;          // slots not empty (tombstones included)
    int32_t Live = 0;

    TStateTable() {
        NewId();  // id 0: the plain state, all zero
        Slots.assign(1024, EmptySlot);
    }
    uint32_t NewId() {
        if (!FreeIds.empty()) {
            uint32_t Id = FreeIds.back();
            FreeIds.pop_back();
            return Id;
        }
        auto Id = static_cast<uint32_t>(Refs.size());
        if (Id % StatesPerBlock == 0) {
            Blocks.push_back(new TFormatStop[StatesPerBlock]);
            QuillStateBlocks = Blocks.data();
        }
        Refs.push_back(0);
        QuillStateRefs = Refs.data();
        return Id;
    }
    void Rehash() {
        size_t Size = Slots.size();
        if (static_cast<size_t>(Live) * 4 >= Size) Size *= 2;
        Slots.assign(Size, EmptySlot);
        Filled = 0;
        for (uint32_t Id = 1; Id < Refs.size(); ++Id)
            if (Refs[Id]) Place(Id, HashState(StopState(Id)));
    }
    void Place(uint32_t Id, uint32_t H) {
        size_t Mask = Slots.size() - 1;
        size_t I = H & Mask;
        while (Slots[I] != EmptySlot && Slots[I] != Tombstone) I = (I + 1) & Mask;
        if (Slots[I] == EmptySlot) ++Filled;
        Slots[I] = Id + 1;
    }
    // Highlighting interns the same few states line after line: the last
    // state seen under a cheap key of the fields that tell them apart most
    // is tried before the full hash. Ids are 0 (none) or live or freed;
    // a freed id has no references and is passed over.
    static constexpr size_t RecentSize = 256;
    uint32_t Recent[RecentSize] = {};
    static size_t RecentKey(const TFormatStop& S) {
        int D = S.Depth >= 0 && S.Depth < QuillMaxDepth ? S.Depth : 0;
        uint32_t K = (static_cast<uint32_t>(S.Kind) << 8 | static_cast<uint8_t>(S.Depth)) * 0x9E3779B1u;
        K ^= (static_cast<uint32_t>(static_cast<uint16_t>(S.Stack[D])) << 16 | static_cast<uint32_t>(S.KeyLength) << 8 | S.StopLength) *
             0x85EBCA77u;
        K ^= static_cast<uint32_t>(S.Foreground);
        return (K ^ K >> 15 ^ K >> 24) & (RecentSize - 1);
    }
    uint32_t Intern(const TFormatStop& S) {
        uint32_t& Seen = Recent[RecentKey(S)];
        if (Seen && Refs[Seen] && SameState(StopState(Seen), S)) {
            ++Refs[Seen];
            return Seen;
        }
        uint32_t H = HashState(S);
        size_t Mask = Slots.size() - 1;
        for (size_t I = H & Mask; Slots[I] != EmptySlot; I = (I + 1) & Mask) {
            uint32_t V = Slots[I];
            if (V != Tombstone && SameState(StopState(V - 1), S)) {
                ++Refs[V - 1];
                Seen = V - 1;
                return V - 1;
            }
        }
        uint32_t Id = NewId();
        Seen = Id;
        TFormatStop& D = Blocks[Id / StatesPerBlock][Id % StatesPerBlock];
        D = S;
        D.Offset = 0;
        Refs[Id] = 1;
        ++Live;
        if ((Filled + 1) * 2 > Slots.size()) Rehash();
        Place(Id, H);
        return Id;
    }
    // Id's last reference went.
    void Forget(uint32_t Id) {
        size_t Mask = Slots.size() - 1;
        for (size_t I = HashState(StopState(Id)) & Mask; Slots[I] != EmptySlot; I = (I + 1) & Mask)
            if (Slots[I] == Id + 1) {
                Slots[I] = Tombstone;
                break;
            }
        --Live;
        FreeIds.push_back(Id);
    }
};

// Never destroyed: editors may outlive static destruction order.
TStateTable& States() {
    static auto* T = new TStateTable;
    return *T;
}

bool IsPlainState(const TFormatStop& S) {
    static const TFormatStop Zero{};
    return SameState(S, Zero);
}

}  // namespace

TFormatStop** QuillStateBlocks = States().Blocks.data();
uint32_t* QuillStateRefs = States().Refs.data();

TStopState InternStopState(const TFormatStop& S) {
    if (IsPlainState(S)) return PlainStopState;
    return States().Intern(S);
}

void ForgetStopState(TStopState Id) { States().Forget(Id); }

int32_t StopStateCount() { return States().Live; }

// ---- unit blocks ----

namespace {

constexpr uint32_t ChunkUnits = 65536;

// Capacities 1, 2, 3, 4, 6, 8, 12, 16, 24, ...: at most a third is unused.
uint32_t ClassOf(uint32_t Units, uint64_t* Cap) {
    if (Units <= 4) {
        *Cap = std::max<uint32_t>(Units, 1);
        return static_cast<uint32_t>(*Cap) - 1;
    }
    uint64_t C = 4;
    uint32_t K = 3;
    while (C < Units) {
        C = (C & (C - 1)) == 0 ? C / 2 * 3 : C / 3 * 4;
        ++K;
    }
    *Cap = C;
    return K;
}

// Small blocks are cut from 64K-unit chunks and kept on a free list per
// capacity when released; larger ones get a chunk of their own.
struct TUnitPool {
    std::vector<uint64_t*> Chunks{nullptr};  // chunk 0 is never used: handle 0 means none
    std::vector<uint32_t> FreeChunks;
    std::vector<uint32_t> FreeLists = std::vector<uint32_t>(64, 0);
    uint32_t Current = 0;
    uint32_t Next = 0;
    uint64_t Live = 0;

    uint32_t NewChunk(uint64_t Units) {
        auto* C = static_cast<uint64_t*>(AllocRecordBlock(static_cast<size_t>(Units) * 8));
        uint32_t Idx;
        if (!FreeChunks.empty()) {
            Idx = FreeChunks.back();
            FreeChunks.pop_back();
            Chunks[Idx] = C;
        } else {
            if (Chunks.size() >= 65536) {
                FreeRecordBlock(C, static_cast<size_t>(Units) * 8);
                throw EOutOfMemory("Out of memory");
            }
            Idx = static_cast<uint32_t>(Chunks.size());
            Chunks.push_back(C);
            QuillUnitChunks = Chunks.data();
        }
        return Idx;
    }
    uint32_t Alloc(uint32_t Units) {
        uint64_t Cap;
        uint32_t K = ClassOf(Units, &Cap);
        uint32_t H;
        if (Cap > ChunkUnits) {
            H = NewChunk(Cap) << 16;
        } else if (FreeLists[K]) {
            H = FreeLists[K];
            std::memcpy(&FreeLists[K], UnitData(H), sizeof(uint32_t));
        } else {
            if (Current == 0 || Next + Cap > ChunkUnits) {
                Current = NewChunk(ChunkUnits);
                Next = 0;
            }
            H = Current << 16 | Next;
            Next += static_cast<uint32_t>(Cap);
        }
        Live += Cap;
        return H;
    }
    void Free(uint32_t H, uint32_t Units) {
        uint64_t Cap;
        uint32_t K = ClassOf(Units, &Cap);
        if (Cap > ChunkUnits) {
            FreeRecordBlock(Chunks[H >> 16], static_cast<size_t>(Cap) * 8);
            Chunks[H >> 16] = nullptr;
            FreeChunks.push_back(H >> 16);
        } else {
            std::memcpy(UnitData(H), &FreeLists[K], sizeof(uint32_t));
            FreeLists[K] = H;
        }
        Live -= Cap;
        if (Live == 0) Reset();
    }
    // Nothing is in use: every chunk goes back.
    void Reset() {
        for (uint64_t* C : Chunks) FreeRecordBlock(C, ChunkUnits * 8);  // the larger ones went when freed
        Chunks.assign(1, nullptr);
        QuillUnitChunks = Chunks.data();
        FreeChunks.clear();
        std::fill(FreeLists.begin(), FreeLists.end(), 0);
        Current = Next = 0;
    }
};

TUnitPool& Pool() {
    static auto* P = new TUnitPool;
    return *P;
}

}  // namespace

uint64_t** QuillUnitChunks = Pool().Chunks.data();

uint32_t UnitCapacity(uint32_t Units) {
    uint64_t Cap;
    ClassOf(Units, &Cap);
    return static_cast<uint32_t>(std::min<uint64_t>(Cap, 0xFFFFFFFFu));
}

uint32_t AllocUnits(uint32_t Units) { return Units ? Pool().Alloc(Units) : 0; }

void FreeUnits(uint32_t Handle, uint32_t Units) {
    if (Handle) Pool().Free(Handle, Units);
}

// ---- paragraph stops ----

namespace {

// Units of N stops of the form (0: none, or inline).
uint32_t StopUnits(int32_t N, uint32_t Form) {
    static constexpr uint32_t Bytes[] = {4, 3, 8, 2};  // by TStopForm
    if (N <= 0 || (Form == sfOffset8State8 && N <= TParagraph::MaxInlineStops)) return 0;
    return (static_cast<uint32_t>(N) * Bytes[Form] + 7) / 8;
}

// Stores N records in P in the narrowest form they fit, reusing P's block
// when its capacity is the same. State references are the caller's.
void WriteStops(TParagraph& P, const TStopRec* Recs, int32_t N) {
    uint32_t MaxOffset = 0, MaxState = 0;
    for (int32_t i = 0; i < N; ++i) {
        MaxOffset = std::max(MaxOffset, static_cast<uint32_t>(Recs[i].Offset));
        MaxState = std::max(MaxState, Recs[i].State);
    }
    if (N > TParagraph::MaxStops) throw EOutOfMemory("Out of memory");
    TStopForm Form = MaxOffset > 0xFFFF || MaxState > 0xFFFF ? sfFull
                     : MaxOffset > 0xFF                      ? sfOffset16State16
                     : MaxState > 0xFF                       ? sfOffset8State16
                                                             : sfOffset8State8;
    uint32_t Old = StopUnits(P.StopCount, P.StopForm), New = StopUnits(N, Form);
    if ((Old ? UnitCapacity(Old) : 0) != (New ? UnitCapacity(New) : 0)) {
        uint32_t H = AllocUnits(New);  // may throw: P is unchanged then
        if (Old) FreeUnits(P.Stops.Handle, Old);
        P.Stops.Handle = H;
    }
    P.StopCount = static_cast<uint32_t>(N);
    P.StopForm = Form;
    if (!New) P.Stops.Handle = 0;
    auto* D = static_cast<uint8_t*>(const_cast<void*>(P.StopData()));
    switch (Form) {
    case sfFull: std::memcpy(D, Recs, static_cast<size_t>(N) * sizeof(TStopRec)); break;
    case sfOffset8State8:
        for (int32_t i = 0; i < N; ++i, D += 2) {
            D[0] = static_cast<uint8_t>(Recs[i].Offset);
            D[1] = static_cast<uint8_t>(Recs[i].State);
        }
        break;
    case sfOffset8State16:
        for (int32_t i = 0; i < N; ++i, D += 3) {
            D[0] = static_cast<uint8_t>(Recs[i].Offset);
            D[1] = static_cast<uint8_t>(Recs[i].State);
            D[2] = static_cast<uint8_t>(Recs[i].State >> 8);
        }
        break;
    case sfOffset16State16:
        for (int32_t i = 0; i < N; ++i) {
            uint32_t W = static_cast<uint32_t>(Recs[i].Offset) | Recs[i].State << 16;
            std::memcpy(D + i * 4, &W, sizeof(W));
        }
        break;
    }
}

// The records of P (scratch of the UI thread).
std::vector<TStopRec>& ReadStops(const TParagraph& P) {
    static std::vector<TStopRec> Recs;
    Recs.resize(static_cast<size_t>(P.StopCount));
    for (int32_t i = 0; i < P.StopCount; ++i) Recs[static_cast<size_t>(i)] = P.StopRec(i);
    return Recs;
}

}  // namespace

void SetParagraphStopRecs(TParagraph& P, const TStopRec* Recs, int32_t N) {
    static std::vector<TStopState> Old;  // scratch of the UI thread
    Old.resize(static_cast<size_t>(P.StopCount));
    for (int32_t i = 0; i < P.StopCount; ++i) Old[static_cast<size_t>(i)] = P.StopStateAt(i);
    WriteStops(P, Recs, N);
    for (int32_t i = 0; i < N; ++i) AddStopStateRef(Recs[i].State);
    // Released last: a state both lists hold is never dropped in between.
    for (TStopState Id : Old) ReleaseStopState(Id);
}

void SetParagraphStops(TParagraph& P, const TFormatStop* Stops, int32_t N) {
    static std::vector<TStopRec> New;  // scratch of the UI thread
    New.resize(static_cast<size_t>(N));
    for (int32_t i = 0; i < N; ++i) New[static_cast<size_t>(i)] = {Stops[i].Offset, InternStopState(Stops[i])};
    struct TGiveBack {  // the interned references are the new list's own
        ~TGiveBack() {
            for (const TStopRec& R : New) ReleaseStopState(R.State);
        }
    } GiveBack;
    SetParagraphStopRecs(P, New.data(), N);
}

void InsertParagraphStop(TParagraph& P, int32_t I, const TFormatStop& S) {
    TStopState Id = InternStopState(S);
    std::vector<TStopRec>& Recs = ReadStops(P);
    Recs.insert(Recs.begin() + I, TStopRec{S.Offset, Id});
    try {
        WriteStops(P, Recs.data(), static_cast<int32_t>(Recs.size()));
    } catch (...) {
        ReleaseStopState(Id);
        throw;
    }
}

void DeleteParagraphStop(TParagraph& P, int32_t I) {
    std::vector<TStopRec>& Recs = ReadStops(P);
    TStopState Id = Recs[static_cast<size_t>(I)].State;
    Recs.erase(Recs.begin() + I);
    WriteStops(P, Recs.data(), static_cast<int32_t>(Recs.size()));
    ReleaseStopState(Id);
}

void ClearParagraphStops(TParagraph& P) {
    for (int32_t i = 0; i < P.StopCount; ++i) ReleaseStopState(P.StopStateAt(i));
    if (uint32_t Units = StopUnits(P.StopCount, P.StopForm)) FreeUnits(P.Stops.Handle, Units);
    P.Stops.Handle = 0;
    P.StopCount = 0;
    P.StopForm = sfOffset16State16;
}

void UnpackStops(const TParagraph& P, std::vector<TFormatStop>& Out) {
    Out.resize(static_cast<size_t>(P.StopCount));
    for (int32_t i = 0; i < P.StopCount; ++i) Out[static_cast<size_t>(i)] = P.Stop(i);
}

void SetParagraphContext(TParagraph& P, const TFormatStop& S) {
    TStopState Id = InternStopState(S);
    ReleaseStopState(P.StartContext.Id);
    P.StartContext.Id = Id;
}

void ShareParagraphContext(TParagraph& P, const TParagraph& From) {
    TStopState Id = From.StartContext.Id;
    AddStopStateRef(Id);
    ReleaseStopState(P.StartContext.Id);
    P.StartContext.Id = Id;
}

// ---- paragraph text and lines ----

namespace {

uint32_t ExtraUnits(int32_t Lines) {
    return static_cast<uint32_t>((sizeof(TParagraphExtra) + static_cast<uint64_t>(Lines) * sizeof(TDisplayLine) + 7) / 8);
}

// One line holding the whole text, nothing but its width measured.
// A plain line is its paragraph's only line, hence its last, which
// justification never stretches: its count of spaces is not kept (most
// source lines hold blanks, and keeping it cost each a line block).
bool IsPlainLine(const TDisplayLine& L, int32_t Length) {
    return L.Start == 0 && L.End == Length && L.Width >= 0 &&
           static_cast<uint32_t>(L.Width) <= TParLayout::MaxInlineWidth && L.Width2 == L.Width && L.JustifyFrom == 0 &&
           L.Reserved == 0 && L.StopsBefore == 0 && (L.StyleWord & ~0x3F) == 0;
}

TDisplayLine PlainLine(int32_t Length, uint8_t Style, int32_t Width) {
    TDisplayLine L;
    L.End = Length;
    L.Width = L.Width2 = Width;
    L.StyleWord = Style;
    return L;
}

// L becomes one plain line of the given width and style, without a block.
void SetInlineLine(TParLayout& L, const TDisplayLine& D) {
    FreeLayout(L);
    L.Lines = TParLayout::PlainLine(static_cast<uint8_t>(D.StyleWord), static_cast<uint32_t>(D.Width));
}

// Gives L explicit room for N lines, keeping the first Min(N, LineCount)
// and its colours; new lines are zero.
void ResizeExtra(TParLayout& L, int32_t Length, int32_t N) {
    int32_t Old = L.LineCount();
    if (L.HasExtraBlock() && UnitCapacity(ExtraUnits(Old)) == UnitCapacity(ExtraUnits(N))) {
        TParagraphExtra* E = L.ExtraData();
        for (int32_t i = Old; i < N; ++i) E->Lines()[i] = TDisplayLine();
        E->LineCount = N;
        return;
    }
    uint32_t H = AllocUnits(ExtraUnits(N));
    if (H >= TParLayout::BlockBit) {
        FreeUnits(H, ExtraUnits(N));
        throw EOutOfMemory("Out of memory");
    }
    auto* E = static_cast<TParagraphExtra*>(UnitData(H));
    *E = {N, L.TextColor(), L.BackColor(), 0};
    for (int32_t i = 0; i < N; ++i) E->Lines()[i] = i < Old ? LayoutLine(L, Length, i) : TDisplayLine();
    FreeLayout(L);
    L.Lines = TParLayout::BlockBit | H;
}

// Back to the compact form when one plain line and no colours remain.
void CompactLines(TParLayout& L, int32_t Length) {
    if (!L.HasExtraBlock()) return;
    TParagraphExtra* E = L.ExtraData();
    if (E->LineCount != 1 || E->TextColor != -1 || E->BackColor != -1 || !IsPlainLine(E->Lines()[0], Length)) return;
    SetInlineLine(L, TDisplayLine(E->Lines()[0]));
}

}  // namespace

namespace {

// Units of a text block of Capacity bytes and its capacity word.
uint32_t TextUnits(int32_t Capacity) { return static_cast<uint32_t>((int64_t{Capacity} + sizeof(int32_t) + 7) / 8); }

void FreeOwnText(TParagraph& P) {
    if (!P.TextInPool && P.TextRef) FreeUnits(P.TextRef, TextUnits(ParagraphTextCapacity(P)));
    P.TextRef = 0;
    P.TextInPool = 0;
}

}  // namespace

void FreeParagraph(TParagraph& P) {
    FreeOwnText(P);
    ClearParagraphStops(P);
    ReleaseStopState(P.StartContext.Id);
    P.StartContext.Id = PlainStopState;
}

void SetPoolText(TParagraph& P, uint32_t Ref) {
    FreeOwnText(P);
    P.TextRef = Ref;
    P.TextInPool = 1;
}

void ReserveParagraphText(TParagraph& P, int32_t NewLength, bool Exact) {
    int64_t Need = static_cast<int64_t>(NewLength) + 1;
    if (!Exact) Need += NewLength / 64;
    Need = std::min<int64_t>(Need, INT32_MAX - 8);
    auto Cap = static_cast<int32_t>(Need);
    uint32_t H = AllocUnits(TextUnits(Cap));
    auto* Block = static_cast<char*>(UnitData(H));
    std::memcpy(Block, &Cap, sizeof(Cap));
    char* Buf = Block + sizeof(int32_t);
    int32_t Keep = P.Length < NewLength ? P.Length : NewLength;
    if (const char* Old = P.Text(); Old && Keep > 0) std::memcpy(Buf, Old, static_cast<size_t>(Keep));
    Buf[Keep] = 0;
    FreeOwnText(P);
    P.TextRef = H;
}

int32_t ParagraphTextCapacity(const TParagraph& P) {
    if (P.TextInPool || !P.TextRef) return 0;
    int32_t Cap;
    std::memcpy(&Cap, UnitData(P.TextRef), sizeof(Cap));
    return Cap;
}

void FreeLayout(TParLayout& L) {
    if (L.HasExtraBlock()) FreeUnits(L.BlockHandle(), ExtraUnits(L.ExtraData()->LineCount));
    L.Lines = 0;
}

void SetLayoutLineCount(TParLayout& L, int32_t Length, int32_t N) {
    if (N < 1) N = 1;
    if (N - 1 > 59652323) throw EOutOfMemory("Out of memory");
    if (N == L.LineCount() && !L.HasExtraBlock()) return;
    ResizeExtra(L, Length, N);
    CompactLines(L, Length);
}

TDisplayLine LayoutLine(const TParLayout& L, int32_t Length, int32_t I) {
    if (L.HasExtraBlock()) return L.ExtraData()->Lines()[I];
    return PlainLine(Length, static_cast<uint8_t>(L.Lines >> TParLayout::StyleShift),
                     static_cast<int32_t>(L.Lines & TParLayout::MaxInlineWidth));
}

void SetLayoutLines(TParLayout& L, int32_t Length, const TDisplayLine* Lines, int32_t N) {
    if (N == 1 && IsPlainLine(Lines[0], Length) && L.TextColor() == -1 && L.BackColor() == -1) {
        SetInlineLine(L, Lines[0]);
        return;
    }
    ResizeExtra(L, Length, N);
    std::copy(Lines, Lines + N, L.ExtraData()->Lines());
}

void SetPlainLine(TParLayout& L, int32_t Length, uint8_t Style) {
    TDisplayLine D = PlainLine(Length, Style, 0);
    SetLayoutLines(L, Length, &D, 1);
}

TDisplayLine& LayoutLineRef(TParLayout& L, int32_t Length, int32_t I) {
    if (!L.HasExtraBlock()) ResizeExtra(L, Length, 1);
    return L.ExtraData()->Lines()[I];
}
