#pragma once
// Records of the editor's text model: format stops, display lines and
// paragraphs, and the numeric limits the editor enforces.
#include <cstdint>

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

// One paragraph. Records never move once placed in the paragraph list.
struct TParagraph {
    char* Text = nullptr;  // owned, zero-terminated; none when never held text
    int32_t Length = 0;
    int32_t TextColor = -1;
    int32_t BackColor = -1;
    int32_t FirstLine = 0;
    int32_t Start = 0;
    TFormatStop* StartContext = nullptr;  // shared, reference counted
    TDisplayLine Line0;
    int32_t LineCount = 1;
    TDisplayLine* MoreLines = nullptr;  // LineCount - 1 records
    int32_t StopCount = 0;
    TFormatStop* Stops = nullptr;
    int32_t StopCapacity = 0;
    int32_t TextCapacity = 0;  // bytes allocated for Text
    uint8_t Formatted = 0;
    uint8_t Highlighted = 0;
    uint8_t Parsed = 0;
    uint8_t TextInPool = 0;  // Text lives in the load pool, not on the heap
};

// Shared start contexts.
TFormatStop* NewContext(const TFormatStop& From);  // reference count 1
inline TFormatStop* ShareContext(TFormatStop* C) { ++C->Offset; return C; }
void ReleaseContext(TFormatStop*& C);

// Paragraph storage helpers (heap memory with the 1/64 growth rule).
void FreeParagraph(TParagraph& P);
// Replaces the text buffer by a new one of room for at least NewLength.
void ReserveParagraphText(TParagraph& P, int32_t NewLength, bool Exact);
void SetParagraphLineCount(TParagraph& P, int32_t N);
TDisplayLine& ParagraphLine(TParagraph& P, int32_t I);
