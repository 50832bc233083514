#pragma once
// Records of the editor's text model: format stops, display lines and
// paragraphs, and the numeric limits the editor enforces.
#include <cstdint>
#include <vector>

#include "editor/TextPool.h"

// A paragraph may not hold more characters than this.
constexpr int32_t QuillMaxParLength = 2147483547;
// Cached indices use this value for "not computed yet".
constexpr int32_t QuillUnknown = 2147483647;
// Regions nest at most this deep (depths 0..15).
constexpr int QuillMaxDepth = 16;

// Style bits of format stops and keys.
constexpr uint8_t qsBold = 0x01;
constexpr uint8_t qsItalic = 0x02;
constexpr uint8_t qsUnderline = 0x04;
constexpr uint8_t qsStrikeOut = 0x08;
constexpr uint8_t qsHighlight = 0x10;
constexpr uint8_t qsAltFont = 0x20;

// Kind bits of a format stop.
constexpr uint8_t qkHighlighting = 0x80;
constexpr uint8_t qkRegion = 0xC0;

// In-text style codes (toggle a style bit while StaticFormat is on).
constexpr char qcItalic = 1;
constexpr char qcBold = 2;
constexpr char qcHighlight = 3;
constexpr char qcAltFont = 4;
constexpr char qcUnderline = 21;

// A place where highlighting or style changes inside a paragraph. In a
// paragraph's StartContext the Offset word holds the reference count.
struct TFormatStop {
    int32_t Offset = 0;
    uint8_t Kind = 0;
    int8_t Depth = 0;
    int32_t Background = 0;
    int32_t Foreground = 0;
    int16_t Context = 0;
    int16_t Cursor = 0;
    int16_t Stack[QuillMaxDepth] = {};
    uint8_t KeyLength = 0;
    uint8_t StopLength = 0;
};

// Depth of a region stop, -1 for any other stop.
inline int StopContext(const TFormatStop& S) { return S.Kind >= qkRegion ? S.Depth : -1; }
inline bool IsHighlightingStop(const TFormatStop& S) { return (S.Kind & qkHighlighting) != 0; }
// Equality used to decide that highlighting of later text can stop.
bool StopsEqual(const TFormatStop& A, const TFormatStop& B);
// Toggles the style bit of an in-text style code; other characters are ignored.
uint8_t ApplyStyleCode(uint8_t Style, char Ch);
inline bool IsStyleCode(char Ch) { return (Ch >= 1 && Ch <= 4) || Ch == 21; }

// One display line of a paragraph (nine 32-bit words).
struct TDisplayLine {
    int32_t Start = 0;       // offset of the first character
    int32_t End = 0;         // offset just past the last character
    int32_t Width = 0;       // pixels of the line's text
    int32_t Width2 = 0;      // equals Width after layout
    int32_t SpaceCount = 0;  // spaces counted for justification
    int32_t JustifyFrom = 0; // offset after the last tab
    int32_t Reserved = 0;
    int32_t StyleWord = 0;   // low byte: in-text style at the line start
    int32_t StopsBefore = 0; // format stops of the paragraph before the line start
    uint8_t Style() const { return static_cast<uint8_t>(StyleWord & 0xFF); }
};

// ---- compact storage of stops and display lines ----
// Everything below is shared by the editors of the process, which all live
// on the user-interface thread.

// A stop state: every field of a TFormatStop but Offset. Equal states are
// stored once and counted; state 0 is the all-zero state and is never freed.
using TStopState = uint32_t;
constexpr TStopState PlainStopState = 0;
TStopState InternStopState(const TFormatStop& S);  // adds one reference
// Each state's reference count, by id: highlighting adds and drops
// references several times a stop, so the common case takes no call.
extern uint32_t* QuillStateRefs;
// Frees a state whose last reference went.
void ForgetStopState(TStopState Id);
inline void AddStopStateRef(TStopState Id) {
    if (Id != PlainStopState) ++QuillStateRefs[Id];
}
inline void ReleaseStopState(TStopState Id) {
    if (Id != PlainStopState && --QuillStateRefs[Id] == 0) ForgetStopState(Id);
}
extern TFormatStop** QuillStateBlocks;
inline const TFormatStop& StopState(TStopState Id) { return QuillStateBlocks[Id >> 10][Id & 1023]; }  // Offset 0
int32_t StopStateCount();                      // states in use (tests)

// A stored format stop.
struct TStopRec {
    int32_t Offset;
    TStopState State;
};

