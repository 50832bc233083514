#pragma once
// A designer that records what it is asked, for the tests of the editors
// and of the design-message routing. Root is the component whose owned
// components it names and finds.
#include <functional>
#include <string>
#include <vector>

#include "framework/design/DesignIntf.h"

class TFakeDesigner : public TFormDesigner {
public:
    TComponent* Root = nullptr;
    // IsDesignMessage: every call is logged; Consume decides the answer.
    struct TSeen {
        TControl* Sender;
        uint32_t Msg;
    };
    std::vector<TSeen> Seen;
    std::function<bool(TControl* Sender, uint32_t Msg)> Consume;
    int Modifications = 0;
    int GridPaints = 0;
    std::vector<std::string> Renames;        // "old>new"
    std::vector<std::string> Notifications;  // "+Name" / "-Name"
    std::vector<std::string> CreatedMethods, ShownMethods;

    bool IsDesignMessage(TControl* Sender, TMessage& Message) override;
    void NotifyModified() override { ++Modifications; }
    void ComponentNotification(TComponent* C, TOperation Op) override {
        Notifications.push_back((Op == opInsert ? "+" : "-") + C->Name());
    }
    void PaintGrid() override { ++GridPaints; }
    void NotifyRename(TComponent*, const std::string& Cur, const std::string& New) override {
        Renames.push_back(Cur + ">" + New);
    }
    TMethod CreateEventMethod(const std::string& Name, const TTypeInfo*) override {
        CreatedMethods.push_back(Name);
        TMethod M;
        M.Name = Name;
        return M;
    }
    std::string GetEventMethodName(const TMethod& M) override { return M.Name; }
    void EnumEventMethods(const TTypeInfo*, TGetStrProc Proc) override {
        for (const std::string& N : CreatedMethods) Proc(N);
    }
    std::string GetPrivateFolder() override { return {}; }
    void GetSelectedComponents(TDesignerSelectionList*) override {}
    bool EventMethodExists(const std::string& Name) override {
        for (const std::string& N : CreatedMethods)
            if (N == Name) return true;
        return false;
    }
    void RenameEventMethod(const std::string&, const std::string&) override {}
    void SelectSingle(TPersistent*) override {}
    void SetSelectedComponents(TDesignerSelectionList*) override {}
    void ShowEventMethod(const std::string& Name) override { ShownMethods.push_back(Name); }
    std::string MakeUniqueName(const std::string& Base) override { return Base + "1"; }
    void EnumComponentNames(const TTypeInfo* Type, TGetStrProc Proc) override {
        for (int I = 0; Root && I < Root->ComponentCount(); ++I)
            if (Root->Components(I)->InheritsFrom(Type->ClassType())) Proc(Root->Components(I)->Name());
    }
    TComponent* FindComponentByName(const std::string& Name) override {
        return Root ? Root->FindComponent(Name) : nullptr;
    }
    std::string GetQualifiedName(TComponent* C) override { return C ? C->Name() : std::string(); }
    TPersistent* FindObjectByName(const std::string&) override { return nullptr; }
    std::string GetObjectDisplayName(TPersistent* Instance) override {
        auto* C = dynamic_cast<TComponent*>(Instance);
        return C ? C->Name() : Instance->GetNamePath();
    }
    void EnumObjectNames(const TTypeInfo*, TGetStrProc) override {}
    bool IsInheritedMethod(const TMethod&) override { return false; }
    TComponent* CreateComponentAt(const TClass*, TComponent*, int, int, int, int) override { return nullptr; }
    bool IsLinkable(TComponent*) override { return false; }
    void MakeLinkable(TComponent*) override {}
    TComponent* GetRootComponent() override { return Root; }
    void RevertProperty(TPersistent*, const TPropInfo*) override {}
    bool IsDormant() override { return false; }
    bool HasCodeInterface() override { return false; }
    bool HasCodeMember(const std::string&) override { return false; }
    void AddCodeMember(const std::string&) override {}
};
