#pragma once
// The speed button of the palette and the designer's component buttons:
// its glyph keeps only its stored image, not a device bitmap per button,
// so that hundreds of palette buttons hold no GDI bitmaps between paints.
#include "framework/stdctrls/ExtCtrls.h"

class TZelSpeedButton : public TSpeedButton {
    QRN_CLASS(TZelSpeedButton, TSpeedButton)
public:
    explicit TZelSpeedButton(TComponent* AOwner);

private:
    void GlyphChanged(TObject* Sender);
    TNotifyEvent FInheritedGlyphChange;
    bool FInGlyphChange = false;
};
