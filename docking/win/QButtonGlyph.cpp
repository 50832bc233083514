#include "docking/win/QButtonGlyph.h"

#include <commctrl.h>

#include <algorithm>

#include "docking/DockTexts.h"
#include "docking/win/GlyphBlits.h"
#include "docking/win/PixelBitmaps.h"
#include "framework/rtl/Exceptions.h"

// ---- TGlyphList

namespace {

// The image list operations the shared masked add needs.
class TListStore : public TGlyphImageStore {
public:
    TListStore(TGlyphList* List, TBitmap* Image, TColor MaskColor) : FList(List), FImage(Image), FMask(MaskColor) {}
    bool HasHandle() const override { return true; }
    TExtent ImageSize() const override { return {FList->Width(), FList->Height()}; }
    int ImageCount() const override { return ImageList_GetImageCount(FList->Handle()); }
    void AppendEmpty() override {
        TBitmap Empty;
        Empty.SetSize(FList->Width(), FList->Height());
        ImageList_Add(FList->Handle(), Empty.Handle(), nullptr);
    }
    bool AppendImageMasked() override {
        TBitmap Copy;
        Copy.Assign(FImage);
        const COLORREF Key = FMask == clDefault ? static_cast<COLORREF>(FImage->Canvas()->Pixel(0, FImage->Height() - 1))
                                                : ColorToRGB(FMask);
        return ImageList_AddMasked(FList->Handle(), Copy.Handle(), Key) >= 0;
    }
    bool ReplaceWithEntry(int Target, int Source) override {
        // Image and mask of the appended entry move to the taken index.
        return ImageList_Copy(FList->Handle(), Target, FList->Handle(), Source, ILCF_MOVE) != FALSE;
    }
    void DeleteEntry(int Index) override { ImageList_Remove(FList->Handle(), Index); }

private:
    TGlyphList* FList;
    TBitmap* FImage;
    TColor FMask;
};

std::unique_ptr<TGlyphCache<TGlyphList>>& Cache() {
    static std::unique_ptr<TGlyphCache<TGlyphList>> C;
    return C;
}

}  // namespace

TGlyphList::TGlyphList(int AWidth, int AHeight) : TCustomImageList(AWidth, AHeight, nullptr) {}

int TGlyphList::AddWithMask(TBitmap* Image, TBitmap* Mask) {
    int Index = FSlots.FirstFreeIndex(Count());
    if (Index < 0) Index = Add(Image, Mask);
    else Replace(Index, Image, Mask);
    if (Index >= 0) FSlots.MarkUsed(Index);
    return Index;
}

int TGlyphList::AddMasked(TBitmap* Image, TColor MaskColor) {
    TListStore Store(this, Image, MaskColor);
    const int Index = GlyphListAddMasked(FSlots, Store, {Image->Width(), Image->Height()});
    Change();
    return Index;
}

void TGlyphList::Release(int Index) { FSlots.MarkFree(Index); }

TGlyphList* AcquireGlyphList(TExtent Size) {
    if (!Cache())
        Cache() = std::make_unique<TGlyphCache<TGlyphList>>(
            [](TExtent S) { return std::make_unique<TGlyphList>(S.Width, S.Height); });
    return Cache()->Acquire(Size);
}

void ReleaseGlyphList(TGlyphList* List) {
    if (!Cache() || !List) return;
    Cache()->Release(List);
    if (Cache()->Empty()) Cache().reset();
}

int GlyphListsInCache() { return Cache() ? Cache()->ListCount() : 0; }

// ---- TButtonGlyph

TButtonGlyph::TButtonGlyph()
    : FGlyph(std::make_unique<TBitmap>()), FGlyphMask(std::make_unique<TBitmap>()),
      FImageLink(std::make_unique<TChangeLink>()) {
    FGlyph->OnChange = [this](TObject* S) { GlyphChanged(S); };
    FGlyphMask->OnChange = [this](TObject* S) { GlyphChanged(S); };
    FImageLink->OnChange = [this](TObject* S) { ImagesChanged(S); };
}

TButtonGlyph::~TButtonGlyph() {
    Invalidate();
    if (FImages) FImages->UnRegisterChanges(FImageLink.get());
}

void TButtonGlyph::Invalidate() {
    for (int S = 0; S < 5; ++S) {
        if (FIndexes[S] < 0) continue;
        TGlyphList* L = S == tbsDisabled ? FDisabledList : FList;
        if (L) L->Release(FIndexes[S]);
        FIndexes[S] = -1;
    }
    ReleaseGlyphList(FList);
    ReleaseGlyphList(FDisabledList);
    FList = FDisabledList = nullptr;
}

void TButtonGlyph::GlyphChanged(TObject*) {
    // Making an image reads the bitmaps back from their memory images,
    // which reports a change that is none.
    if (FMakingImage) return;
    Invalidate();
    if (OnChange) OnChange();
}

void TButtonGlyph::ImagesChanged(TObject*) { GlyphChanged(nullptr); }

void TButtonGlyph::SetGlyph(TBitmap* Value) {
    FGlyph->Assign(Value);
    if (!FImages) FNumGlyphs = NumGlyphsForStrip(FGlyph->Width(), FGlyph->Height());
    GlyphChanged(nullptr);
}

