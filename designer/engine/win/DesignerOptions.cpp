#include "designer/engine/win/DesignerOptions.h"

#include <algorithm>

#include "designer/engine/win/ZelFormDesigner.h"
#include "framework/forms/Forms.h"

QRN_PUBLISHED(TDesignerOptions) {
    B.Prop("ShowGrid", &TDesignerOptions::ShowGrid, &TDesignerOptions::SetShowGrid).Default(true);
    B.Prop("SnaptoGrid", &TDesignerOptions::SnaptoGrid, &TDesignerOptions::SetSnaptoGrid).Default(true);
    B.Prop("ShowCaptions", &TDesignerOptions::ShowCaptions, &TDesignerOptions::SetShowCaptions).Default(true);
    B.Prop("GridSizeX", &TDesignerOptions::GridSizeX, &TDesignerOptions::SetGridSizeX).Default(8);
    B.Prop("GridSizeY", &TDesignerOptions::GridSizeY, &TDesignerOptions::SetGridSizeY).Default(8);
    B.Prop("ShowHints", &TDesignerOptions::ShowHints, &TDesignerOptions::SetShowHints).Default(false);
}

QRN_PUBLISHED(TZelLiteDesignerOptions) {
    B.Prop("StartHotKey", &TZelLiteDesignerOptions::StartHotKey, &TZelLiteDesignerOptions::SetStartHotKey)
        .Type(QRN_TYPE(TShortCut))
        .Default(scCtrl | 123);
    B.Prop("StopHotKey", &TZelLiteDesignerOptions::StopHotKey, &TZelLiteDesignerOptions::SetStopHotKey)
        .Type(QRN_TYPE(TShortCut))
        .Default(scCtrl | 123);
}

std::function<void(const TZelLiteDesignerOptions&)> LiteDesignerOptionsApplied;

void TDesignerOptions::SetGridSizeX(int Value) { SetOption(FGridSizeX, std::clamp(Value, 2, 128)); }

void TDesignerOptions::SetGridSizeY(int Value) { SetOption(FGridSizeY, std::clamp(Value, 2, 128)); }

void TDesignerOptions::ApplyTo(TZelFormDesigner* Designer) const {
    Designer->ShowGrid = FShowGrid;
    Designer->SnapToGrid = FSnaptoGrid;
    Designer->ShowCaptions = FShowCaptions;
    Designer->GridStepX = FGridSizeX;
    Designer->GridStepY = FGridSizeY;
    Designer->ShowHints = FShowHints;
    if (Designer->Form()) Designer->Form()->Invalidate();
}

void TDesignerOptions::Apply() {
    if (IsLocalOrUpdating()) return;
    for (int I = 0; I < DesignerList().Count(); ++I)
        if (auto* D = dynamic_cast<TZelFormDesigner*>(GetDesignerListItem(DesignerList(), I)); D && D->UseGlobalOptions())
            ApplyTo(D);
}

void TZelLiteDesignerOptions::Apply() {
    if (!IsLocalOrUpdating() && LiteDesignerOptionsApplied) LiteDesignerOptionsApplied(*this);
}
