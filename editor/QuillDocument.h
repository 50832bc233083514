#pragma once
// TQuillDocument: the text an editor shows, with no window and no view
// state: the paragraphs with their texts and format stops, where each
// paragraph starts, the navigators kept valid across edits and the undo
// history. Positions count every paragraph end as CR LF.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "editor/KeyLists.h"
#include "editor/KeywordIndex.h"
#include "editor/KeywordStates.h"
#include "editor/LoadedParagraphs.h"
#include "editor/ParagraphsList.h"
#include "editor/QuillNavigator.h"
#include "editor/QuillTypes.h"

class TQuillHighlighter;
class TStream;

// What a document's views are told. Each call comes when the document is
// consistent: before a change nothing has moved yet, after it the starts
// and the navigators are already up to date.
class IQuillDocumentListener {
public:
    virtual ~IQuillDocumentListener() = default;
    // Paragraphs First..Last are about to be replaced. InPlace >= 0: only
    // First's text from OA to OB changes, to InPlace new characters.
    virtual void ParagraphsChanging(int32_t First, int32_t Last, int32_t OA, int32_t OB, int32_t InPlace) = 0;
    // Paragraphs First..First+OldCount-1 were replaced by First..First+NewCount-1.
    virtual void ParagraphsChanged(int32_t First, int32_t OldCount, int32_t NewCount) = 0;
    // The highlighting of paragraphs First..Last changed: their display
    // lines are made again. Relayout: they join the range waiting for
    // layout now (a start state carried on, or a range of stops applied).
    virtual void HighlightingChanged(int32_t First, int32_t Last, bool Relayout) = 0;
    // The whole text was replaced (a load): nothing of the old text holds.
    virtual void TextReplaced() = 0;
};

// One undo step: the range the change inserted and the text it removed.
struct TUndoRecord {
    int32_t Start = 0;
    int32_t Stop = 0;
    bool Link = false;
    std::string Text;
    int64_t Size() const { return 12 + static_cast<int64_t>(Text.size()) + 1; }
};

class TQuillDocument {
public:
    TQuillDocument();
    ~TQuillDocument();
    TQuillDocument(const TQuillDocument&) = delete;
    TQuillDocument& operator=(const TQuillDocument&) = delete;

    // ---- paragraphs and positions ----
    int32_t ParagraphCount() const { return FParagraphs->Count() + FLoaded.Left(); }
    TParagraph& Paragraph(int32_t I) const {
        if (I >= FParagraphs->Count()) MakeParagraphs(I);
        return FParagraphs->Par(I);
    }
    int32_t CharCount() const { return FCharCount; }
    int32_t ParagraphStart(int32_t I) const {
        int32_t Made = FParagraphs->Count();
        if (I >= Made && I < ParagraphCount()) return LoadedStart(I - Made);
        return FParagraphs->Key<0>(I);
    }
    // The paragraph holding position Pos (a paragraph's CR and LF are its own).
    int32_t ParagraphAt(int32_t Pos) const;
    std::string GetParagraphText(int32_t I) const;
    std::unique_ptr<char[]> CopyParagraphText(int32_t I) const;
    std::string GetTextRange(int32_t From, int32_t To) const;

    // ---- editing ----
    // What one replacement did: where its text starts, how many positions
    // it inserted, the paragraphs that hold it, and whether the first of
    // them was highlighted and parsed before.
    struct TEdit {
        int32_t Start, Inserted, FirstPar, ParCount;
        bool WasHighlighted, WasParsed;
    };
    // Replaces positions A..B by Text (CR, LF, CR LF and LF CR each end a
    // paragraph) and records it for undo; see RecordUndo for the flags.
    // Raises "Text too long" before changing anything.
    TEdit Replace(int32_t A, int32_t B, std::string_view Text, bool NewRecord, bool Replaying);
    // Brings the highlighting of an edit's paragraphs up to date (a batch of
    // edits may leave it: paragraphs are highlighted when asked for).
    void HighlightEdited(const TEdit& E);
    void AddListener(IQuillDocumentListener* L) { FListeners.push_back(L); }
    void RemoveListener(IQuillDocumentListener* L) { std::erase(FListeners, L); }
    // One empty paragraph.
    void InitialParagraph();
    // No paragraph at all, as a load starts; the navigators forget theirs.
    void ClearParagraphs();

