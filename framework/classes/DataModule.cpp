#include "framework/classes/DataModule.h"

#include <algorithm>
#include <vector>

#include "framework/classes/Filer.h"
#include "framework/rtl/Exceptions.h"
#include "framework/rtl/Format.h"

namespace {
std::vector<TDataModule*>& LiveModules() {
    static std::vector<TDataModule*> Modules;
    return Modules;
}

// One stored coordinate: written when it differs from the ancestor's.
void DefineCoordinate(TFiler* Filer, const char* Name, int32_t& Value, int32_t AncestorValue) {
    Filer->DefineProperty(
        Name, [&Value](TReader* R) { Value = R->ReadInteger(); }, [&Value](TWriter* W) { W->WriteInteger(Value); },
        Value != AncestorValue);
}
}  // namespace

QRN_PUBLISHED(TDataModule) {}

TDataModule::TDataModule(TComponent* AOwner) : TComponent(AOwner) { LiveModules().push_back(this); }

TDataModule::~TDataModule() {
    auto& Modules = LiveModules();
    Modules.erase(std::remove(Modules.begin(), Modules.end(), this), Modules.end());
}

void TDataModule::DefineProperties(TFiler* Filer) {
    // Position and size replace the component's packed Left/Top.
    const auto* Ancestor = dynamic_cast<const TDataModule*>(Filer->Ancestor());
    const TPoint AncestorOffset = Ancestor ? Ancestor->FDesignOffset : TPoint{};
    const TPoint AncestorSize = Ancestor ? Ancestor->FDesignSize : TPoint{};
    DefineCoordinate(Filer, "Left", FDesignOffset.X, AncestorOffset.X);
    DefineCoordinate(Filer, "Top", FDesignOffset.Y, AncestorOffset.Y);
    DefineCoordinate(Filer, "Width", FDesignSize.X, AncestorSize.X);
    DefineCoordinate(Filer, "Height", FDesignSize.Y, AncestorSize.Y);
}

int DataModuleCount() { return static_cast<int>(LiveModules().size()); }

TDataModule* DataModules(int Index) {
    if (Index < 0 || Index >= DataModuleCount()) throw EListError(Format("List index out of bounds (%d)", {Index}));
    return LiveModules()[static_cast<size_t>(Index)];
}
