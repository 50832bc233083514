#pragma once
// The designer library's designer: the object hung on a designed form (its
// Designer) or made for a moment where a property editor needs one. It
// fills every designer operation with a working default, keeps the
// selection, and turns the framework's notifications (modified, inserted,
// renamed, selection set) into broadcasts on the listener bus, so that the
// inspector, the palette and the verbs hear of them without knowing the
// designer. The form designer engine derives its designer from it.
//
//   auto Designer = std::make_unique<TFDesigner>();
//   Designer->SetForm(Form);
//   Form->SetDesigner(Designer.get());
//   Designer->SelectSingle(Button1);   // broadcasts SelectionChangedMessage
#include <memory>
#include <string>

#include "framework/design/DesignIntf.h"
#include "framework/rtl/List.h"

class TWinControl;

class TFDesigner : public TFormDesigner {
public:
    TFDesigner();
    ~TFDesigner() override;
    TFDesigner(const TFDesigner&) = delete;
    TFDesigner& operator=(const TFDesigner&) = delete;

    // ---- the framework's designer operations, in slot order
    bool IsDesignMessage(TControl* Sender, TMessage& Message) override;
    // Broadcasts DesignerModifiedMessage with the selection as the changed
    // objects; an empty selection stands for the root during that call.
    void NotifyModified() override;
    // An insertion into this designer's root: ComponentInsertedMessage.
    void ComponentNotification(TComponent* AComponent, TOperation Operation) override;
    void PaintGrid() override;
    // ComponentRenamedMessage, LParam = the new name (null-terminated).
    void NotifyRename(TComponent* AComponent, const std::string& CurName, const std::string& NewName) override;
    TMethod CreateEventMethod(const std::string& Name, const TTypeInfo* TypeData) override;
    std::string GetEventMethodName(const TMethod& Method) override;
    void EnumEventMethods(const TTypeInfo* TypeData, TGetStrProc Proc) override;
    // The running program's folder, with its separator.
    std::string GetPrivateFolder() override;
    void GetSelectedComponents(TDesignerSelectionList* List) override;
    bool EventMethodExists(const std::string& Name) override;
    void RenameEventMethod(const std::string& CurName, const std::string& NewName) override;
    void SelectSingle(TPersistent* Instance) override;
    void SetSelectedComponents(TDesignerSelectionList* List) override;
    void ShowEventMethod(const std::string& Name) override;
    std::string MakeUniqueName(const std::string& BaseName) override;
    void EnumComponentNames(const TTypeInfo* TypeData, TGetStrProc Proc) override;
    // "Root.Name" paths are looked up on the screen's roots.
    TComponent* FindComponentByName(const std::string& Name) override;
    std::string GetQualifiedName(TComponent* Component) override;
    TPersistent* FindObjectByName(const std::string& Name) override;
    std::string GetObjectDisplayName(TPersistent* Instance) override;
    void EnumObjectNames(const TTypeInfo* TypeData, TGetStrProc Proc) override;
    bool IsInheritedMethod(const TMethod& Method) override;
    TComponent* CreateComponentAt(const TClass* ComponentClass, TComponent* Parent, int Left, int Top, int Width,
                                  int Height) override;
    bool IsLinkable(TComponent* Component) override;
    void MakeLinkable(TComponent* Component) override;
    TComponent* GetRootComponent() override;
    void RevertProperty(TPersistent* Instance, const TPropInfo* Prop) override;
    bool IsDormant() override;
    bool HasCodeInterface() override;
    bool HasCodeMember(const std::string& Name) override;
    void AddCodeMember(const std::string& Text) override;

    // ---- added by this designer, in slot order
    // DesignRoot when set, else the form.
    virtual TComponent* GetDesignRoot();
    // The engine skips components it may not select when it picks or
    // cycles the selection.
    virtual bool CanSelectComponent(TComponent* Component);
    // False: the inspector shows the property read-only.
    virtual bool CanEditProperty(TComponent* Component, const std::string& PropName);
    // False: the inspector hides the property.
    virtual bool CanShowProperty(TComponent* Component, const std::string& PropName);

    // Over a whole list of components (True for an empty list).
    bool CanShowPropertyForAll(const TList* List, const std::string& PropName);
    bool CanEditPropertyForAll(const TList* List, const std::string& PropName);

    // A container designed in place of the whole root (nullptr: the root).
    // A control that cannot hold controls raises EPropertyError and the
    // old container stays.
    TWinControl* GetDesignContainer() const { return FDesignContainer; }
    void SetDesignContainer(TWinControl* Control);
    // The selected components (as TPersistent pointers); owned by the
    // designer, callers only read it.
    TList* SelectionList() const { return FSelection.get(); }
    // A root designed instead of the form (a data module shown through a
    // wrapper form); nullptr: the form is the root.
    void SetDesignRoot(TComponent* Value) { FDesignRoot = Value; }
    // Drops the first nil entry; an empty selection without a container
    // holds the root; wrapper forms stand for the object they wrap.
    void NormalizeSelection();
    // Normalises, then broadcasts SelectionChangedMessage (WParam = the
    // selection list, LParam = this designer).
    void SelectionChanged();

private:
    TComponent* FDesignRoot = nullptr;
    TWinControl* FDesignContainer = nullptr;
    std::unique_ptr<TList> FSelection;
};

// Every live TFDesigner, in creation order (created on first use).
TList& DesignerList();
TFDesigner* GetDesignerListItem(const TList& List, int Index);
// Forgets the list (the library's end; live designers stay usable).
void ShutdownDesignerList();

bool IsFDesigner(const IDesignerHook* Designer);
