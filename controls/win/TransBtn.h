#pragma once
// TTransparentButton: a windowless button that lets its parent show
// through, with a glyph, a caption and one of seven frame styles (the flat
// fsExplorer style shows its frame only while the mouse is over it).
#include <memory>

#include "controls/TransBtnLayout.h"
#include "framework/controls/Controls.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/ImageList.h"

class TTransparentButton : public TGraphicControl {
    QRN_CLASS(TTransparentButton, TGraphicControl)
public:
    explicit TTransparentButton(TComponent* AOwner);
    ~TTransparentButton() override;

    bool AutoGray() const { return FAutoGray; }
    void SetAutoGray(bool Value);
    unsigned BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(unsigned Value);
    bool Down() const { return FState.Down; }
    void SetDown(bool Value);
    TFrameStyle FrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle Value);
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap* Value);
    TNumGlyphs NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(TNumGlyphs Value);
    bool ShowPressed() const { return FShowPressed; }
    void SetShowPressed(bool Value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int Value);
    TTextAlign TextAlign() const { return FTextAlign; }
    void SetTextAlign(TTextAlign Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    bool Movable() const { return FMovable; }
    void SetMovable(bool Value) { FMovable = Value; }

    // The look state, for tests and for forms that mirror it.
    bool Hot() const { return FState.Hot; }
    bool Pressed() const { return FState.Pressed; }
    // Glyph cells, then the grey and the disabled image.
    TImageList* Images() const { return FImages.get(); }

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseExit;

    void WndProc(TMessage& Message) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void GlyphChanged(TObject* Sender);
    void RebuildImages();
    void PaintFrame(int W, int H);
    void PaintGlyph(const TRect& G);
    void PaintCaption(int W, int H, const TRect& G);
    bool InClient(int X, int Y) const { return X >= 0 && Y >= 0 && X < FWidth && Y < FHeight; }

    bool FAutoGray = true;
    unsigned FBorderWidth = 1;
    TFrameStyle FFrameStyle = fsExplorer;
    std::unique_ptr<TBitmap> FGlyph;
    TNumGlyphs FNumGlyphs = 1;
    bool FShowPressed = true;
    int FSpacing = 2;
    TTextAlign FTextAlign = ttaCenter;
    bool FTransparent = true;
    bool FWordWrap = false;
    bool FMovable = false;
    TTransButtonState FState;
    TPoint FGrab;
    std::unique_ptr<TImageList> FImages;
};
