#pragma once
// A small tool tip shown on request (position and size while dragging, a
// long value in the inspector). Its text may emphasise one stretch between
// "~" marks, drawn bold. A timer shows it after a pause and hides it when
// the cursor leaves.
#include <memory>
#include <string>

#include "framework/controls/Timer.h"
#include "framework/forms/Forms.h"

// Draws the three parts of Text (before Start, Length characters from
// Start 1-based, the rest) on one line, the marked part in BoldFont; from
// the left edge, or with FromRight in reverse order from the right edge.
void DrawMarkedText(HDC DC, TFont* Font, TFont* BoldFont, bool FromRight, int Start, int Length,
                    const std::string& Text, const TRect& Rect);
// The extent of a marked text ("~" marks included in Text).
TSize MeasureMarkedText(HDC DC, TFont* Font, TFont* BoldFont, const std::string& Text);

class TZelHintWindow : public THintWindow {
    QRN_CLASS(TZelHintWindow, THintWindow)
public:
    explicit TZelHintWindow(TComponent* AOwner);
    ~TZelHintWindow() override;
    TFont* BoldFont() const { return FBoldFont.get(); }
    // Keeps the window inside the screen; a negative corner becomes 0.
    void ActivateHint(TRect Rect, const std::string& AHint) override;
    // The width the text needs (marks removed, bold part measured bold).
    int MeasureWidth(const std::string& Text);

protected:
    void CreateWnd() override;
    void Paint() override;
    void NCPaint(HDC DC) override;
    void SetTextInternal(const std::string& Value) override;

private:
    std::unique_ptr<TFont> FBoldFont;
    bool FSizing = false;
};

class TZelHint : public TComponent {
    QRN_CLASS(TZelHint, TComponent)
public:
    explicit TZelHint(TComponent* AOwner);
    ~TZelHint() override;

    bool AutoHide() const { return FAutoHide; }
    void SetAutoHide(bool Value) { FAutoHide = Value; }
    int Interval() const { return FInterval; }
    void SetInterval(int Value);
    bool Immediate() const { return FImmediate; }
    void SetImmediate(bool Value) { FImmediate = Value; }
    TFont* BoldFont() const { return FWindow->BoldFont(); }
    void SetBoldFont(TFont* Value) { FWindow->BoldFont()->Assign(Value); }
    bool Visible() const;
    void SetVisible(bool Value);
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    TZelHintWindow* HintWindow() const { return FWindow; }
    const TRect& HintRect() const { return FHintRect; }

    // An empty text hides.
    void ShowAt(TPoint Point, const std::string& Text);
    // Shown 20 pixels below the cursor.
    void ShowAtCursor(const std::string& Text);
    void CloseHint();

    TNotifyEvent OnVisibleChanged;

    virtual void TimerTick();
    virtual void DoVisibleChanged();

private:
    void Tick(TObject*) { TimerTick(); }
    bool CursorInside() const;
    void HideWindow();

    TZelHintWindow* FWindow;  // owned as a component
    TTimer* FTimer;           // owned as a component
    bool FAutoHide = true;
    int FInterval = 50;
    bool FImmediate = true;
    std::string FCaption;
    TRect FHintRect{};
    enum { hsShown, hsHiding, hsWaiting } FState = hsHiding;
    int FTicks = 0;
    int FOffset = 0;
};
