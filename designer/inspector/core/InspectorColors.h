#pragma once
// The inspector's colours and the two look presets.
#include "designer/inspector/core/InspectorOptions.h"
#include "framework/classes/Component.h"
#include "framework/uicore/Colors.h"

enum TLineStyle { SolidLine, DottedLine };
QRN_ENUM(TLineStyle, SolidLine, DottedLine)

class TOIColors : public TPersistent {
    QRN_CLASS(TOIColors, TPersistent)
public:
    void Assign(TPersistent* Source) override;

    TColor BackColor() const { return FBackColor; }  // background and value cells
    void SetBackColor(TColor Value) { Set(FBackColor, Value); }
    TColor Col0Color() const { return FCol0Color; }  // name text
    void SetCol0Color(TColor Value) { Set(FCol0Color, Value); }
    TColor Col1Color() const { return FCol1Color; }  // value text
    void SetCol1Color(TColor Value) { Set(FCol1Color, Value); }
    TColor VertLineColor() const { return FVertLineColor; }
    void SetVertLineColor(TColor Value) { Set(FVertLineColor, Value); }
    TColor HorzLineColor() const { return FHorzLineColor; }
    void SetHorzLineColor(TColor Value) { Set(FHorzLineColor, Value); }
    TColor HighlightColor() const { return FHighlightColor; }  // text of a highlighted row
    void SetHighlightColor(TColor Value) { Set(FHighlightColor, Value); }
    TColor HighlightBkgnd() const { return FHighlightBkgnd; }
    void SetHighlightBkgnd(TColor Value) { Set(FHighlightBkgnd, Value); }

    // Every change; the owning inspector repaints.
    TNotifyEvent OnChange;

private:
    void Set(TColor& Field, TColor Value);
    TColor FBackColor = clBtnFace, FCol0Color = clBlack, FCol1Color = clNavy, FVertLineColor = clBtnShadow,
           FHorzLineColor = clBtnShadow, FHighlightColor = clBlack, FHighlightBkgnd = clBtnFace;
};

// What a style gives the inspector besides its options.
struct TStyleLook {
    TColor Color;  // the control's own colour (and BackColor)
    TLineStyle LineStyle;
};

// Sets the colours of a preset style and returns the rest of its look;
// isCustom leaves the colours and returns them as they are.
TStyleLook ApplyStyleColors(TOIColors& Colors, TInspectorStyle Style);
