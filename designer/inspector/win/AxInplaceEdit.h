#pragma once
// The in-place editor of the ActiveX-aware inspector: while the last
// listed control is an ActiveX control, a row's inner edit and drop-down
// are chosen as ActiveX rows need them.
#include "designer/inspector/win/OInplaceEdit.h"

class TAxInplaceEdit : public TOInplaceEdit {
    QRN_CLASS(TAxInplaceEdit, TOInplaceEdit)
public:
    explicit TAxInplaceEdit(TComponent* AOwner) : TOInplaceEdit(AOwner) {}
    const TClass* GetPropEditClass() override;
    const TClass* GetPropPopupClass() override;
};
