#include "designer/inspector/win/AxGroupEditor.h"

#include <algorithm>

std::string TAxMultiSelectPropEdit::GetName() { return Editors.empty() ? std::string() : Editors.front()->GetName(); }

std::string TAxMultiSelectPropEdit::GetValue() {
    return Editors.empty() ? std::string() : Editors.front()->GetValue();
}

void TAxMultiSelectPropEdit::SetValue(const std::string& Value) {
    for (TPropertyEditor* E : Editors) E->SetValue(Value);
}

TPropertyAttributes TAxMultiSelectPropEdit::GetAttributes() {
    if (Editors.empty()) return {};
    TPropertyAttributes Result = Editors.front()->GetAttributes();
    for (TPropertyEditor* E : Editors) Result = Result * E->GetAttributes();
    return Result;
}

void TAxMultiSelectPropEdit::GetValues(TGetStrProc Proc) {
    if (!Editors.empty()) Editors.front()->GetValues(Proc);
}

bool TAxMultiSelectPropEdit::AllEqual() {
    if (Editors.empty()) return true;
    const std::string First = Editors.front()->GetValue();
    return std::all_of(Editors.begin(), Editors.end(), [&](TPropertyEditor* E) { return E->GetValue() == First; });
}

int TAxMultiSelectPropEdit::GetEditLimit() {
    int Limit = 255;
    for (TPropertyEditor* E : Editors) Limit = std::min(Limit, E->GetEditLimit());
    return Limit;
}
