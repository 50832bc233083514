#include "editor/QuillTypes.h"

#include <cstdlib>
#include <cstring>
#include <new>

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

TFormatStop* NewContext(const TFormatStop& From) {
    auto* C = new TFormatStop(From);
    C->Offset = 1;
    return C;
}

void ReleaseContext(TFormatStop*& C) {
    if (!C) return;
    if (C->Offset <= 1)
        delete C;
    else
        --C->Offset;
    C = nullptr;
}

void FreeParagraph(TParagraph& P) {
    if (!P.TextInPool) std::free(P.Text);
    P.Text = nullptr;
    P.TextCapacity = 0;
    P.TextInPool = 0;
    std::free(P.MoreLines);
    P.MoreLines = nullptr;
    std::free(P.Stops);
    P.Stops = nullptr;
    P.StopCount = P.StopCapacity = 0;
    ReleaseContext(P.StartContext);
}

void ReserveParagraphText(TParagraph& P, int32_t NewLength, bool Exact) {
    int64_t Need = static_cast<int64_t>(NewLength) + 1;
    if (!Exact) Need += NewLength / 64;
    auto* Buf = static_cast<char*>(std::malloc(static_cast<size_t>(Need)));
    if (!Buf) throw EOutOfMemory("Out of memory");
    int32_t Keep = P.Length < NewLength ? P.Length : NewLength;
    if (P.Text && Keep > 0) std::memcpy(Buf, P.Text, static_cast<size_t>(Keep));
    Buf[Keep] = 0;
    if (!P.TextInPool) std::free(P.Text);
    P.Text = Buf;
    P.TextInPool = 0;
    P.TextCapacity = static_cast<int32_t>(Need);
}

void SetParagraphLineCount(TParagraph& P, int32_t N) {
    if (N < 1) N = 1;
    if (N - 1 > 59652323) throw EOutOfMemory("Out of memory");
    if (N == 1) {
        std::free(P.MoreLines);
        P.MoreLines = nullptr;
    } else {
        auto* M = static_cast<TDisplayLine*>(std::realloc(P.MoreLines, sizeof(TDisplayLine) * static_cast<size_t>(N - 1)));
        if (!M) throw EOutOfMemory("Out of memory");
        for (int32_t i = P.LineCount - 1; i < N - 1; ++i) new (&M[i]) TDisplayLine();
        P.MoreLines = M;
    }
    P.LineCount = N;
}

TDisplayLine& ParagraphLine(TParagraph& P, int32_t I) { return I == 0 ? P.Line0 : P.MoreLines[I - 1]; }
