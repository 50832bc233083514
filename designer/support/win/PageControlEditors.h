#pragma once
// Design-time editors of page controls: the "New Page", "Next Page" and
// "Previous Page" commands, and the active page chosen among the page
// control's own sheets.
#include "framework/design/ComponentEditors.h"

class TPageControlEditor : public TComponentEditor {
public:
    using TComponentEditor::TComponentEditor;
    void ExecuteVerb(int Index) override;
    std::string GetVerb(int Index) override;
    int GetVerbCount() override { return 3; }
};

class TActivePageProperty : public TComponentProperty {
public:
    using TComponentProperty::TComponentProperty;
    void GetValues(TGetStrProc Proc) override;
};

// Registers both (through the library's registration bracket).
void RegisterPageControlEditors();
