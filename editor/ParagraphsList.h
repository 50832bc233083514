#pragma once
// The paragraph list and the display-line view of one paragraph.
#include "editor/DynArray.h"
#include "editor/QuillTypes.h"

class TParagraphsList : public TDynArray2 {
public:
    static constexpr int16_t ParStride = static_cast<int16_t>((sizeof(TParagraph) + 7) / 8 * 8);
    TParagraphsList() : TDynArray2(static_cast<int16_t>(sizeof(TParagraph)), ParStride, static_cast<int16_t>(BlockSize / ParStride)) {}
    TParagraph& Par(int32_t I) const { return *static_cast<TParagraph*>(Items(I)); }
    // Appends a copy of P; returns its record.
    TParagraph& AddPar(const TParagraph& P);
    // Opens N fresh slots at I (later records move up) / closes N slots at I.
    void InsertSlots(int32_t I, int32_t N);
    void DeleteSlots(int32_t I, int32_t N);
};

class TLinesList : public TObject {
public:
    explicit TLinesList(TParagraph* APar = nullptr) : Par(APar) {}
    int32_t Count() const { return Par ? Par->LineCount : 0; }
    TDisplayLine& Items(int32_t I) const;
    void ReadLine(int32_t I, TDisplayLine& L) const { L = Items(I); }
    void WriteLine(int32_t I, const TDisplayLine& L) { Items(I) = L; }
    void SetCount(int32_t N);
    void AddLine(const TDisplayLine& L);

    TParagraph* Par;
};
