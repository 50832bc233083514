#include "editor/QuillNavigator.h"

#include <algorithm>
#include <cstdlib>

#include "editor/QuillMemo.h"
#include "framework/rtl/Exceptions.h"

TQuillNavigator::TQuillNavigator(TObject* AEditor) {
    if (AEditor) {
        Editor = dynamic_cast<TQuillMemo*>(AEditor);
        if (!Editor) throw Exception("Internal error: component is not a TQuillMemo");
        Editor->RegisterNavigator(this);
    }
}

TQuillNavigator::~TQuillNavigator() {
    if (Editor) Editor->UnregisterNavigator(this);
}

void TQuillNavigator::Rebind() {
    if (FLinesList) FLinesList->Par = Par;
}

void TQuillNavigator::ResetCache() {
    Par = nullptr;
    ParNb = -1;
    ForgetStopAndLine();
    Rebind();
}

void TQuillNavigator::PlaceAt(int32_t ParIndex, int32_t Offset) {
    Par = &Editor->Paragraph(ParIndex);
    ParNb = ParIndex;
    ParOffset = Offset;
    Pos = Par->Start + Offset;
    ForgetStopAndLine();
    Rebind();
}

int32_t TQuillNavigator::LocatePar() {
    if (Par) return ParNb;
    ForgetStopAndLine();
    int32_t Count = Editor->ParagraphCount();
    int32_t CharCount = Editor->CharCount();
    int64_t Est = 0;
    // A proportional estimate: near-uniform paragraphs cost a few steps.
    if (CharCount > 0) Est = static_cast<int64_t>(Pos) * (Count - 2) / CharCount;
    Est = std::clamp<int64_t>(Est, 0, Count - 1);
    auto I = static_cast<int32_t>(Est);
    while (I > 0 && Pos < Editor->Paragraph(I).Start) --I;
    while (I < Count - 1) {
        const TParagraph& P = Editor->Paragraph(I);
        if (static_cast<int64_t>(P.Start) + P.Length + 1 < Pos)
            ++I;
        else
            break;
    }
    ParNb = I;
    Par = &Editor->Paragraph(I);
    ParOffset = Pos - Par->Start;
    Rebind();
    return ParNb;
}

int32_t TQuillNavigator::GetPar() { return LocatePar(); }

TParagraph* TQuillNavigator::Paragraph() {
    LocatePar();
    return Par;
}

int32_t TQuillNavigator::GetParOffset() {
    LocatePar();
    return ParOffset;
}

int32_t TQuillNavigator::GetStopIndex() {
    LocatePar();
    if (StopIndex == QuillUnknown) {
        int32_t i = 0;
        while (i < Par->StopCount && Par->StopOffset(i) < ParOffset) ++i;
        StopIndex = i;
    }
    return StopIndex;
}

int32_t TQuillNavigator::GetLineInPar() {
    LocatePar();
    if (LineInPar == QuillUnknown) {
        int32_t i = 0;
        while (i < Par->LineCount() - 1 && ParagraphLine(*Par, i).End <= ParOffset) ++i;
        LineInPar = i;
    }
    return LineInPar;
}

int32_t TQuillNavigator::GetLineNb() { return GetLineInPar() + Par->FirstLine; }

TDisplayLine TQuillNavigator::SetLineNb(int32_t Line) {
    int32_t LineCount = Editor->LineCount();
    int32_t Count = Editor->ParagraphCount();
    if (Line > LineCount - 1) Line = LineCount - 1;
    if (Line < 0) Line = 0;
    int64_t Est = LineCount > 0 ? static_cast<int64_t>(Line) * Count / LineCount : 0;
    auto I = static_cast<int32_t>(std::clamp<int64_t>(Est, 0, Count - 1));
    while (I > 0 && Line < Editor->Paragraph(I).FirstLine) --I;
    while (I < Count - 1 && Line >= Editor->Paragraph(I).FirstLine + Editor->Paragraph(I).LineCount()) ++I;
    ParNb = I;
    Par = &Editor->Paragraph(I);
    LineInPar = std::clamp(Line - Par->FirstLine, 0, Par->LineCount() - 1);
    TDisplayLine DL = ParagraphLine(*Par, LineInPar);
    ParOffset = DL.Start;
    Pos = Par->Start + ParOffset;
    StopIndex = QuillUnknown;
    Rebind();
    return DL;
}

int32_t TQuillNavigator::GetColumn() {
    int32_t L = GetLineInPar();
    return ParOffset - ParagraphLine(*Par, L).Start;
}

int32_t TQuillNavigator::SetColumn(int32_t Col) {
    int32_t L = GetLineInPar();
    const TDisplayLine DL = ParagraphLine(*Par, L);
    int32_t Off = DL.Start + std::min(std::max(Col, 0), DL.End - DL.Start);
    Pos = Par->Start + Off;
    ParOffset = Off;
    StopIndex = QuillUnknown;
    return Pos;
}

