#pragma once
// An enhanced metafile as a graphic: what an ActiveX control's picture
// property may hold besides bitmaps and icons.
#include "framework/graphics/Bitmap.h"

class TMetafile : public TGraphic {
    QRN_CLASS(TMetafile, TGraphic)
public:
    TMetafile() = default;
    ~TMetafile() override;
    void Assign(TPersistent* Source) override;

    bool Empty() const override { return FHandle == nullptr; }
    // In pixels of the screen, from the metafile's frame unless set.
    int Width() const override { return FWidth; }
    int Height() const override { return FHeight; }
    void SetWidth(int Value) override;
    void SetHeight(int Value) override;

    HENHMETAFILE Handle() const { return FHandle; }
    void SetHandle(HENHMETAFILE Value);  // takes ownership
    // The metafile's own bytes (an .emf file).
    void LoadFromStream(TStream* Stream) override;
    void SaveToStream(TStream* Stream) override;
    void Draw(TCanvas* ACanvas, const TRect& R) override;

private:
    void ReadSize();
    HENHMETAFILE FHandle = nullptr;
    int FWidth = 0;
    int FHeight = 0;
};
