#pragma once
// The designer library's own property editors and the start-up
// registration of the framework's standard editors (unless the host has
// registered them already).
#include <string>

#include "framework/design/ComponentEditors.h"
#include "framework/design/PropEdits.h"

// A font size: the usual point sizes offered.
class TFontSizePropEdit : public TIntegerProperty {
public:
    using TIntegerProperty::TIntegerProperty;
    TPropertyAttributes GetAttributes() override;
    void GetValues(TGetStrProc Proc) override;
};

// A file name, chosen in the open-file dialog.
class TFileNameEdit : public TPropertyEditor {
public:
    using TPropertyEditor::TPropertyEditor;
    TPropertyAttributes GetAttributes() override;
    std::string GetValue() override;
    void SetValue(const std::string& Value) override;
    void Edit() override;
    // The dialog's default extension and filter; descendants name theirs.
    virtual std::string GetDefaultExt();
    virtual std::string GetFilter();
};

// A computer name, chosen in the network browser.
class TComputerNameProperty : public TStringProperty {
public:
    using TStringProperty::TStringProperty;
    TPropertyAttributes GetAttributes() override;
    void Edit() override;
};

// Registered at start-up for a component that nothing else uses: the
// library's registrations then always stand in an editor group.
class TFakeComponent : public TComponent {
    QRN_CLASS(TFakeComponent, TComponent)
public:
    using TComponent::TComponent;
    std::string NN;
};
class TFakePropertyEditor : public TStringProperty {
public:
    using TStringProperty::TStringProperty;
};
class TFakeComponentEditor : public TComponentEditor {
public:
    using TComponentEditor::TComponentEditor;
};
void RegisterFakeEditors();

// True when the host registered the framework's standard editors (the
// editor of a TColor property is TColorProperty).
bool StandardEditorsRegistered();
// Unless StandardEditorsRegistered: the standard editors for any class.
void RegisterStandardPropertyEditors();
// File names and computer names of any component.
void RegisterNamedPropertyEditors();
