#include "designer/support/WrapperInfo.h"

#include <vector>

namespace {
std::vector<TWrapperInfo>& WrapperInfoList() {
    static std::vector<TWrapperInfo> List;
    return List;
}
}  // namespace

void AddWrapperInfo(TComponent* Wrapped, TComponent* Wrapper) { WrapperInfoList().push_back({Wrapped, Wrapper}); }

void RemoveWrapperInfo(TComponent* Wrapper) {
    std::erase_if(WrapperInfoList(), [&](const TWrapperInfo& I) { return I.Wrapper == Wrapper; });
}

int WrapperInfoCount() { return static_cast<int>(WrapperInfoList().size()); }

TComponent* WrappedObjectOf(const TComponent* Wrapper) {
    for (const TWrapperInfo& I : WrapperInfoList())
        if (I.Wrapper == Wrapper) return I.Wrapped;
    return nullptr;
}

TComponent* WrapperOf(const TComponent* Object) {
    for (const TWrapperInfo& I : WrapperInfoList())
        if (I.Wrapped == Object) return I.Wrapper;
    return nullptr;
}

void ShutdownWrapperInfoList() { WrapperInfoList().clear(); }
