#pragma once
// The property-bound edit: a button edit that edits one published property
// of one component, found by a path that may run through sub-properties
// ("Font.Name"). It takes the inner edit and drop-down that suit the
// property's type, shows the value, commits typed or picked text through
// the class library's property editor and announces every committed change
// on the designer bus. Edits can share the component of another one
// (LinkedEditor); no chain of links may come back to an edit.
#include <memory>
#include <string>
#include <vector>

#include "designer/inspector/ZelEdit.h"
#include "designer/support/MessageBus.h"
#include "designer/support/win/FDesigner.h"
#include "framework/design/PropEdits.h"

// Posted to itself once loaded: the edit shows its property's value again.
inline constexpr UINT PropNameChangedMessage = 2060;

enum TPropButtonKind { bkAuto, bkEllipsis, bkNone };
QRN_ENUM(TPropButtonKind, bkAuto, bkEllipsis, bkNone)

// The inner edit and drop-down classes for a property (RegisterEditClass and
// RegisterPopupClass fill the registries); the newest registration that
// matches wins, nullptr as a drop-down means none. Without a match: the
// plain edit and the plain list.
const TClass* EditClassFor(const TTypeInfo* PropertyType, const TPersistent* Component, const std::string& PropName);
const TClass* PopupClassFor(const TTypeInfo* PropertyType, const TPersistent* Component, const std::string& PropName);
const TClass* EditClassForEditor(TPropertyEditor* Editor);
const TClass* PopupClassForEditor(TPropertyEditor* Editor);

class TZelCustomPropEditor : public TCustomZelEdit {
    QRN_CLASS(TZelCustomPropEditor, TCustomZelEdit)
public:
    explicit TZelCustomPropEditor(TComponent* AOwner);
    ~TZelCustomPropEditor() override;

    TPersistent* Component() const;
    void SetComponent(TPersistent* Value);
    const std::string& PropName() const { return FPropName; }
    void SetPropName(const std::string& Value);
    TZelCustomPropEditor* LinkedEditor() const { return FLinkedEditor; }
    // Raises "Can't be linked to itself" for a link that closes a cycle.
    void SetLinkedEditor(TZelCustomPropEditor* Value);
    TPropButtonKind Button1Kind() const { return FButton1Kind; }
    void SetButton1Kind(TPropButtonKind Value);
    TPropertyEditor* PropEditor() const { return FPropEditor; }
    // For the inspector: an editor it owns itself.
    void SetPropEditor(TPropertyEditor* Editor);

    void SetText(const std::string& Value) override;
    void UpdateEditSource() override;
    void Change() override;
    bool GetReadOnly() override;
    void RestoreText() override;
    void UpdatePopupText() override;
    void ReadPopupText() override;

    virtual std::unique_ptr<TPropertyEditor> FindPropertyEditor(const std::string& Path);
    virtual const TClass* GetPropEditClass() { return EditClassForEditor(FPropEditor); }
    virtual const TClass* GetPropPopupClass() { return PopupClassForEditor(FPropEditor); }
    virtual bool CanCycleValues() { return true; }
    virtual void Rebind();
    virtual void UpdateFromPropEditor();
    // The "..." button: the property editor's dialog (the inspector's
    // editor runs it through the inspector, which may forbid it).
    virtual void EditWithDialog();

    // The bus: a list of modified objects that holds this edit's component
    // refreshes it.
    void DesignerModified(TZelMessage& Message);
    void WndProc(TMessage& Message) override;

protected:
    void Loaded() override;
    // With a property editor (and no open drop-down): its dialog, as the
    // "..." button opens it.
    void DblClick() override;
    void CreateHandle() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void BindComponent();
    // DesignerModifiedMessage with the component as a one-entry list and
    // the property name.
    void Announce();

    // Shows a text in the edit without committing it to the property (a
    // text shown is no value of the user's, even where typed text applies
    // at once).
    void ShowText(const std::string& Text);

private:
    void ShowValue();
    void EditorButtonClick(TObject* Sender);
    void CycleValue(bool Forward);

    std::string FPropName;
    TPersistent* FComponent = nullptr;
    TZelCustomPropEditor* FLinkedEditor = nullptr;
    std::vector<TZelCustomPropEditor*> FDependents;
    std::unique_ptr<TPropertyEditor> FOwnedEditor;
    TPropertyEditor* FPropEditor = nullptr;
    TPropButtonKind FButton1Kind = bkAuto;
    bool FSetting = false;
    bool FOwnButton1Handler = false;  // the dialog handler this edit gave its first button
    // The designer property editors ask when the component's form has none.
    std::unique_ptr<TFDesigner> FOwnDesigner;
};

class TZelPropEditor : public TZelCustomPropEditor {
    QRN_CLASS(TZelPropEditor, TZelCustomPropEditor)
public:
    using TZelCustomPropEditor::TZelCustomPropEditor;
};
