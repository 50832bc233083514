#pragma once
// TButtonGlyph: the glyph of a toolbar button (a strip of up to five cells
// or an entry of an image list). It lays out glyph, caption and drop-down
// arrow, makes the image of each button state on first need (an embossed
// disabled image when the strip has no disabled cell) and keeps the images
// in image lists shared by all buttons through the glyph cache.
#include <functional>
#include <memory>
#include <string>

#include "docking/ButtonLayout.h"
#include "docking/GlyphCache.h"
#include "framework/graphics/ImageList.h"
#include "framework/stdctrls/ExtCtrls.h"
#include "framework/stdctrls/StdCtrls.h"

// An image list of the glyph cache: freed indices are used again.
class TGlyphList : public TCustomImageList {
    QRN_CLASS(TGlyphList, TCustomImageList)
public:
    TGlyphList(int AWidth, int AHeight);
    // Adds with a mask bitmap (white = transparent) at the first free index.
    int AddWithMask(TBitmap* Image, TBitmap* Mask);
    // Adds with a mask made from MaskColor; raises "Invalid image size" for
    // a smaller image and "Unable to Replace Image" when the system fails.
    int AddMasked(TBitmap* Image, TColor MaskColor);
    void Release(int Index);
    int UsedCount() const { return FSlots.Count(); }

private:
    TGlyphSlots FSlots;
};

// The cache shared by every button glyph of the module.
TGlyphList* AcquireGlyphList(TExtent Size);
void ReleaseGlyphList(TGlyphList* List);
int GlyphListsInCache();

class TButtonGlyph {
public:
    TButtonGlyph();
    ~TButtonGlyph();
    TButtonGlyph(const TButtonGlyph&) = delete;
    TButtonGlyph& operator=(const TButtonGlyph&) = delete;

    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap* Value);
    TBitmap* GlyphMask() const { return FGlyphMask.get(); }
    void SetGlyphMask(TBitmap* Value);
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int Value);
    bool OldDisabledStyle() const { return FOldDisabledStyle; }
    void SetOldDisabledStyle(bool Value);

    // Told to repaint the owner.
    std::function<void()> OnChange;

    // Drops every cached state image (system colours changed).
    void Invalidate();
    // The size of one cell (0 x 0 without glyph).
    TExtent CellSize();
    // The state's image: its list and index, made on first need; nullptr
    // when there is nothing to draw.
    TGlyphList* StateImage(TToolbarButtonState State, int& Index);

    struct TDrawParams {
        TRect Content;
        std::string Caption;
        TGlyphLayout Layout = TGlyphLayout::GlyphLeft;
        int Margin = -1;
        int Spacing = 4;
        TAlignment Alignment = taCenter;
        bool WordWrap = false;
        bool ShowGlyph = true;
        bool ShowText = true;
        bool Arrow = false;
        bool Pushed = false;
        TToolbarButtonState State = tbsUp;
        TColor FontColor = clBtnText;
    };
    // Lays out and draws glyph, caption and arrow on Canvas; returns the
    // layout used.
    TButtonGlyphLayout Draw(TCanvas* Canvas, const TDrawParams& P);

private:
    void GlyphChanged(TObject*);
    void ImagesChanged(TObject*);
    TGlyphList* MakeStateImage(TToolbarButtonState State, int& Index);

    std::unique_ptr<TBitmap> FGlyph;
    std::unique_ptr<TBitmap> FGlyphMask;
    TCustomImageList* FImages = nullptr;
    std::unique_ptr<TChangeLink> FImageLink;
    int FImageIndex = -1;
    int FNumGlyphs = 1;
    bool FOldDisabledStyle = false;
    TGlyphList* FList = nullptr;          // cell-sized images
    TGlyphList* FDisabledList = nullptr;  // a pixel larger each way
    int FIndexes[5] = {-1, -1, -1, -1, -1};
    bool FMakingImage = false;
};

// Draws the small drop-down arrow at Origin; disabled it is embossed.
void DrawDropdownArrow(TCanvas* Canvas, TPoint Origin, bool Enabled, TColor FontColor);
