#pragma once
// A button drawn in a form's title bar, left of the system buttons, with a
// glyph or a caption, mouse events, a click and a popup menu. It watches
// the form through a form hook, so it keeps working when the form's window
// is made again.
#include <memory>
#include <string>

#include "designer/engine/win/FormHooks.h"
#include "framework/forms/Forms.h"
#include "framework/menus/Menus.h"

class TZelHint;

class TZelCaptionButton : public TComponent {
    QRN_CLASS(TZelCaptionButton, TComponent)
public:
    explicit TZelCaptionButton(TComponent* AOwner);
    ~TZelCaptionButton() override;
    void BeforeDestruction() override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap* Value);
    TBitmap* DownGlyph() const { return FDownGlyph.get(); }
    void SetDownGlyph(TBitmap* Value);
    TCustomForm* Form() const { return FForm; }
    void SetForm(TCustomForm* Value);
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value) { FFont->Assign(Value); }
    int LeftMargin() const { return FLeftMargin; }
    void SetLeftMargin(int Value);
    int TopMargin() const { return FTopMargin; }
    void SetTopMargin(int Value);
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    // -1: as wide as a system caption button less 2; any negative is -1.
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }

    // In window coordinates.
    const TRect& ButtonRect() const { return FRect; }
    bool Down() const { return FDown; }
    bool Pressing() const { return FPressing; }
    // The mouse is over the button.
    bool Hot() const { return FHot; }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;

    // X, Y in the form's client coordinates.
    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);

    // Places the form's visible buttons right to left from this one on.
    void LayoutFrom();
    void Paint();

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void Attach();
    void Detach();
    void HookProc(TMessage& Message);
    bool IsLeftmostVisible() const;
    // The title bar left of this button, in window coordinates.
    TRect TitleStrip() const;
    // A copy of the non-client update region (WParam of WM_NCPAINT)
    // without this button and, for the leftmost one, without the title.
    HRGN RegionWithoutButton(WPARAM Update) const;
    void DrawTitle();
    bool HandleMessage(TMessage& Message);
    bool Designing() const;
    // A screen point in window and in client coordinates.
    TPoint ToWindow(LPARAM ScreenPoint) const;
    TPoint WindowToClient(TPoint P) const;
    bool Inside(TPoint WindowPoint) const { return FRect.Contains(WindowPoint); }
    void Redraw();
    void MoveBy(int DX);

    std::string FCaption;
    std::unique_ptr<TBitmap> FGlyph, FDownGlyph;
    std::unique_ptr<TFont> FFont;
    TCustomForm* FForm = nullptr;
    int FLeftMargin = 0, FTopMargin = 0;
    TPopupMenu* FPopupMenu = nullptr;
    bool FVisible = true;
    int FWidth = -1;
    std::string FHint;
    TRect FRect{};
    bool FDown = false, FPressing = false, FHot = false;
    int FFormWidth = 0;
    TZelHint* FHintWindow = nullptr;  // owned as a component
    TFormHook* FHook = nullptr;
};

// The caption buttons of a form, the rightmost first.
std::vector<TZelCaptionButton*> FormCaptionButtons(TCustomForm* Form);
