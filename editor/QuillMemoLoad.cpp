// Loading and saving the text.
#include "editor/ProtMemStream.h"
#include "editor/QuillEditor.h"
#include "framework/rtl/Streams.h"

namespace {
constexpr int64_t ProgressInterval = 300;
}  // namespace

void TQuillEditor::LoadFromStream(TStream* Stream) { ReadText(Stream); }

void TQuillEditor::ReplaceAllText(std::string_view Text) {
    if (Text.empty() && CharCount() == 0) return;
    TProtMemStream S;
    S.SetPointer(Text.data(), static_cast<int64_t>(Text.size()));
    ReadText(&S);
}

void TQuillEditor::NotifyProgress(int64_t& LastCall, bool Force) {
    if (!OnProgress) return;
    int64_t T = Now();
    if (Force || T - LastCall > ProgressInterval) {
        LastCall = T;
        OnProgress(this);
    }
}

int64_t TQuillEditor::Now() const { return Clock ? Clock() : 0; }

TQuillDocument::TTextFormat TQuillEditor::TextFormat() const {
    return {FStaticFormat, HasOption(pmoDiscardTrailingSpaces), FNullReplacement};
}

void TQuillEditor::ReadText(TStream* Stream) {
    FLoading = true;
    ++FUpdateCount;
    try {
        ClearParagraphs();
        int64_t LastProgress = Now();
        FDoc->LoadText(*Stream, TextFormat(), [&] { NotifyProgress(LastProgress, false); });
    } catch (...) {
        InitialParagraph();
        FSelLength = 0;
        FPendLastPar = -1;
        FLoading = false;
        if (FUpdateCount > 0) --FUpdateCount;
        throw;
    }
    ResetAfterLoad();
}

void TQuillEditor::ResetAfterLoad() {
    FPendFirstPar = 0;
    FPendFirstLine = 0;
    FPendLastPar = ParagraphCount() - 1;
    if (OnParse) OnParse(this, 0, CharCount());
    FLoading = false;
    if (FUpdateCount > 0) --FUpdateCount;
    int64_t Dummy = 0;
    NotifyProgress(Dummy, true);
    if (FUpdateCount > 0) {
        FPendFirstPar = 0;
        FPendFirstLine = 0;
        FPendLastPar = ParagraphCount() - 1;
    } else {
        FPendLastPar = -1;
        FPendFirstPar = ParagraphCount();
        FPendFirstLine = FLineCount;
        // The load ended with fresh layout records: none to clear.
        StartLayoutPass();
        if (FWindow) {
            FWindow->InvalidateAll();
            FWindow->UpdateScrollRanges();
            FWindow->PlaceCaret();
        }
    }
    Change();
}

void TQuillEditor::SaveToStream(TStream* Stream) {
    int64_t LastProgress = Now();
    FDoc->SaveText(*Stream, TextFormat(), [&] { NotifyProgress(LastProgress, false); });
    NotifyProgress(LastProgress, true);
}
