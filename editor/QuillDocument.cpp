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
    // Paragraphs without a record own nothing: their text is the pool's.
    if (FParagraphs)
        for (int32_t i = 0; i < FParagraphs->Count(); ++i) FreeParagraph(FParagraphs->Par(i));
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
    FLoaded = {};
    FTextPool.clear();
    FCharCount = 0;
    FHighlightFrontier = -1;
}

void TQuillDocument::ClearParagraphs() {
    FreeAllParagraphs();
    FParagraphs->Clear();
    FLoaded = {};
    FTextPool.clear();
    FCharCount = 0;
    for (TQuillNavigator* N : FNavigators) N->ResetCache();
    ClearUndo();
}

int32_t TQuillDocument::ParagraphAt(int32_t Pos) const {
    int32_t End = MadeEnd();
    if (FLoaded.Left() > 0 && Pos >= End) {
        // The last loaded start at or before Pos.
        int32_t Loaded = FLoaded.LastAtOrBefore(Pos - End + FLoaded.Start(FLoaded.Next));
        return FParagraphs->Count() + Loaded - FLoaded.Next;
    }
    return FParagraphs->LastAtOrBefore<0>(Pos);
}

int32_t TQuillDocument::MadeEnd() const {
    int32_t Made = FParagraphs->Count();
    return Made == 0 ? 0 : FParagraphs->Key<0>(Made - 1) + FParagraphs->Par(Made - 1).Length + 2;
}

void TQuillDocument::MakeParagraphs(int32_t Through) const {
    constexpr int32_t Ahead = 512;  // records made at once past the one asked for
    TLoadedParagraphs& R = FLoaded;
    int32_t Made = FParagraphs->Count();
    int32_t Last = std::min(ParagraphCount() - 1, std::max(Through, Made + Ahead - 1));
    int32_t Start = MadeEnd();
    for (int32_t i = Made; i <= Last; ++i, R.Advance()) {
        TParagraph P;  // in the plain state, not highlighted yet
        P.Length = R.Length(R.Next);
        P.StartBase = Start;
        Start += P.Length + 2;
        if (R.NextJump < R.Jumps.size() && R.Jumps[R.NextJump].first == R.Next) R.NextText = R.Jumps[R.NextJump++].second;
        if (P.Length > 0) {
            SetPoolText(P, R.NextText);
            R.NextText += P.Length + 1;
        }
        if (R.NextStyle < R.Styles.size() && R.Styles[R.NextStyle].first == R.Next) P.Style0 = R.Styles[R.NextStyle++].second;
        FParagraphs->AddPar(P);
    }
    if (R.Left() == 0) R = {};
}

void TQuillDocument::EndLoad(int32_t CharCount) {
    FCharCount = FLoaded.Chars = CharCount;
    FHighlightFrontier = -1;
    ResetNavigators();
    for (IQuillDocumentListener* L : FListeners) L->TextReplaced();
}

std::string TQuillDocument::GetParagraphText(int32_t I) const {
    const TParagraph& P = Paragraph(I);
    return P.Length ? std::string(P.Text(), static_cast<size_t>(P.Length)) : std::string();
}

std::unique_ptr<char[]> TQuillDocument::CopyParagraphText(int32_t I) const {
    const TParagraph& P = Paragraph(I);
    auto R = std::make_unique<char[]>(static_cast<size_t>(P.Length) + 1);
    if (P.Length) std::memcpy(R.get(), P.Text(), static_cast<size_t>(P.Length));
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
    if (Last >= FParagraphs->Count()) MakeParagraphs(Last);
    FParagraphs->RunKeys<0>(First, Last, [this](int32_t P) { return Paragraph(P).Length + 2; });
    // Paragraphs without a record follow the last one made.
    FCharCount = FLoaded.Left() > 0 ? MadeEnd() + FLoaded.Chars - FLoaded.Start(FLoaded.Next)
                                    : ParagraphStart(Count - 1) + Paragraph(Count - 1).Length;
}
