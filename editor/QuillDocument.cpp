#include "editor/QuillDocument.h"

#include <algorithm>
#include <cstring>

#include "editor/QuillNavigator.h"

TQuillDocument::TQuillDocument() {
    for (unsigned char C : std::string("\t ,.:;")) FSeparators.set(C);
    FKeywords = std::make_unique<TKeywordList>();
    FStartStopKeys = std::make_unique<TStartStopKeyList>();
    InitialParagraph();
    FNav.ForEach([this](std::unique_ptr<TQuillNavigator>& N) { N = std::make_unique<TQuillNavigator>(*this); });
}

TQuillDocument::~TQuillDocument() {
    FNav.ForEach([](std::unique_ptr<TQuillNavigator>& N) { N.reset(); });
    // Navigators owned elsewhere outlive the document detached.
    for (TQuillNavigator* N : FNavigators) N->Detach();
    FNavigators.clear();
    FreeAllParagraphs();
}

void TQuillDocument::FreeAllParagraphs() {
    if (FParagraphs)
        for (int32_t i = 0; i < ParagraphCount(); ++i) FreeParagraph(Paragraph(i));
}

void TQuillDocument::SetSeparators(std::string_view V) {
    FSeparators.reset();
    for (unsigned char C : V) FSeparators.set(C);
    FStartStopKeys->Unprepare();
}

void TQuillDocument::RegisterNavigator(TQuillNavigator* N) { FNavigators.push_back(N); }

void TQuillDocument::UnregisterNavigator(TQuillNavigator* N) {
    auto It = std::find(FNavigators.begin(), FNavigators.end(), N);
    if (It != FNavigators.end()) FNavigators.erase(It);
}

void TQuillDocument::InvalidateNavigators(int32_t From, int32_t ToPar) {
    for (TQuillNavigator* N : FNavigators)
        if (N->Par && N->Pos > From && N->ParNb <= ToPar) N->ForgetStopAndLine();
}

void TQuillDocument::ResetNavigators() {
    for (TQuillNavigator* N : FNavigators) {
        N->ResetCache();
        N->Pos = 0;
    }
}

void TQuillDocument::InitialParagraph() {
    FreeAllParagraphs();
    FParagraphs = std::make_unique<TParagraphsList>();
    TParagraph P;  // starts in the plain state
    P.Highlighted = 1;
    P.Parsed = 1;
    FParagraphs->AddPar(P);
    FTextPool.clear();
    FCharCount = 0;
    FHighlightFrontier = -1;
}

void TQuillDocument::ClearParagraphs() {
    FreeAllParagraphs();
    FParagraphs->Clear();
    FTextPool.clear();
    FCharCount = 0;
    for (TQuillNavigator* N : FNavigators) N->ResetCache();
    ClearUndo();
}

int32_t TQuillDocument::ParagraphAt(int32_t Pos) const {
    return FParagraphs->LastAtOrBefore<0>(Pos);
}

void TQuillDocument::EndLoad(int32_t CharCount) {
    FCharCount = CharCount;
    FHighlightFrontier = -1;
    ResetNavigators();
    for (IQuillDocumentListener* L : FListeners) L->TextReplaced();
}

std::string TQuillDocument::GetParagraphText(int32_t I) const {
    const TParagraph& P = FParagraphs->Par(I);
    return P.Length ? std::string(P.Text, static_cast<size_t>(P.Length)) : std::string();
}

std::unique_ptr<char[]> TQuillDocument::CopyParagraphText(int32_t I) const {
    const TParagraph& P = FParagraphs->Par(I);
    auto R = std::make_unique<char[]>(static_cast<size_t>(P.Length) + 1);
    if (P.Length) std::memcpy(R.get(), P.Text, static_cast<size_t>(P.Length));
    R[static_cast<size_t>(P.Length)] = 0;
    return R;
}

void TQuillDocument::ResizeRange(int32_t First, int32_t OldSpan, int32_t NewSpan) {
    if (NewSpan > OldSpan)
        FParagraphs->InsertSlots(First + OldSpan, NewSpan - OldSpan);
    else if (NewSpan < OldSpan)
        FParagraphs->DeleteSlots(First + NewSpan, OldSpan - NewSpan);
}

void TQuillDocument::RenumberStarts(int32_t First, int32_t Last) {
    int32_t Count = ParagraphCount();
    Last = std::min(Last, Count - 1);
    FParagraphs->RunKeys<0>(First, Last, [this](int32_t P) { return Paragraph(P).Length + 2; });
    FCharCount = ParagraphStart(Count - 1) + Paragraph(Count - 1).Length;
}
