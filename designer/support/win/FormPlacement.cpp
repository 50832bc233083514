#include "designer/support/win/FormPlacement.h"

#include "designer/support/win/RegistryValues.h"
#include "framework/forms/Forms.h"

static_assert(sizeof(WINDOWPLACEMENT) == FormPlacementSize);

namespace {
std::string ValuePath(const std::string& Name, const char* Value) { return "Forms\\" + Name + "\\" + Value; }
}  // namespace

void RestoreFormPlacement(TControl* Control, const std::string& Name) {
    if (!Control) return;
    const std::string Path = ValuePath(Name, "WinPos");
    if (GetRegistryDataSize(Path) != FormPlacementSize) return;
    WINDOWPLACEMENT P{};
    if (ReadRegistryBinary(Path, &P, FormPlacementSize) != FormPlacementSize) return;
    const RECT& R = P.rcNormalPosition;
    Control->SetBounds(R.left, R.top, R.right - R.left, R.bottom - R.top);
    if (auto* Form = dynamic_cast<TCustomForm*>(Control)) {
        const int State = ReadFromRegistry(ValuePath(Name, "WindowState"), Variant(0)).AsInteger();
        if (State >= wsNormal && State <= wsMaximized) Form->SetWindowState(static_cast<TWindowState>(State));
    }
}

void SaveFormPlacement(TControl* Control, const std::string& Name) {
    auto* Windowed = dynamic_cast<TWinControl*>(Control);
    if (!Windowed || !Windowed->HandleAllocated()) return;
    WINDOWPLACEMENT P{};
    P.length = sizeof(P);
    if (!GetWindowPlacement(Windowed->Handle(), &P)) return;
    WriteRegistryBinary(ValuePath(Name, "WinPos"), &P, FormPlacementSize);
    if (auto* Form = dynamic_cast<TCustomForm*>(Control))
        WriteToRegistry(ValuePath(Name, "WindowState"), Variant(static_cast<int>(Form->WindowState())));
}

void SaveFormPlacementQuietly(TControl* Control, const std::string& Name) noexcept {
    try {
        SaveFormPlacement(Control, Name);
    } catch (...) {
        // Only the next start's position is lost.
    }
}