    // ---- the whole text from and to a stream ----
    // StyleCodes: codes 1 to 4 and 21 toggle the running style (StaticFormat);
    // trailing TABs and spaces of a paragraph are dropped; a NUL read becomes
    // NullReplacement (NUL itself ends the text).
    struct TTextFormat {
        bool StyleCodes = false;
        bool DiscardTrailingBlanks = false;
        char NullReplacement = 0;
    };
    // Replaces the text by the stream's remaining bytes (CR, LF, CR LF and LF
    // CR each end a paragraph); a NUL ends the text and leaves the stream
    // just after it. Progress is called after each block read. On failure
    // the document holds one empty paragraph and the exception propagates.
    void LoadText(TStream& Stream, const TTextFormat& Format, const std::function<void()>& Progress);
    // Writes the text, CR LF after every paragraph but the last; Progress
    // is called after each paragraph.
    void SaveText(TStream& Stream, const TTextFormat& Format, const std::function<void()>& Progress) const;

    // ---- navigators ----
    void RegisterNavigator(TQuillNavigator* N);
    void UnregisterNavigator(TQuillNavigator* N);
    const std::vector<TQuillNavigator*>& Navigators() const { return FNavigators; }
    // Navigators past From up to paragraph ToPar forget their stop and line.
    void InvalidateNavigators(int32_t From, int32_t ToPar);
    // Every navigator goes to position 0 and forgets its paragraph.
    void ResetNavigators();

    // ---- highlighting ----
    TKeywordList* Keywords() const { return FKeywords.get(); }
    TStartStopKeyList* StartStopKeys() const { return FStartStopKeys.get(); }
    bool ApplyKeyWords() const { return FApplyKeyWords; }
    void SetApplyKeyWords(bool V) { FApplyKeyWords = V; }
    bool ApplyStartStopKeys() const { return FApplyStartStopKeys; }
    void SetApplyStartStopKeys(bool V) { FApplyStartStopKeys = V; }
    const TSeparators& SeparatorSet() const { return FSeparators; }
    void SetSeparators(std::string_view V);
    TQuillHighlighter* Highlighter() const { return FHighlighter; }
    void SetHighlighter(TQuillHighlighter* H) { FHighlighter = H; }
    void ApplyStopRange(TQuillNavigator* From, TQuillNavigator* To, bool MarkLayout, bool Highlighting,
                        const TFormatStop& Stop);
    void HighlightKeywords(TQuillNavigator* From, TQuillNavigator* To);
    void HighlightStartStop(TQuillNavigator* From, TQuillNavigator* To);
    void HighlightParagraphKeywords(int32_t Par);
    // Runs the start/stop pass over every paragraph up to Par that needs it.
    void EnsureHighlighted(int32_t Par);
    // Every paragraph up to the frontier is highlighted.
    int32_t HighlightFrontier() const { return FHighlightFrontier; }
    // Paragraphs from Par on may need highlighting again.
    void HighlightAgainFrom(int32_t Par) { FHighlightFrontier = std::min(FHighlightFrontier, Par - 1); }
    // Drops every stop: the text is highlighted afresh when asked for.
    void ClearHighlighting();

