#pragma once
// The designer interface of a designed form. The form holds its designer
// as an IDesignerHook (the calls the framework itself makes); the designer
// library derives its designer from TFormDesigner and fills every
// operation. Property and component editors reach the design environment
// only through these operations. Portable: no windows.h.
#include <functional>
#include <string>
#include <vector>

#include "framework/classes/Component.h"
#include "framework/classes/TypeInfo.h"
#include "framework/uicore/DesignerHook.h"

class TCustomForm;

// Receives one name per call (component names, method names, values).
using TGetStrProc = std::function<void(const std::string& S)>;

// A design-time list of selected objects, in selection order. It does not
// own them.
class TDesignerSelectionList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    TPersistent* Items(int Index) const { return FItems.at(static_cast<size_t>(Index)); }
    // Appends Item unless it is already listed; returns its index.
    int Add(TPersistent* Item);
    int IndexOf(const TPersistent* Item) const;
    void Remove(const TPersistent* Item);
    void Clear() { FItems.clear(); }
    bool Equals(const TDesignerSelectionList& Other) const { return FItems == Other.FItems; }

private:
    std::vector<TPersistent*> FItems;
};

class TDesigner : public IDesignerHook {
public:
    // The form this designer designs; not owned.
    TCustomForm* Form() const { return FForm; }
    void SetForm(TCustomForm* Value) { FForm = Value; }

private:
    TCustomForm* FForm = nullptr;
};

// The rest of the designer operations, in this order after the five of
// IDesignerHook.
class TFormDesigner : public TDesigner {
public:
    // A handler named Name for an event of type TypeData (empty when the
    // designer creates none).
    virtual TMethod CreateEventMethod(const std::string& Name, const TTypeInfo* TypeData) = 0;
    virtual std::string GetEventMethodName(const TMethod& Method) = 0;
    // Every existing handler that fits an event of type TypeData.
    virtual void EnumEventMethods(const TTypeInfo* TypeData, TGetStrProc Proc) = 0;
    virtual std::string GetPrivateFolder() = 0;
    // Appends the selection to List (which is not cleared first).
    virtual void GetSelectedComponents(TDesignerSelectionList* List) = 0;
    virtual bool EventMethodExists(const std::string& Name) = 0;
    virtual void RenameEventMethod(const std::string& CurName, const std::string& NewName) = 0;
    virtual void SelectSingle(TPersistent* Instance) = 0;
    virtual void SetSelectedComponents(TDesignerSelectionList* List) = 0;
    virtual void ShowEventMethod(const std::string& Name) = 0;
    virtual std::string MakeUniqueName(const std::string& BaseName) = 0;
    // The names of the components of the root whose class is TypeData's
    // class or descends from it.
    virtual void EnumComponentNames(const TTypeInfo* TypeData, TGetStrProc Proc) = 0;
    virtual TComponent* FindComponentByName(const std::string& Name) = 0;
    virtual std::string GetQualifiedName(TComponent* Component) = 0;
    virtual TPersistent* FindObjectByName(const std::string& Name) = 0;
    virtual std::string GetObjectDisplayName(TPersistent* Instance) = 0;
    virtual void EnumObjectNames(const TTypeInfo* TypeData, TGetStrProc Proc) = 0;
    virtual bool IsInheritedMethod(const TMethod& Method) = 0;
    virtual TComponent* CreateComponentAt(const TClass* ComponentClass, TComponent* Parent, int Left, int Top,
                                          int Width, int Height) = 0;
    virtual bool IsLinkable(TComponent* Component) = 0;
    virtual void MakeLinkable(TComponent* Component) = 0;
    virtual TComponent* GetRootComponent() = 0;
    virtual void RevertProperty(TPersistent* Instance, const TPropInfo* Prop) = 0;
    virtual bool IsDormant() = 0;
    virtual bool HasCodeInterface() = 0;
    virtual bool HasCodeMember(const std::string& Name) = 0;
    virtual void AddCodeMember(const std::string& Text) = 0;
};
