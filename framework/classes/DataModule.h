#pragma once
// TDataModule: a root component without a window that only holds
// non-visual components. The designer shows it as a plain window, so the
// module keeps that window's position and size (streamed as Left, Top,
// Width and Height). Every live data module of this binary is listed (the
// screen shows the list as its data modules).
#include "framework/classes/Component.h"
#include "framework/classes/UiTypes.h"

class TDataModule : public TComponent {
    QRN_CLASS(TDataModule, TComponent)
public:
    explicit TDataModule(TComponent* AOwner);
    ~TDataModule() override;

    TPoint DesignOffset() const { return FDesignOffset; }
    void SetDesignOffset(TPoint Value) { FDesignOffset = Value; }
    TPoint DesignSize() const { return FDesignSize; }
    void SetDesignSize(TPoint Value) { FDesignSize = Value; }

    void DefineProperties(TFiler* Filer) override;

private:
    TPoint FDesignOffset;
    TPoint FDesignSize;
};

// The data modules alive in this binary, oldest first.
int DataModuleCount();
TDataModule* DataModules(int Index);  // EListError when out of range