void TButtonGlyph::SetGlyphMask(TBitmap* Value) { FGlyphMask->Assign(Value); }

void TButtonGlyph::SetImages(TCustomImageList* Value) {
    if (Value == FImages) return;
    if (FImages) FImages->UnRegisterChanges(FImageLink.get());
    FImages = Value;
    if (FImages) {
        FImages->RegisterChanges(FImageLink.get());
        FNumGlyphs = 1;
    }
    GlyphChanged(nullptr);
}

void TButtonGlyph::SetImageIndex(int Value) {
    if (Value == FImageIndex) return;
    FImageIndex = Value;
    GlyphChanged(nullptr);
}

void TButtonGlyph::SetNumGlyphs(int Value) {
    Value = FImages ? 1 : ClampNumGlyphs(Value);
    if (Value == FNumGlyphs) return;
    FNumGlyphs = Value;
    GlyphChanged(nullptr);
}

void TButtonGlyph::SetOldDisabledStyle(bool Value) {
    if (Value == FOldDisabledStyle) return;
    FOldDisabledStyle = Value;
    GlyphChanged(nullptr);
}

TExtent TButtonGlyph::CellSize() {
    if (FImages) {
        if (FImageIndex < 0 || FImageIndex >= FImages->Count()) return {};
        return {FImages->Width(), FImages->Height()};
    }
    if (FGlyph->Empty()) return {};
    return GlyphCellSize({FGlyph->Width(), FGlyph->Height()}, FNumGlyphs);
}

TGlyphList* TButtonGlyph::StateImage(TToolbarButtonState State, int& Index) {
    Index = FIndexes[State];
    if (Index >= 0) return State == tbsDisabled ? FDisabledList : FList;
    return MakeStateImage(State, Index);
}

TGlyphList* TButtonGlyph::MakeStateImage(TToolbarButtonState State, int& Index) {
    const TExtent Cell = CellSize();
    if (Cell.Width <= 0 || Cell.Height <= 0) return nullptr;
    struct TMaking {
        bool& Flag;
        ~TMaking() { Flag = false; }
    } Making{FMakingImage = true};
    if (!FList) FList = AcquireGlyphList(Cell);
    if (!FDisabledList) FDisabledList = AcquireGlyphList({Cell.Width + 1, Cell.Height + 1});
    // An image-list entry is one cell: its disabled image is generated.
    const int CellIndex = GlyphCellForState(State, FImages ? 1 : FNumGlyphs);
    const TPoint Origin{FImages || CellIndex < 0 ? 0 : CellIndex * Cell.Width, 0};
    // The source the colours are matched on: the strip, or the image-list
    // entry drawn; its cell's transparency (white = transparent) when a
    // mask says it.
    std::unique_ptr<TBitmap> Drawn;
    TPixelMask Transparent;
    bool HasMask = false;
    if (FImages) {
        Drawn = std::make_unique<TBitmap>();
        Drawn->SetSize(Cell.Width, Cell.Height);
        ImageList_Draw(FImages->Handle(), FImageIndex, Drawn->Canvas()->Handle(), 0, 0, ILD_NORMAL);
        TBitmap Mono;
        Mono.SetMonochrome(true);
        Mono.SetSize(Cell.Width, Cell.Height);
        ImageList_Draw(FImages->Handle(), FImageIndex, Mono.Canvas()->Handle(), 0, 0, ILD_MASK);
        Transparent = ReadMask(&Mono);
        HasMask = true;
    } else if (!FGlyphMask->Empty()) {
        Transparent = MaskFromColors(ReadPixels(FGlyphMask.get()), Origin, Cell, {GlyphWhite});
        HasMask = true;
    }
    TBitmap* Source = FImages ? Drawn.get() : FGlyph.get();
    const TPixelImage SourcePixels = ReadPixels(Source);
    const TPixelImage Pixels = GlyphStripCell(SourcePixels, Origin.X / Cell.Width, Cell);
    const uint32_t TransparentColour = GlyphTransparentColour(SourcePixels);
    // Exact comparison where the pixels are held exactly; otherwise the
    // device compares them, as it would show them.
    std::unique_ptr<TBitmap> BlitSource;
    if (FImages) BlitSource = std::move(Drawn);
    else if (!ColoursMatchExactly(FGlyph.get())) BlitSource = CopyBitmapAsDIB(FGlyph.get());
    auto Match = [&](const std::vector<int64_t>& Colours) {
        if (!BlitSource) return MaskFromColors(SourcePixels, Origin, Cell, Colours);
        std::vector<TColor> Blit;
        for (int64_t C : Colours) Blit.push_back(static_cast<TColor>(C & 0xFFFFFF));
        TBitmap Mask;
        MaskFromColorsByBlt(&Mask, BlitSource.get(), Bounds(Origin.X, Origin.Y, Cell.Width, Cell.Height), Blit);
        return ReadMask(&Mask);
    };
    const uint32_t Face = ColorToRGB(clBtnFace), Light = ColorToRGB(clBtnHighlight),
                   Shadow = ColorToRGB(clBtnShadow);
    TGlyphList* List = State == tbsDisabled ? FDisabledList : FList;
    if (State != tbsDisabled) {
        // Without a mask each cell is transparent in its own bottom-left colour.
        if (!HasMask) Transparent = Match({static_cast<int64_t>(Pixels.BottomLeft() & 0xFFFFFF)});
        auto Image = BitmapFromPixels(Pixels);
        auto Mask = BitmapFromMask(Transparent);
        Index = List->AddWithMask(Image.get(), Mask.get());
    } else if (CellIndex >= 0) {
        // The strip's transparent colour; white and grey as the device has
        // them.
        if (!HasMask) Transparent = Match({static_cast<int64_t>(TransparentColour & 0xFFFFFF)});
        const TMaskedPixels D =
            DisabledFromOwnCell(Pixels, Transparent, Match({GlyphWhite}), Match({GlyphGrey}), Light, Shadow);
        auto Image = BitmapFromPixels(D.Image);
        auto Mask = BitmapFromMask(D.Mask);
        Index = List->AddWithMask(Image.get(), Mask.get());
    } else {
        const TPixelMask Matched = Match(InkMatchColours(FOldDisabledStyle, HasMask, TransparentColour));
        const TPixelMask Ink = InkFromMatches(Matched, HasMask ? &Transparent : nullptr, FOldDisabledStyle);
        auto Image = BitmapFromPixels(GenerateDisabledImage(Ink, Face, Light, Shadow));
        Index = List->AddMasked(Image.get(), clBtnFace);
    }
    FGlyph->Dormant();
    FGlyphMask->Dormant();
    FIndexes[State] = Index;
    return Index >= 0 ? List : nullptr;
}