// Blocks of 8-byte units addressed by 32-bit handles (0 is none). A block's
// capacity follows from the size asked for, so callers keep only a count.
uint32_t UnitCapacity(uint32_t Units);
uint32_t AllocUnits(uint32_t Units);
void FreeUnits(uint32_t Handle, uint32_t Units);
extern uint64_t** QuillUnitChunks;
inline void* UnitData(uint32_t Handle) {
    return Handle ? QuillUnitChunks[Handle >> 16] + (Handle & 0xFFFF) : nullptr;
}

// The stops of a paragraph, in the narrowest of four forms they fit
// (TParagraph::StopForm): most paragraphs are short and their text uses few
// states, so their stops take 2 bytes each (offset and state of 8 bits) or
// 3 (a state of 16 bits) or 4 (offset and state of 16 bits); a paragraph
// with an offset or a state beyond that keeps 8-byte records. Up to two
// stops of 2 bytes are held in the handle's place, with no block.
enum TStopForm : uint8_t { sfOffset16State16, sfOffset8State16, sfFull, sfOffset8State8 };

// A paragraph's block of stops, or its stops themselves (see above).
struct TStopArray {
    uint32_t Handle = 0;
};

// A paragraph's StartContext: a counted reference to a shared state.
struct TContextRef {
    TStopState Id = PlainStopState;
    const TFormatStop& operator*() const { return StopState(Id); }
    const TFormatStop* operator->() const { return &StopState(Id); }
};

// Display lines and colours of a paragraph that needs more than one plain
// line (start 0, end Length, nothing measured) or colours of its own.
struct TParagraphExtra {
    int32_t LineCount;
    int32_t TextColor;
    int32_t BackColor;
    int32_t Reserved;
    TDisplayLine* Lines() { return reinterpret_cast<TDisplayLine*>(this + 1); }
};

// One paragraph of the document (24 bytes: a big file holds millions).
// Records move when paragraphs are inserted or deleted (between the
// paragraph list's blocks).
struct TParagraph {
    // The text: in the load pool (a TPoolBlock reference) or in a unit
    // block of its own, its capacity in the block's first four bytes
    // (0: none). Read and change it through Text() and the helpers below.
    uint32_t TextRef = 0;
    int32_t Length = 0;
    // First position, under the paragraph list's block shift: read it
    // through the document's ParagraphStart.
    int32_t StartBase = 0;
    TStopArray Stops;           // sorted by offset
    TContextRef StartContext;   // state in force at the paragraph start
    uint32_t StopCount : 21 = 0;  // at most MaxStops: more raise EOutOfMemory
    // In-text style at the paragraph start as a load found it; a view
    // takes it into its layout when the load ends and keeps it from then on.
    uint32_t Style0 : 6 = 0;
    uint32_t Highlighted : 1 = 0;
    uint32_t Parsed : 1 = 0;
    uint32_t TextInPool : 1 = 0;  // the text lives in the load pool
    uint32_t StopForm : 2 = sfOffset16State16;  // a TStopForm

    static constexpr int32_t MaxStops = (1 << 21) - 1;

    // Zero-terminated; null when the paragraph never held text.
    char* Text() const {
        if (TextInPool) return PoolText(TextRef);
        return TextRef ? reinterpret_cast<char*>(UnitData(TextRef)) + sizeof(int32_t) : nullptr;
    }

    static constexpr int32_t MaxInlineStops = 2;
    bool StopsInline() const { return StopForm == sfOffset8State8 && StopCount <= MaxInlineStops; }
    const void* StopData() const { return StopsInline() ? &Stops.Handle : UnitData(Stops.Handle); }
    int32_t StopOffset(int32_t I) const {
        const void* D = StopData();
        switch (StopForm) {
        case sfOffset8State8: return static_cast<const uint8_t*>(D)[I * 2];
        case sfOffset8State16: return static_cast<const uint8_t*>(D)[I * 3];
        case sfFull: return static_cast<const TStopRec*>(D)[I].Offset;
        default: return static_cast<int32_t>(static_cast<const uint32_t*>(D)[I] & 0xFFFF);
        }
    }
    TStopState StopStateAt(int32_t I) const {
        const void* D = StopData();
        switch (StopForm) {
        case sfOffset8State8: return static_cast<const uint8_t*>(D)[I * 2 + 1];
        case sfOffset8State16: {
            const uint8_t* B = static_cast<const uint8_t*>(D) + I * 3 + 1;
            return static_cast<TStopState>(B[0] | B[1] << 8);
        }
        case sfFull: return static_cast<const TStopRec*>(D)[I].State;
        default: return static_cast<const uint32_t*>(D)[I] >> 16;
        }
    }
    TStopRec StopRec(int32_t I) const { return {StopOffset(I), StopStateAt(I)}; }
    // Stop I as a full record.
    TFormatStop Stop(int32_t I) const {
        TFormatStop S = StopState(StopStateAt(I));
        S.Offset = StopOffset(I);
        return S;
    }
};
static_assert(sizeof(TParagraph) == 24, "a big file holds millions");

