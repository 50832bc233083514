#pragma once
// Property verbs of components: registering them, and running one, which
// opens the property editor of its property on the component.
#include <string>

#include "framework/design/ComponentEditors.h"

// Appends a verb for components of ComponentClass (nullptr: all) to the
// application object's list; nothing without the application object.
void RegisterPropertyVerb(const std::string& Caption, const TClass* ComponentClass, const std::string& PropName);
// Runs the property editor of PropName (any case) on Component, through
// the component's designer or, without one, a designer made for the call.
// Nothing when no property of that name is found.
void OpenPropertyEditor(TComponent* Component, const std::string& PropName);

// A component editor whose verbs are the component's property verbs.
class TActionEditor : public TDefaultEditor {
public:
    using TDefaultEditor::TDefaultEditor;
    int GetVerbCount() override;
    std::string GetVerb(int Index) override;
    // An index beyond the verbs does nothing.
    void ExecuteVerb(int Index) override;
};
