#include "designer/support/win/HistoryStringEdit.h"

#include "designer/support/win/RegistryValues.h"
#include "framework/classes/Component.h"

TPropertyAttributes THistoryStringEdit::GetAttributes() {
    TPropertyAttributes A = TStringProperty::GetAttributes();
    A.Include(paValueList);
    return A;
}

void THistoryStringEdit::GetValues(TGetStrProc Proc) {
    TStringList* List = GetHistory();
    for (int I = 0; I < List->Count(); ++I) Proc(List->Strings(I));
}

void THistoryStringEdit::SetValue(const std::string& Value) {
    TStringProperty::SetValue(Value);
    AddToHistory(Value);
}

void THistoryStringEdit::SaveHistory() { WriteToRegistry(GetHistoryKey(), Variant(GetHistory()->Text())); }

void THistoryStringEdit::LoadHistory() {
    GetHistory()->SetText(ReadFromRegistry(GetHistoryKey(), Variant(std::string())).AsString());
}

std::string THistoryStringEdit::GetHistoryKey() {
    TPersistent* Edited = GetComponent(0);
    std::string Key;
    if (auto* Component = dynamic_cast<TComponent*>(Edited); Component && Component->Owner())
        Key = Component->Owner()->GetNamePath();
    if (Edited) Key += Edited->GetNamePath();
    Key += GetName();
    return "EditHistory\\" + (Key.empty() ? std::string("Default") : Key);
}

TStringList* THistoryStringEdit::GetHistory() {
    if (!FHistory) {
        FHistory = std::make_unique<TStringList>();
        LoadHistory();
    }
    return FHistory.get();
}

void THistoryStringEdit::AddToHistory(const std::string& Value) {
    if (Value.empty()) return;
    TStringList* List = GetHistory();
    if (const int Old = List->IndexOf(Value); Old >= 0) List->Delete(Old);
    List->Insert(0, Value);
    SaveHistory();
}
