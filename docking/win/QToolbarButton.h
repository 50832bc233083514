#pragma once
// TQToolbarButton: the windowless button toolbars hold. It can be flat (a
// border only while the mouse is over it), latch down in a group, repeat
// its click while held and open a drop-down menu, from the whole button
// or from a separate arrow part (a combo button). One button of the
// application is hot at a time; a shared 125 ms timer and the application
// hooks take the border away when the mouse leaves.
#include <memory>
#include <string>
#include <vector>

#include "docking/HookRegistry.h"
#include "docking/win/QButtonGlyph.h"
#include "framework/controls/Timer.h"
#include "framework/forms/Forms.h"
#include "framework/menus/Menus.h"

enum TButtonDisplayMode { dmBoth, dmGlyphOnly, dmTextOnly };
QRN_ENUM(TButtonDisplayMode, dmBoth, dmGlyphOnly, dmTextOnly)
QRN_NAMED_TYPE(TQNumGlyphs, int)

using TButtonDropdownEvent = TEvent<void(TObject* Sender, bool& ShowMenu, bool& RemoveClicks)>;

class TQToolbarButton : public TGraphicControl {
    QRN_CLASS(TQToolbarButton, TGraphicControl)
public:
    explicit TQToolbarButton(TComponent* AOwner);
    ~TQToolbarButton() override;
    void BeforeDestruction() override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool Value) { FCancel = Value; }
    bool Default() const { return FDefault; }
    void SetDefault(bool Value) { FDefault = Value; }
    const std::string& Path() const { return FPath; }
    void SetPath(const std::string& Value) { FPath = Value; }
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value);
    TButtonDisplayMode DisplayMode() const { return FDisplayMode; }
    void SetDisplayMode(TButtonDisplayMode Value);
    bool Down() const { return FDown; }
    void SetDown(bool Value);
    bool DropdownAlways() const { return FDropdownAlways; }
    void SetDropdownAlways(bool Value);
    bool DropdownArrow() const { return FDropdownArrow; }
    void SetDropdownArrow(bool Value);
    bool DropdownCombo() const { return FDropdownCombo; }
    void SetDropdownCombo(bool Value);
    TPopupMenu* DropdownMenu() const { return FDropdownMenu; }
    void SetDropdownMenu(TPopupMenu* Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    TBitmap* Glyph() const { return FGlyph->Glyph(); }
    void SetGlyph(TBitmap* Value) { FGlyph->SetGlyph(Value); }
    TBitmap* GlyphMask() const { return FGlyph->GlyphMask(); }
    void SetGlyphMask(TBitmap* Value) { FGlyph->SetGlyphMask(Value); }
    int ImageIndex() const { return FGlyph->ImageIndex(); }
    void SetImageIndex(int Value) { FGlyph->SetImageIndex(Value); }
    TCustomImageList* Images() const { return FGlyph->Images(); }
    void SetImages(TCustomImageList* Value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout Value);
    int Margin() const { return FMargin; }
    void SetMargin(int Value);
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }
    bool NoBorder() const { return FNoBorder; }
    void SetNoBorder(bool Value);
    int NumGlyphs() const { return FGlyph->NumGlyphs(); }
    void SetNumGlyphs(int Value) { FGlyph->SetNumGlyphs(Value); }
    bool OldDisabledStyle() const { return FGlyph->OldDisabledStyle(); }
    void SetOldDisabledStyle(bool Value) { FGlyph->SetOldDisabledStyle(Value); }
    bool Opaque() const { return FOpaque; }
    void SetOpaque(bool Value);
    bool Repeating() const { return FRepeating; }
    void SetRepeating(bool Value) { FRepeating = Value; }
    int RepeatDelay() const { return FRepeatDelay; }
    void SetRepeatDelay(int Value) { FRepeatDelay = Value; }
    int RepeatInterval() const { return FRepeatInterval; }
    void SetRepeatInterval(int Value) { FRepeatInterval = Value; }
    bool ShowBorderWhenInactive() const { return FShowBorderWhenInactive; }
    void SetShowBorderWhenInactive(bool Value) { FShowBorderWhenInactive = Value; }
    int Spacing() const { return FSpacing; }
    void SetSpacing(int Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);

    TButtonDropdownEvent OnDropdown;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseExit;

    TToolbarButtonState State() const { return FState; }
    bool MouseIn() const { return FMouseIn; }
    bool HasDropdown() const { return FDropdownAlways || FDropdownMenu != nullptr; }
    TButtonGlyph* ButtonGlyph() const { return FGlyph.get(); }
    // The button under the mouse, if any.
    static TQToolbarButton* HotButton();

    void Click() override;
    void DblClick() override;
    void MouseEnter();
    void MouseLeave();
    void WndProc(TMessage& Message) override;

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;

private:
    static void HookProc(THookKind Kind, void* Wnd, uintptr_t WParam, intptr_t LParam);
    static void CheckHot();
    void Redraw(bool EraseBackground);
    void UpdateExclusive();
    void RepeatTick(TObject*);
    void StopRepeat();
    void ShowDropdown();
    void RemoveMenuClicks();
    bool ComboWithDropdown() const { return FDropdownCombo && HasDropdown(); }
    bool ClickKeyAllowed();
    void UpdateOpaque();

    TAlignment FAlignment = taCenter;
    bool FAllowAllUp = false;
    bool FCancel = false;
    bool FDefault = false;
    std::string FPath;
    int FGroupIndex = 0;
    TButtonDisplayMode FDisplayMode = dmBoth;
    bool FDown = false;
    bool FDropdownAlways = false;
    bool FDropdownArrow = true;
    bool FDropdownCombo = false;
    TPopupMenu* FDropdownMenu = nullptr;
    bool FFlat = true;
    TButtonLayout FLayout = blGlyphLeft;
    int FMargin = -1;
    TModalResult FModalResult = mrNone;
    bool FNoBorder = false;
    bool FOpaque = true;
    bool FRepeating = false;
    int FRepeatDelay = 400;
    int FRepeatInterval = 100;
    bool FShowBorderWhenInactive = false;
    int FSpacing = 4;
    bool FWordWrap = false;

    std::unique_ptr<TButtonGlyph> FGlyph;
    TToolbarButtonState FState = tbsUp;
    bool FMouseIn = false;
    bool FDragging = false;
    bool FMenuDown = false;
    bool FInClick = false;
    std::unique_ptr<TTimer, TObjectFree> FRepeatTimer;
};
