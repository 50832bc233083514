#pragma once
// A non-visual component of the designed form shown as a 28 x 28 icon
// window with its name underneath. Its position lives in the component's
// design information, so it survives saving and loading.
#include <functional>
#include <memory>

#include "designer/engine/DesignGeometry.h"
#include "framework/controls/Controls.h"
#include "framework/graphics/Graphics.h"

class TComponentContainer {
public:
    // Filter gets the icon's messages first (with the component as
    // target); true when it took one.
    using TFilter = std::function<bool(TComponent* Sender, TMessage& Message)>;
    TComponentContainer(TComponent* Component, TWinControl* Form, bool ShowCaption, TFilter Filter);
    ~TComponentContainer();
    TComponentContainer(const TComponentContainer&) = delete;
    TComponentContainer& operator=(const TComponentContainer&) = delete;

    TComponent* Component() const { return FComponent; }
    HWND Window() const { return FWindow; }
    HWND CaptionWindow() const { return FCaption; }
    TPoint Position() const { return IconPosFromDesignInfo(FComponent->DesignInfo()); }
    // Writes the position into the design information and places the icon.
    void MoveTo(TPoint Pos);
    void Place();
    bool Selected() const { return FSelected; }
    void SetSelected(bool Value);
    bool MarksShown() const { return FMarksShown; }
    void SetMarksShown(bool Value);
    void SetCaptionColor(COLORREF Color);
    // The name changed: the caption follows.
    void UpdateCaption();
    // The glyph painted in the icon (a grey square while it is empty).
    TBitmap* Glyph() const { return FGlyph.get(); }

private:
    static LRESULT CALLBACK WindowProcedure(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
    LRESULT HandleIcon(UINT Msg, WPARAM WParam, LPARAM LParam);
    LRESULT HandleCaption(UINT Msg, WPARAM WParam, LPARAM LParam);
    void PaintIcon();
    void PaintCaption();
    TPoint CaptionSize() const;

    TComponent* FComponent;
    TWinControl* FForm;
    TFilter FFilter;
    bool FShowCaption;
    bool FSelected = false;
    bool FMarksShown = false;
    COLORREF FCaptionColor;
    std::unique_ptr<TBitmap, TObjectFree> FGlyph;
    HWND FWindow = nullptr;
    HWND FCaption = nullptr;
};