// A view's layout of one paragraph (8 bytes): its first display line and
// its display lines. Most paragraphs are one plain line (start 0, end the
// paragraph's length), held here with its style and measured width; the
// others keep their lines and colours in a TParagraphExtra block.
struct TParLayout {
    // Without the layout list's block shift: read it through the view's
    // ParagraphFirstLine.
    int32_t FirstLineBase = 0;
    // BlockBit set: the block's handle below it. Otherwise one plain line:
    // its in-text style from StyleShift up, its width (0: not measured) below.
    uint32_t Lines : 31 = 0;
    uint32_t Formatted : 1 = 0;

    static constexpr uint32_t BlockBit = 1u << 30;
    static constexpr int StyleShift = 24;
    static constexpr uint32_t MaxInlineWidth = (1u << StyleShift) - 1;
    static constexpr uint32_t PlainLine(uint8_t Style, uint32_t Width) { return uint32_t{Style} << StyleShift | Width; }
    bool HasExtraBlock() const { return (Lines & BlockBit) != 0; }
    uint32_t BlockHandle() const { return HasExtraBlock() ? Lines & (BlockBit - 1) : 0; }
    TParagraphExtra* ExtraData() const { return static_cast<TParagraphExtra*>(UnitData(BlockHandle())); }
    int32_t LineCount() const { return HasExtraBlock() ? ExtraData()->LineCount : 1; }
    int32_t TextColor() const { return HasExtraBlock() ? ExtraData()->TextColor : -1; }
    int32_t BackColor() const { return HasExtraBlock() ? ExtraData()->BackColor : -1; }
};
static_assert(sizeof(TParLayout) == 8, "a view keeps one for every paragraph");

// Stops: every change keeps the state references counted.
void SetParagraphStops(TParagraph& P, const TFormatStop* Stops, int32_t N);
inline void SetParagraphStops(TParagraph& P, const std::vector<TFormatStop>& Stops) {
    SetParagraphStops(P, Stops.data(), static_cast<int32_t>(Stops.size()));
}
// The same from stored records whose states the caller holds.
void SetParagraphStopRecs(TParagraph& P, const TStopRec* Recs, int32_t N);
void InsertParagraphStop(TParagraph& P, int32_t I, const TFormatStop& S);
void DeleteParagraphStop(TParagraph& P, int32_t I);
void ClearParagraphStops(TParagraph& P);
// The stops as full records.
void UnpackStops(const TParagraph& P, std::vector<TFormatStop>& Out);
// Start contexts.
void SetParagraphContext(TParagraph& P, const TFormatStop& S);
void ShareParagraphContext(TParagraph& P, const TParagraph& From);

// Paragraph storage helpers (unit blocks with the 1/64 growth rule).
void FreeParagraph(TParagraph& P);
// The text lies in the load pool at Ref.
void SetPoolText(TParagraph& P, uint32_t Ref);
// Replaces the text buffer by a new one of room for at least NewLength.
void ReserveParagraphText(TParagraph& P, int32_t NewLength, bool Exact);
// Bytes of the paragraph's own text buffer (0 in the load pool or none).
int32_t ParagraphTextCapacity(const TParagraph& P);

// Display lines of a paragraph of Length characters.
void FreeLayout(TParLayout& L);
void SetLayoutLineCount(TParLayout& L, int32_t Length, int32_t N);
// Display line I (a copy) / all lines at once.
TDisplayLine LayoutLine(const TParLayout& L, int32_t Length, int32_t I);
void SetLayoutLines(TParLayout& L, int32_t Length, const TDisplayLine* Lines, int32_t N);
// One plain line holding the whole text.
void SetPlainLine(TParLayout& L, int32_t Length, uint8_t Style);
// Line I as stored, made addressable (the layout keeps explicit lines).
TDisplayLine& LayoutLineRef(TParLayout& L, int32_t Length, int32_t I);
