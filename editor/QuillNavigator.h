#pragma once
// A position in an editor's text that caches its paragraph, format stop and
// display line, and that the editor keeps valid while the text changes.
#include <cstdint>
#include <memory>

#include "editor/ParagraphsList.h"
#include "editor/QuillTypes.h"
#include "framework/rtl/Object.h"

class TQuillDocument;
class TQuillEditor;

class TQuillNavigator : public TObject {
public:
    // AEditor must be a TQuillEditor (or none for a detached navigator).
    explicit TQuillNavigator(TObject* AEditor);
    // A navigator of a document alone: display lines need an editor.
    explicit TQuillNavigator(TQuillDocument& ADoc);
    ~TQuillNavigator() override;

    int32_t GetPar();  // paragraph index
    int32_t GetParOffset();
    int32_t GetStopIndex();
    int32_t GetLineInPar();
    TParagraph* Paragraph();  // the located paragraph record
    int32_t LocatePar();
    int32_t GetLineNb();
    TDisplayLine SetLineNb(int32_t Line);
    int32_t GetColumn();
    int32_t SetColumn(int32_t Col);
    void SetPos(int32_t NewPos);
    char GetChar();
    void InsertFormatStop(const TFormatStop& Stop);
    void DeleteFormatStop();
    bool NextStop(int32_t Limit);
    bool PrevStop(int32_t Limit);
    void SkipStopsAtPos();
    // The stop in force; a stop of the paragraph is unpacked into the
    // navigator, valid until the next call.
    const TFormatStop& CurrentStop();
    void CopyCurrentStop(TFormatStop& Buffer) { Buffer = CurrentStop(); }
    uint8_t GetStyle();
    void Assign(const TQuillNavigator& Other);
    void ResetCache();
    // Puts the navigator at an offset of a paragraph whose index is known.
    void PlaceAt(int32_t ParIndex, int32_t Offset);
    TLinesList* GetLinesList();
    // The document is going: the navigator stays, bound to none.
    void Detach() {
        Editor = nullptr;
        Doc = nullptr;
        ResetCache();
    }
    void ForgetStopAndLine() {
        StopIndex = QuillUnknown;
        LineInPar = QuillUnknown;
    }

    TQuillEditor* Editor = nullptr;
    TQuillDocument* Doc = nullptr;
    int32_t Pos = 0;
    TParagraph* Par = nullptr;
    int32_t ParNb = -1;
    int32_t ParOffset = 0;
    int32_t StopIndex = QuillUnknown;
    int32_t LineInPar = QuillUnknown;

private:
    friend class TQuillDocument;
    void Rebind();
    void MoveOntoStop(int32_t N, int32_t Idx);
    std::unique_ptr<TLinesList> FLinesList;
    TFormatStop FCurrent;
};
