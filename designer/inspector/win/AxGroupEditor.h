#pragma once
// TAxMultiSelectPropEdit: one row for the editors of one name from several
// selected components (ActiveX controls among them). It answers for all of
// them: equal when every value is, the attributes they share, the first
// editor's name and value (and edit classes), a new value set on each in
// turn. The
// member editors stay owned by the inspector's editor list.
#include <vector>

#include "framework/design/PropEdits.h"

class TAxMultiSelectPropEdit : public TPropertyEditor {
public:
    using TPropertyEditor::TPropertyEditor;
    std::vector<TPropertyEditor*> Editors;

    std::string GetName() override;
    std::string GetValue() override;
    void SetValue(const std::string& Value) override;
    TPropertyAttributes GetAttributes() override;
    void GetValues(TGetStrProc Proc) override;
    void Edit() override {}
    bool AllEqual() override;
    int GetEditLimit() override;
};