void TQuillNavigator::SetPos(int32_t NewPos) {
    if (ParNb == -1 || !Par) {
        Pos = NewPos;
        return;
    }
    int64_t Last = static_cast<int64_t>(Par->Start) + Par->Length + 1;
    if (NewPos < Pos || NewPos > Last) {
        ForgetStopAndLine();
        Pos = NewPos;
        if (NewPos >= Par->Start && NewPos <= Last)
            ParOffset = NewPos - Par->Start;
        else
            ResetCache();
        return;
    }
    Pos = NewPos;
    ParOffset = NewPos - Par->Start;
    if (StopIndex != QuillUnknown)
        while (StopIndex < Par->StopCount && Par->StopOffset(StopIndex) < ParOffset) ++StopIndex;
    if (LineInPar != QuillUnknown)
        while (LineInPar < Par->LineCount() - 1 && ParOffset >= ParagraphLine(*Par, LineInPar).End) ++LineInPar;
}

char TQuillNavigator::GetChar() {
    LocatePar();
    if (ParOffset < Par->Length) return Par->Text[ParOffset];
    return ParOffset == Par->Length ? '\r' : '\n';
}

void TQuillNavigator::InsertFormatStop(const TFormatStop& Stop) {
    int32_t I = GetStopIndex();
    TFormatStop S = Stop;
    S.Offset = ParOffset;
    InsertParagraphStop(*Par, I, S);
    StopIndex = I + 1;
}

void TQuillNavigator::DeleteFormatStop() {
    int32_t I = GetStopIndex();
    TParagraph& P = *Par;
    if (I >= P.StopCount || P.StopOffset(I) != ParOffset) throw Exception("Internal QuillMemo error");
    DeleteParagraphStop(P, I);
    LineInPar = QuillUnknown;
}

void TQuillNavigator::SkipStopsAtPos() {
    GetStopIndex();
    while (StopIndex < Par->StopCount && Par->StopOffset(StopIndex) == ParOffset) ++StopIndex;
}

void TQuillNavigator::MoveOntoStop(int32_t N, int32_t Idx) {
    Par = &Editor->Paragraph(N);
    ParNb = N;
    ParOffset = Par->StopOffset(Idx);
    Pos = Par->Start + ParOffset;
    StopIndex = Idx;
    LineInPar = QuillUnknown;
    Rebind();
}

bool TQuillNavigator::NextStop(int32_t Limit) {
    GetStopIndex();
    int32_t N = ParNb;
    int32_t Idx = StopIndex;
    while (true) {
        TParagraph& P = Editor->Paragraph(N);
        if (Idx < P.StopCount) {
            if (P.Start + P.StopOffset(Idx) > Limit) return false;
            MoveOntoStop(N, Idx);
            return true;
        }
        if (N >= Editor->ParagraphCount() - 1 || static_cast<int64_t>(P.Start) + P.Length + 2 > Limit) return false;
        ++N;
        Idx = 0;
    }
}

bool TQuillNavigator::PrevStop(int32_t Limit) {
    GetStopIndex();
    int32_t N = ParNb;
    int32_t Idx = StopIndex - 1;
    while (true) {
        TParagraph& P = Editor->Paragraph(N);
        if (Idx >= 0 && Idx < P.StopCount) {
            if (P.Start + P.StopOffset(Idx) < Limit) return false;
            MoveOntoStop(N, Idx);
            return true;
        }
        if (N == 0 || P.Start <= Limit) return false;
        --N;
        Idx = Editor->Paragraph(N).StopCount - 1;
    }
}

const TFormatStop& TQuillNavigator::CurrentStop() {
    int32_t I = GetStopIndex();
    if (I == 0) return *Par->StartContext;
    FCurrent = Par->Stops[I - 1];
    return FCurrent;
}

uint8_t TQuillNavigator::GetStyle() {
    if (!Editor || !Editor->StaticFormat()) return 0;
    int32_t L = GetLineInPar();
    const TDisplayLine DL = ParagraphLine(*Par, L);
    uint8_t S = DL.Style();
    for (int32_t i = DL.Start; i < ParOffset && i < Par->Length; ++i) S = ApplyStyleCode(S, Par->Text[i]);
    return S;
}

void TQuillNavigator::Assign(const TQuillNavigator& Other) {
    Pos = Other.Pos;
    Par = Other.Par;
    ParNb = Other.ParNb;
    ParOffset = Other.ParOffset;
    StopIndex = Other.StopIndex;
    LineInPar = Other.LineInPar;
    Rebind();
}

TLinesList* TQuillNavigator::GetLinesList() {
    if (!FLinesList) FLinesList = std::make_unique<TLinesList>();
    FLinesList->Par = Paragraph();
    return FLinesList.get();
}
