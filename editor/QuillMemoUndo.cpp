// Undo and redo: every change records the text it removed in the
// document's history; undoing is inserting that text back over what the
// change inserted.
#include <algorithm>

#include "editor/QuillDocument.h"
#include "editor/QuillEditor.h"

void TQuillDocument::DeleteUndoFrom(int32_t I) {
    while (static_cast<int32_t>(FUndo.size()) > I) {
        FUndoSize -= FUndo.back()->Size();
        FUndo.pop_back();
    }
    if (FUndoIndex > I) FUndoIndex = I;
}

void TQuillDocument::DeleteOldestUndo() {
    if (FUndo.empty()) return;
    FUndoSize -= FUndo.front()->Size();
    FUndo.erase(FUndo.begin());
    if (FUndoIndex > 0) --FUndoIndex;
}

void TQuillDocument::TrimUndo(int64_t MaxSpace, const TUndoRecord* Keep) {
    while (FUndoSize > MaxSpace && static_cast<int32_t>(FUndo.size()) > FUndoIndex && FUndo.back().get() != Keep) {
        FUndoSize -= FUndo.back()->Size();
        FUndo.pop_back();
    }
    // The record being replayed is never trimmed.
    while (FUndoSize > MaxSpace && !FUndo.empty() && FUndo.front().get() != Keep) DeleteOldestUndo();
}

void TQuillDocument::RecordUndo(int32_t Start, int32_t InsertedPositions, const std::string& Removed, bool NewRecord,
                                bool Replaying) {
    if (!Replaying) DeleteUndoFrom(FUndoIndex);
    NewRecord = NewRecord || FUndoIndex == 0 || Replaying;
    if (!NewRecord) {
        TUndoRecord& Last = *FUndo[static_cast<size_t>(FUndoIndex - 1)];
        if (Last.Stop != Start || Last.Start == Start) NewRecord = true;
    }
    if (!NewRecord) {
        FUndo[static_cast<size_t>(FUndoIndex - 1)]->Stop = Start + InsertedPositions;
        return;
    }
    // A removed text too large to keep makes the history useless: drop it
    // rather than keep a truncated record.
    if (static_cast<int64_t>(Removed.size()) + 13 > FUndoMaxSpace) {
        ClearUndo();
        return;
    }
    auto R = std::make_unique<TUndoRecord>();
    R->Start = Start;
    R->Stop = Start + InsertedPositions;
    R->Text = Removed;
    const TUndoRecord* Kept = R.get();
    FUndoSize += R->Size();
    if (FUndoIndex < static_cast<int32_t>(FUndo.size())) {
        FUndoSize -= FUndo[static_cast<size_t>(FUndoIndex)]->Size();
        FUndo[static_cast<size_t>(FUndoIndex)] = std::move(R);
    } else
        FUndo.push_back(std::move(R));
    ++FUndoIndex;
    TrimUndo(FUndoMaxSpace, Kept);
}

void TQuillDocument::Undo(const TReplay& Replay) {
    if (FUndoIndex == 0) return;
    TUndoRecord& R = *FUndo[static_cast<size_t>(FUndoIndex - 1)];
    bool Link = R.Link;
    int32_t Start = R.Start, Stop = R.Stop;
    std::string Text = R.Text;
    // The replay's own record takes this one's place.
    --FUndoIndex;
    try {
        Replay(Start, Stop, Text);
    } catch (...) {
        ++FUndoIndex;
        throw;
    }
    if (FUndoIndex > 0) --FUndoIndex;
    if (Link) {
        Undo(Replay);
        if (FUndoIndex + 1 < static_cast<int32_t>(FUndo.size())) FUndo[static_cast<size_t>(FUndoIndex + 1)]->Link = true;
    }
}

void TQuillDocument::Redo(const TReplay& Replay) {
    if (FUndoIndex >= static_cast<int32_t>(FUndo.size())) return;
    TUndoRecord& R = *FUndo[static_cast<size_t>(FUndoIndex)];
    bool Linked = FUndoIndex + 1 < static_cast<int32_t>(FUndo.size()) && FUndo[static_cast<size_t>(FUndoIndex + 1)]->Link;
    int32_t Start = R.Start, Stop = R.Stop;
    std::string Text = R.Text;
    Replay(Start, Stop, Text);
    if (Linked) {
        Redo(Replay);
        if (FUndoIndex >= 1) FUndo[static_cast<size_t>(FUndoIndex - 1)]->Link = true;
    }
}

void TQuillDocument::Undo() {
    Undo([this](int32_t A, int32_t B, const std::string& Text) { HighlightEdited(Replace(A, B, Text, true, true)); });
}

void TQuillDocument::Redo() {
    Redo([this](int32_t A, int32_t B, const std::string& Text) { HighlightEdited(Replace(A, B, Text, true, true)); });
}

void TQuillEditor::ReplayUndo(int32_t A, int32_t B, const std::string& Text, bool Undoing) {
    SetSelStart(A);
    SetSelLength(B - A);
    FUndoing = Undoing;
    FReplaying = true;
    try {
        InsertTextAtSelection(Text);
    } catch (...) {
        FUndoing = FReplaying = false;
        throw;
    }
    FUndoing = FReplaying = false;
    FSelectionMoved = true;
}

void TQuillEditor::Undo() {
    FDoc->Undo([this](int32_t A, int32_t B, const std::string& Text) { ReplayUndo(A, B, Text, true); });
}

void TQuillEditor::Redo() {
    FDoc->Redo([this](int32_t A, int32_t B, const std::string& Text) { ReplayUndo(A, B, Text, false); });
}

bool TQuillEditor::CanUndo() const { return FDoc->UndoIndex() >= (FUndoing ? 2 : 1); }

bool TQuillEditor::CanRedo() const {
    int32_t N = FDoc->UndoCount(), I = FDoc->UndoIndex();
    return FUndoing ? N >= I : I < N;
}

void TQuillDocument::ClearUndo() {
    FUndo.clear();
    FUndoIndex = 0;
    FUndoSize = 0;
}

void TQuillDocument::SetUndoMaxLevel(int32_t V) {
    if (V > 134217727) throw EListError("Undo set too high");
    if (V < 0) V = 0;
    DeleteUndoFrom(std::max(FUndoIndex, V));
    while (FUndoIndex > V) DeleteOldestUndo();
    FUndoMaxLevel = V;
}

void TQuillDocument::SetUndoMaxSpace(int32_t V) {
    TrimUndo(V, nullptr);
    FUndoMaxSpace = V;
}

void TQuillEditor::WrapSelection(char Code) {
    if (!FStaticFormat) return;
    int32_t Len = FSelLength;
    if (std::abs(static_cast<int64_t>(Len)) > 2147483544) return;
    int32_t From = SelStartNav()->Pos;
    std::string S(1, Code);
    S += GetSelText();
    S += Code;
    FWrapping = true;
    try {
        InsertTextAtSelection(S);
    } catch (...) {
        FWrapping = false;
        throw;
    }
    FWrapping = false;
    // Positions of the wrapped text, both codes included.
    int32_t End = GetSelStart();
    if (Len == 0) {
        SetSelStart(From + 1);
    } else if (Len < 0) {
        SetSelStart(End);
        SetSelLength(From - End);
    } else {
        SetSelStart(From);
        SetSelLength(End - From);
    }
}
