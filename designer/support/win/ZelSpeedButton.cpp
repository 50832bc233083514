#include "designer/support/win/ZelSpeedButton.h"

QRN_PUBLISHED(TZelSpeedButton) {}

TZelSpeedButton::TZelSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {
    FInheritedGlyphChange = Glyph()->OnChange;
    Glyph()->OnChange = TNotifyEvent::Make([this](TObject* Sender) { GlyphChanged(Sender); }, this, {});
}

void TZelSpeedButton::GlyphChanged(TObject* Sender) {
    if (FInheritedGlyphChange) FInheritedGlyphChange(Sender);
    if (FInGlyphChange) return;
    FInGlyphChange = true;
    try {
        Glyph()->FreeImage();
        Glyph()->Dormant();
    } catch (...) {
        FInGlyphChange = false;
        throw;
    }
    FInGlyphChange = false;
}