    // ---- undo history ----
    // Undoing puts a record's text back in place of the range it covers;
    // Replay does that (the document's own Replace, or an editor's typing).
    using TReplay = std::function<void(int32_t A, int32_t B, const std::string& Text)>;
    void Undo(const TReplay& Replay);
    void Redo(const TReplay& Replay);
    void Undo();
    void Redo();
    int32_t UndoIndex() const { return FUndoIndex; }
    int32_t UndoCount() const { return static_cast<int32_t>(FUndo.size()); }
    int64_t UndoSize() const { return FUndoSize; }
    TUndoRecord& UndoRecord(int32_t I) const { return *FUndo[static_cast<size_t>(I)]; }
    void ClearUndo();
    int32_t UndoMaxSpace() const { return FUndoMaxSpace; }
    void SetUndoMaxSpace(int32_t V);
    int32_t UndoMaxLevel() const { return FUndoMaxLevel; }
    void SetUndoMaxLevel(int32_t V);

private:
    // Paragraphs First..First+OldSpan-1 become First..First+NewSpan-1 (new
    // records are empty).
    void ResizeRange(int32_t First, int32_t OldSpan, int32_t NewSpan);
    // Starts of paragraphs First..Last again from First's; every later
    // paragraph shifts with them.
    void RenumberStarts(int32_t First, int32_t Last);
    // Records a change at Start that inserted InsertedPositions and removed
    // Removed; it joins the last record when it continues it, unless
    // NewRecord. Replaying keeps the records after the index (undo/redo).
    void RecordUndo(int32_t Start, int32_t InsertedPositions, const std::string& Removed, bool NewRecord,
                    bool Replaying);
    // The start/stop pass (with a fresh paragraph's keywords) over PF..PT,
    // on while a later paragraph's start state changed.
    void HighlightParagraphs(int32_t PF, int32_t PT);
    void HighlightParagraphStartStop(int32_t Par, std::vector<TFormatStop>& Out, TFormatStop& EndState);
    void HighlightingChanged(int32_t First, int32_t Last, bool Relayout) {
        for (IQuillDocumentListener* L : FListeners) L->HighlightingChanged(First, Last, Relayout);
    }
    void TrimUndo(int64_t MaxSpace, const TUndoRecord* Keep);
    void DeleteUndoFrom(int32_t I);
    void DeleteOldestUndo();
    void FreeAllParagraphs();
    // A load is complete: the number of positions; the listeners are told.
    void EndLoad(int32_t CharCount);

    // A load's paragraphs get their records when first asked for (writing
    // a big file's 32 bytes a paragraph held its first screen back by
    // several milliseconds a megabyte): makes them through paragraph Through.
    void MakeParagraphs(int32_t Through) const;
    // Where the K-th paragraph without a record starts.
    int32_t LoadedStart(int32_t K) const {
        return MadeEnd() + FLoaded.Start(FLoaded.Next + K) - FLoaded.Start(FLoaded.Next);
    }
    // The position after the last record made and its line break.
    int32_t MadeEnd() const;

    std::unique_ptr<TParagraphsList> FParagraphs;
    mutable TLoadedParagraphs FLoaded;  // the paragraphs past the last record made
    int32_t FCharCount = 0;
    // Paragraph texts of a load live in large blocks until edited.
    std::vector<std::unique_ptr<TPoolBlock>> FTextPool;
    std::vector<TQuillNavigator*> FNavigators;
    std::vector<IQuillDocumentListener*> FListeners;
    // The document's own navigators, each with one use, so that no two
    // operations that may nest share one.
    struct TOwnNavigators {
        std::unique_ptr<TQuillNavigator> EditFrom, EditTo;  // an edit's paragraphs, highlighted again
        std::unique_ptr<TQuillNavigator> HookFrom, HookTo;  // what the highlighter's hooks get
        std::unique_ptr<TQuillNavigator> StopRangeEnd;      // where ApplyStopRange restores the state
        template <class TFunc> void ForEach(TFunc F) {
            for (auto* N : {&EditFrom, &EditTo, &HookFrom, &HookTo, &StopRangeEnd}) F(*N);
        }
    } FNav;

    std::unique_ptr<TKeywordList> FKeywords;
    std::unique_ptr<TStartStopKeyList> FStartStopKeys;
    bool FApplyKeyWords = true;
    bool FApplyStartStopKeys = true;
    TSeparators FSeparators;
    TQuillHighlighter* FHighlighter = nullptr;
    int32_t FHighlightFrontier = -1;
    // Scratch buffers of the highlighting passes, kept to spare allocations.
    struct TMatch {
        int32_t Offset, Index, Length;
    };
    std::string FScratchText, FScratchUpper;
    std::vector<TFormatStop> FScratchPassStops;
    std::vector<TStopRec> FScratchRecs;
    std::vector<TStopState> FScratchMade;
    std::vector<TMatch> FScratchMatches, FScratchWords;
    TKeywordIndex FKeywordIndex;
    TKeywordStates FKeywordStates;

    std::vector<std::unique_ptr<TUndoRecord>> FUndo;
    int32_t FUndoIndex = 0;
    int64_t FUndoSize = 0;
    int32_t FUndoMaxSpace = 65536;
    int32_t FUndoMaxLevel = 256;
};
