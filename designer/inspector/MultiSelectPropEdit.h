#pragma once
// One row for a property of the same name on several components: it holds
// one property editor per component and answers for all of them.
#include <memory>
#include <vector>

#include "framework/design/PropEdits.h"

class TMultiSelectPropEdit : public TPropertyEditor {
public:
    explicit TMultiSelectPropEdit(TFormDesigner* Designer) : TPropertyEditor(Designer, 0) {}
    void Add(std::unique_ptr<TPropertyEditor> Editor) { FEditors.push_back(std::move(Editor)); }
    int EditorCount() const { return static_cast<int>(FEditors.size()); }
    TPropertyEditor* Editors(int Index) const { return FEditors.at(static_cast<size_t>(Index)).get(); }
    TPropertyEditor* First() const { return FEditors.empty() ? nullptr : FEditors.front().get(); }

    // The type of the first editor's property (a group has no entries of its own).
    virtual const TTypeInfo* GetPropType() const;
    bool AllEqual() override;
    void Edit() override {}
    TPropertyAttributes GetAttributes() override;
    int GetEditLimit() override;
    std::string GetName() override;
    std::string GetValue() override;
    void GetValues(TGetStrProc Proc) override;
    void GetProperties(TGetPropEditProc) override {}
    void SetValue(const std::string& Value) override;

private:
    std::vector<std::unique_ptr<TPropertyEditor>> FEditors;
};
