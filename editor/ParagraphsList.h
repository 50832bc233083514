#pragma once
// The paragraph list and the display-line view of one paragraph.
#include "editor/BlockList.h"
#include "editor/QuillTypes.h"
#include "framework/rtl/Object.h"

// The document's paragraph records in bounded blocks: an edit anywhere in a
// big file moves the records of one block and writes one shift per later
// block. The key is where each paragraph starts.
class TParagraphsList : public TBlockList<TParagraph, 512, &TParagraph::StartBase> {
public:
    TParagraph& Par(int32_t I) const { return (*this)[I]; }
    // Appends a copy of P (its start as it is to read).
    TParagraph& AddPar(const TParagraph& P) { return Add(P); }
    // Opens N fresh records at I (later records move up) / closes N at I.
    void InsertSlots(int32_t I, int32_t N) { Insert(I, N, TParagraph()); }
    void DeleteSlots(int32_t I, int32_t N) { Delete(I, N); }
};

// A view's layout records, one a paragraph, in step with the document's;
// the key is each paragraph's first display line.
using TLayoutList = TBlockList<TParLayout, 1024, &TParLayout::FirstLineBase>;

// The display lines of one paragraph's layout (Length: its characters).
class TLinesList : public TObject {
public:
    explicit TLinesList(TParLayout* ALayout = nullptr, int32_t ALength = 0) : Layout(ALayout), Length(ALength) {}
    int32_t Count() const { return Layout ? Layout->LineCount() : 0; }
    // The stored line; the layout keeps its lines explicitly from then on.
    TDisplayLine& Items(int32_t I) const;
    void ReadLine(int32_t I, TDisplayLine& L) const;
    void WriteLine(int32_t I, const TDisplayLine& L) { Items(I) = L; }
    void SetCount(int32_t N);
    void AddLine(const TDisplayLine& L);

    TParLayout* Layout;
    int32_t Length;
};