TButtonGlyphLayout TButtonGlyph::Draw(TCanvas* Canvas, const TDrawParams& P) {
    const TExtent Cell = P.ShowGlyph ? CellSize() : TExtent{};
    const TGlyphLayout Effective = EffectiveGlyphLayout(P.Layout, Cell);
    TExtent Text;
    if (P.ShowText && !P.Caption.empty()) {
        RECT R{0, 0, CaptionMeasureWidth(P.Content.Width(), Effective, P.Arrow, P.WordWrap, Cell.Width, P.Spacing,
                                         P.Margin),
               0};
        DrawTextA(Canvas->Handle(), P.Caption.c_str(), -1, &R,
                  DT_CALCRECT | (P.WordWrap ? DT_WORDBREAK : DT_SINGLELINE));
        Text = {R.right - R.left, R.bottom - R.top};
    }
    TButtonGlyphLayoutInput In;
    In.Content = P.Content;
    In.Glyph = Cell;
    In.Text = Text;
    In.Layout = P.Layout;
    In.Margin = P.Margin;
    In.Spacing = P.Spacing;
    In.Arrow = P.Arrow;
    In.Pushed = P.Pushed;
    const TButtonGlyphLayout L = LayoutButtonGlyph(In);
    if (Cell.Width > 0) {
        int Index = -1;
        if (TGlyphList* List = StateImage(P.State, Index))
            ImageList_DrawEx(List->Handle(), Index, Canvas->Handle(), L.GlyphPos.X, L.GlyphPos.Y, 0, 0, CLR_NONE,
                             CLR_NONE, ILD_TRANSPARENT);
    }
    if (Text.Width > 0) {
        HDC DC = Canvas->Handle();
        SetBkMode(DC, TRANSPARENT);
        const UINT Align = P.Alignment == taLeftJustify ? DT_LEFT : P.Alignment == taRightJustify ? DT_RIGHT : DT_CENTER;
        const UINT Flags = Align | DT_VCENTER | (P.WordWrap ? DT_WORDBREAK : DT_SINGLELINE);
        RECT R = ToRECT(L.TextRect);
        if (P.State == tbsDisabled) {
            OffsetRect(&R, 1, 1);
            SetTextColor(DC, ColorToRGB(clBtnHighlight));
            DrawTextA(DC, P.Caption.c_str(), -1, &R, Flags);
            OffsetRect(&R, -1, -1);
            SetTextColor(DC, ColorToRGB(clBtnShadow));
        } else {
            SetTextColor(DC, ColorToRGB(P.FontColor));
        }
        DrawTextA(DC, P.Caption.c_str(), -1, &R, Flags);
    }
    if (P.Arrow) DrawDropdownArrow(Canvas, L.ArrowPos, P.State != tbsDisabled, P.FontColor);
    return L;
}

void DrawDropdownArrow(TCanvas* Canvas, TPoint Origin, bool Enabled, TColor FontColor) {
    auto Fill = [Canvas](TPoint O, TColor C) {
        const auto Pts = DropdownArrowPoints(O);
        Canvas->Pen()->SetColor(C);
        Canvas->Brush()->SetColor(C);
        Canvas->Polygon(Pts.data(), 3);
    };
    if (Enabled) {
        Fill(Origin, FontColor);
        return;
    }
    Fill({Origin.X + 1, Origin.Y + 1}, clBtnHighlight);
    Fill(Origin, clBtnShadow);
}
