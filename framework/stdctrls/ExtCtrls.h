#pragma once
// Pictures, speed buttons, splitters and scroll boxes.
#include <memory>

#include "framework/controls/Controls.h"
#include "framework/graphics/Bitmap.h"

class TImage : public TGraphicControl {
    QRN_CLASS(TImage, TGraphicControl)
public:
    explicit TImage(TComponent* AOwner);
    ~TImage() override;
    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(TPicture* Value) { FPicture->Assign(Value); }
    bool Center() const { return FCenter; }
    void SetCenter(bool Value);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    // Where Paint puts the picture, in the control's coordinates.
    TRect DestRect() const;

protected:
    void Paint() override;

private:
    void PictureChanged(TObject* Sender);
    std::unique_ptr<TPicture> FPicture;
    bool FCenter = false, FStretch = false, FTransparent = false;
};

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
QRN_ENUM(TButtonLayout, blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom)

class TSpeedButton : public TGraphicControl {
    QRN_CLASS(TSpeedButton, TGraphicControl)
public:
    explicit TSpeedButton(TComponent* AOwner);
    ~TSpeedButton() override;
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap* Value) { FGlyph->Assign(Value); }
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value);
    bool Down() const { return FDown; }
    // Putting one button of a group down lets the others of the group up.
    void SetDown(bool Value);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout Value);
    int Margin() const { return FMargin; }
    void SetMargin(int Value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int Value);
    // Pressed by the mouse right now (drawn down while the mouse is over it).
    bool Pressed() const { return FPressed; }
    void Click() override;
    void WndProc(TMessage& Message) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void UpdateExclusive();
    std::unique_ptr<TBitmap> FGlyph;
    int FNumGlyphs = 1;
    bool FFlat = false;
    int FGroupIndex = 0;
    bool FDown = false;
    bool FAllowAllUp = false;
    TButtonLayout FLayout = blGlyphLeft;
    int FMargin = -1;
    int FSpacing = 4;
    bool FPressed = false;   // mouse button held on the button
    bool FMouseIn = false;   // while held: over the button
    bool FMouseOver = false; // hover, for flat buttons
};

class TSplitter : public TGraphicControl {
    QRN_CLASS(TSplitter, TGraphicControl)
public:
    explicit TSplitter(TComponent* AOwner);
    int MinSize() const { return FMinSize; }
    void SetMinSize(int Value) { FMinSize = Value < 1 ? 1 : Value; }
    bool Beveled() const { return FBeveled; }
    void SetBeveled(bool Value);
    // The control this splitter resizes: the one aligned the same way whose
    // edge touches it (nullptr when there is none).
    TControl* FindControl() const;

    TNotifyEvent OnMoved;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    // The split cursor follows the side the splitter is aligned to.
    void RequestAlign() override;

private:
    void ApplySize(int ParentPos);
    int FMinSize = 30;
    bool FBeveled = false;
    TControl* FControl = nullptr;  // during a drag
    int FDownPos = 0;              // parent coordinate at the press
    int FStartSize = 0;
    bool FMoved = false;
};

class TScrollingWinControl;

// One scroll bar of a scrolling container: the range of the content and
// how far it is scrolled.
class TControlScrollBar : public TPersistent {
    QRN_CLASS(TControlScrollBar, TPersistent)
public:
    TControlScrollBar(TScrollingWinControl* AControl, bool AHorizontal) : FControl(AControl), FHorizontal(AHorizontal) {}
    void Assign(TPersistent* Source) override;
    int Range() const { return FRange; }
    void SetRange(int Value);
    int Position() const { return FPosition; }
    void SetPosition(int Value);
    int Increment() const { return FIncrement; }
    void SetIncrement(int Value) { FIncrement = Value < 1 ? 1 : Value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    bool Horizontal() const { return FHorizontal; }
    // How far the content can scroll: Range less the visible part.
    int MaxPosition() const;
    void Update();
    void Scroll(int Code, int ThumbPos);

private:
    int PageSize() const;
    TScrollingWinControl* FControl;
    bool FHorizontal;
    int FRange = 0, FPosition = 0, FIncrement = 8;
    bool FVisible = true;
};

class TScrollingWinControl : public TWinControl {
    QRN_CLASS(TScrollingWinControl, TWinControl)
public:
    explicit TScrollingWinControl(TComponent* AOwner);
    ~TScrollingWinControl() override;
    TControlScrollBar* HorzScrollBar() const { return FHorzScrollBar.get(); }
    void SetHorzScrollBar(TControlScrollBar* Value) { FHorzScrollBar->Assign(Value); }
    TControlScrollBar* VertScrollBar() const { return FVertScrollBar.get(); }
    void SetVertScrollBar(TControlScrollBar* Value) { FVertScrollBar->Assign(Value); }
    // Moves the children by the given amounts (content moves, window stays).
    void ScrollBy(int DeltaX, int DeltaY);
    // Scrolls so that the child is in view.
    void ScrollInView(TControl* AControl);
    void WndProc(TMessage& Message) override;

protected:
    void CreateWnd() override;

private:
    std::unique_ptr<TControlScrollBar> FHorzScrollBar, FVertScrollBar;
};

class TScrollBox : public TScrollingWinControl {
    QRN_CLASS(TScrollBox, TScrollingWinControl)
public:
    explicit TScrollBox(TComponent* AOwner);

protected:
    void CreateParams(TCreateParams& Params) override;
};

// Makes the picture and container controls known to form streams.
void RegisterExtControls();
