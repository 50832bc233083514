#pragma once
// The paragraph list and the display-line view of one paragraph.
#include "editor/BlockList.h"
#include "editor/QuillTypes.h"
#include "framework/rtl/Object.h"

// The paragraph records in bounded blocks: an edit anywhere in a big file
// moves the records of one block and writes one shift per later block.
// Keys: where each paragraph starts (the document's) and its first display
// line (the view's).
class TParagraphsList : public TBlockList<TParagraph, 512, &TParagraph::StartBase, &TParagraph::FirstLineBase> {
public:
    static constexpr int StartKey = 0;
    static constexpr int FirstLineKey = 1;
    TParagraph& Par(int32_t I) const { return (*this)[I]; }
    // Appends a copy of P (its start and first line as they are to read).
    TParagraph& AddPar(const TParagraph& P) { return Add(P); }
    // Opens N fresh records at I (later records move up) / closes N at I.
    void InsertSlots(int32_t I, int32_t N) { Insert(I, N, TParagraph()); }
    void DeleteSlots(int32_t I, int32_t N) { Delete(I, N); }
};

class TLinesList : public TObject {
public:
    explicit TLinesList(TParagraph* APar = nullptr) : Par(APar) {}
    int32_t Count() const { return Par ? Par->LineCount() : 0; }
    // The stored line; the paragraph keeps its lines explicitly from then on.
    TDisplayLine& Items(int32_t I) const;
    void ReadLine(int32_t I, TDisplayLine& L) const;
    void WriteLine(int32_t I, const TDisplayLine& L) { Items(I) = L; }
    void SetCount(int32_t N);
    void AddLine(const TDisplayLine& L);

    TParagraph* Par;
};
