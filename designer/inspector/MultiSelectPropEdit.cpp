#include "designer/inspector/MultiSelectPropEdit.h"

#include <algorithm>

const TTypeInfo* TMultiSelectPropEdit::GetPropType() const {
    TPropertyEditor* F = First();
    return F && F->PropCount() ? F->GetPropType() : nullptr;
}

bool TMultiSelectPropEdit::AllEqual() {
    if (FEditors.empty()) return true;
    const std::string Value = FEditors.front()->GetValue();
    return std::all_of(FEditors.begin() + 1, FEditors.end(), [&](auto& E) { return E->GetValue() == Value; });
}

TPropertyAttributes TMultiSelectPropEdit::GetAttributes() {
    if (FEditors.empty()) return {};
    TPropertyAttributes Result = FEditors.front()->GetAttributes();
    for (auto& E : FEditors) Result = Result * E->GetAttributes();
    return Result;
}

int TMultiSelectPropEdit::GetEditLimit() {
    int Limit = FEditors.empty() ? TPropertyEditor::GetEditLimit() : FEditors.front()->GetEditLimit();
    for (auto& E : FEditors) Limit = std::min(Limit, E->GetEditLimit());
    return Limit;
}

std::string TMultiSelectPropEdit::GetName() { return First() ? First()->GetName() : std::string(); }
std::string TMultiSelectPropEdit::GetValue() { return First() ? First()->GetValue() : std::string(); }

void TMultiSelectPropEdit::GetValues(TGetStrProc Proc) {
    if (First()) First()->GetValues(Proc);
}

void TMultiSelectPropEdit::SetValue(const std::string& Value) {
    for (auto& E : FEditors) E->SetValue(Value);
}
