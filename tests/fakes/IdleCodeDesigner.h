#pragma once
// A code designer attached for its lifetime or its checks alone: it keeps
// no code, so every method operation does nothing.
#include <string>

#include "designer/support/CodeDesigner.h"

class TIdleCodeDesigner : public TCodeDesigner {
public:
    explicit TIdleCodeDesigner(TComponent* AOwner = nullptr) : TCodeDesigner(AOwner) {}
    std::string VariantTypeName(int) override { return {}; }
    void CreateMethod(const std::string&, const TTypeInfo*) override {}
    void EnumMethods(const TTypeInfo*, TGetStrProc) override {}
    bool MethodExists(const std::string&) override { return false; }
    void RenameMethod(const std::string&, const std::string&) override {}
    void ShowMethod(const std::string&) override {}
};
