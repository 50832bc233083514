// The standard property editors: value texts and value lists by kind and
// for the framework's named types.
#include <cctype>

#include "framework/design/PropEdits.h"
#include "framework/rtl/DateUtils.h"
#include "framework/rtl/StrUtils.h"
#include "framework/uicore/Colors.h"
#include "framework/uicore/CursorNames.h"
#include "framework/uicore/ShortCuts.h"

namespace {

[[noreturn]] void InvalidValue() { throw EPropertyError("Invalid property value"); }

struct TIdent {
    int64_t Value;
    const char* Name;
};

const TIdent ModalResults[] = {{0, "mrNone"}, {1, "mrOk"},     {2, "mrCancel"}, {3, "mrAbort"}, {4, "mrRetry"},
                               {5, "mrIgnore"}, {6, "mrYes"}, {7, "mrNo"},     {8, "mrAll"}};

const TIdent Charsets[] = {
    {0, "ANSI_CHARSET"},        {1, "DEFAULT_CHARSET"},     {2, "SYMBOL_CHARSET"},   {77, "MAC_CHARSET"},
    {128, "SHIFTJIS_CHARSET"},  {129, "HANGEUL_CHARSET"},   {130, "JOHAB_CHARSET"},  {134, "GB2312_CHARSET"},
    {136, "CHINESEBIG5_CHARSET"}, {161, "GREEK_CHARSET"},   {162, "TURKISH_CHARSET"}, {163, "VIETNAMESE_CHARSET"},
    {177, "HEBREW_CHARSET"},    {178, "ARABIC_CHARSET"},    {186, "BALTIC_CHARSET"}, {204, "RUSSIAN_CHARSET"},
    {222, "THAI_CHARSET"},      {238, "EASTEUROPE_CHARSET"}, {255, "OEM_CHARSET"}};

template <size_t N>
bool ToIdent(const TIdent (&Table)[N], int64_t Value, std::string& Ident) {
    for (const TIdent& I : Table)
        if (I.Value == Value) {
            Ident = I.Name;
            return true;
        }
    return false;
}

template <size_t N>
bool FromIdent(const TIdent (&Table)[N], const std::string& Ident, int64_t& Value) {
    for (const TIdent& I : Table)
        if (SameText(I.Name, Ident)) {
            Value = I.Value;
            return true;
        }
    return false;
}

template <size_t N>
void ListTable(const TIdent (&Table)[N], const TGetStrProc& Proc) {
    for (const TIdent& I : Table) Proc(I.Name);
}

// An integer typed by the user, in decimal or $hex, within the type's range.
int64_t ParseInteger(const std::string& Text, const TTypeInfo* Type) {
    int64_t V = 0;
    if (!TryStrToInt64(Trim(Text), V)) throw EPropertyError("'" + Text + "' is not a valid integer value");
    if (Type && Type->MinValue < Type->MaxValue && (V < Type->MinValue || V > Type->MaxValue))
        throw EPropertyError("Value must be between " + std::to_string(Type->MinValue) + " and " +
                             std::to_string(Type->MaxValue));
    return V;
}

bool StrIsTrue(const std::string& Text) {
    if (SameText(Text, "True")) return true;
    if (SameText(Text, "False")) return false;
    InvalidValue();
}

// Reads "date [time]" or "time" in the order of the short date format.
bool ParseDateTime(const std::string& Text, TDateTime& Result) {
    std::vector<int> Date, Time;
    std::vector<int>* Part = &Date;
    int Value = -1;
    const auto Flush = [&] {
        if (Value >= 0) Part->push_back(Value);
        Value = -1;
    };
    for (char C : Text) {
        if (std::isdigit(static_cast<unsigned char>(C))) {
            Value = (Value < 0 ? 0 : Value * 10) + (C - '0');
            if (Value > 100000) return false;
        } else if (C == FormatSettings.TimeSeparator) {
            if (Part == &Date && Date.empty()) Part = &Time;
            if (Part != &Time) return false;
            Flush();
        } else if (C == FormatSettings.DateSeparator || C == ' ') {
            Flush();
            if (C == ' ' && !Date.empty()) Part = &Time;
        } else {
            return false;
        }
    }
    Flush();
    if (Date.size() == 2 && Time.empty() && Text.find(FormatSettings.TimeSeparator) != std::string::npos) std::swap(Date, Time);
    TDateTime D = 0, T = 0;
    if (!Date.empty()) {
        if (Date.size() != 3) return false;
        int Y = 0, M = 0, Dd = 0, Pos = 0;
        for (char C : FormatSettings.ShortDateFormat) {
            const char L = static_cast<char>(std::tolower(static_cast<unsigned char>(C)));
            if ((L == 'd' && Dd) || (L == 'm' && M) || (L == 'y' && Y) || (L != 'd' && L != 'm' && L != 'y')) continue;
            if (Pos > 2) break;
            (L == 'd' ? Dd : L == 'm' ? M : Y) = Date[static_cast<size_t>(Pos++)];
        }
        if (Y < 100) Y += 2000;
        if (!TryEncodeDate(Y, M, Dd, D)) return false;
    }
    if (!Time.empty()) {
        if (Time.size() > 3) return false;
        Time.resize(3, 0);
        if (!TryEncodeTime(Time[0], Time[1], Time[2], 0, T)) return false;
    }
    Result = D < 0 ? D - T : D + T;
    return true;
}

const char* const ShortCutKeys[] = {
    "Ctrl+A", "Ctrl+B", "Ctrl+C", "Ctrl+D", "Ctrl+E", "Ctrl+F", "Ctrl+G", "Ctrl+H", "Ctrl+I", "Ctrl+J", "Ctrl+K",
    "Ctrl+L", "Ctrl+M", "Ctrl+N", "Ctrl+O", "Ctrl+P", "Ctrl+Q", "Ctrl+R", "Ctrl+S", "Ctrl+T", "Ctrl+U", "Ctrl+V",
    "Ctrl+W", "Ctrl+X", "Ctrl+Y", "Ctrl+Z", "Ctrl+F1", "Ctrl+F2", "Ctrl+F3", "Ctrl+F4", "Ctrl+F5", "Ctrl+F6",
    "Ctrl+F7", "Ctrl+F8", "Ctrl+F9", "Ctrl+F10", "Ctrl+F11", "Ctrl+F12", "F1", "F2", "F3", "F4", "F5", "F6", "F7",
    "F8", "F9", "F10", "F11", "F12", "Shift+F1", "Shift+F2", "Shift+F3", "Shift+F4", "Shift+F5", "Shift+F6",
    "Shift+F7", "Shift+F8", "Shift+F9", "Shift+F10", "Shift+F11", "Shift+F12", "Shift+Ctrl+F1", "Shift+Ctrl+F2",
    "Shift+Ctrl+F3", "Shift+Ctrl+F4", "Shift+Ctrl+F5", "Shift+Ctrl+F6", "Shift+Ctrl+F7", "Shift+Ctrl+F8",
    "Shift+Ctrl+F9", "Shift+Ctrl+F10", "Shift+Ctrl+F11", "Shift+Ctrl+F12", "Ins", "Shift+Ins", "Ctrl+Ins", "Del",
    "Shift+Del", "Ctrl+Del", "Alt+BkSp", "Shift+Alt+BkSp"};
constexpr const char* NoShortCut = "(None)";

}  // namespace

bool ModalResultToIdent(int64_t Value, std::string& Ident) { return ToIdent(ModalResults, Value, Ident); }
bool IdentToModalResult(const std::string& Ident, int64_t& Value) { return FromIdent(ModalResults, Ident, Value); }
bool CharsetToIdent(int64_t Value, std::string& Ident) { return ToIdent(Charsets, Value, Ident); }
bool IdentToCharset(const std::string& Ident, int64_t& Value) { return FromIdent(Charsets, Ident, Value); }

std::string MakeEventMethodName(TFormDesigner* Designer, TPersistent* Instance, const std::string& EventName) {
    std::string Name = Designer ? Designer->GetObjectDisplayName(Instance) : std::string();
    std::erase_if(Name, [](char C) { return C == '.' || C == '[' || C == ']'; });
    if (Name.empty()) throw EPropertyError("Cannot create a default method name for an unnamed component");
    const bool HasOn = EventName.size() >= 2 && (EventName[0] == 'O' || EventName[0] == 'o') &&
                       (EventName[1] == 'N' || EventName[1] == 'n');
    return Name + (HasOn ? EventName.substr(2) : EventName);
}

// ---- ordinal

bool TOrdinalProperty::AllEqual() {
    return AllSame([this](int A, int B) { return GetOrdValue(A) == GetOrdValue(B); });
}

std::string TIntegerProperty::GetValue() { return std::to_string(GetOrdValue()); }
void TIntegerProperty::SetValue(const std::string& Value) { SetOrdValue(ParseInteger(Value, GetPropType())); }

std::string TCharProperty::GetValue() { return CharPropText(GetOrdValue()); }
void TCharProperty::SetValue(const std::string& Value) {
    int64_t V = 0;
    if (!CharPropValue(Value, V)) InvalidValue();
    SetOrdValue(V);
}

TPropertyAttributes TEnumProperty::GetAttributes() { return {paMultiSelect, paValueList, paSortList, paRevertable}; }
std::string TEnumProperty::GetValue() {
    const int64_t V = GetOrdValue();
    std::string N = GetEnumName(GetPropType(), V);
    return N.empty() ? std::to_string(V) : N;
}
void TEnumProperty::GetValues(TGetStrProc Proc) {
    for (const std::string& N : GetPropType()->EnumNames) Proc(N);
}
void TEnumProperty::SetValue(const std::string& Value) {
    const int V = GetEnumValue(GetPropType(), Trim(Value));
    if (V < 0) InvalidValue();
    SetOrdValue(V);
}

TPropertyAttributes TSetProperty::GetAttributes() { return {paMultiSelect, paSubProperties, paReadOnly, paRevertable}; }
std::string TSetProperty::GetValue() { return SetToString(GetPropType(), GetOrdValue(), true); }
void TSetProperty::SetValue(const std::string& Value) { SetOrdValue(StringToSet(GetPropType(), Value)); }
void TSetProperty::GetProperties(TGetPropEditProc Proc) {
    const TTypeInfo* Element = GetPropType()->CompType();
    if (!Element) return;
    for (int I = 0; I < static_cast<int>(Element->EnumNames.size()) && I < 32; ++I) {
        auto E = std::make_unique<TSetElementProperty>(Designer(), PropCount());
        for (int J = 0; J < PropCount(); ++J) E->SetPropEntry(J, GetComponent(J), GetPropInfo(J));
        E->SetElement(I);
        Proc(std::move(E));
    }
}

std::string TSetElementProperty::GetName() { return GetEnumName(GetPropType()->CompType(), FElement); }
TPropertyAttributes TSetElementProperty::GetAttributes() { return {paMultiSelect, paValueList, paSortList}; }
std::string TSetElementProperty::GetValue() { return (GetOrdValue() >> FElement) & 1 ? "True" : "False"; }
void TSetElementProperty::GetValues(TGetStrProc Proc) {
    Proc("False");
    Proc("True");
}
void TSetElementProperty::SetValue(const std::string& Value) {
    const int64_t Bit = int64_t{1} << FElement;
    const int64_t V = GetOrdValue();
    SetOrdValue(StrIsTrue(Value) ? V | Bit : V & ~Bit);
}
bool TSetElementProperty::AllEqual() {
    return AllSame([this](int A, int B) { return ((GetOrdValue(A) ^ GetOrdValue(B)) >> FElement & 1) == 0; });
}

// ---- floats, strings

TPropertyAttributes TFloatProperty::GetAttributes() { return {paMultiSelect, paRevertable}; }
bool TFloatProperty::AllEqual() {
    return AllSame([this](int A, int B) { return GetFloatValue(A) == GetFloatValue(B); });
}
std::string TFloatProperty::GetValue() { return FloatToStr(GetFloatValue()); }
void TFloatProperty::SetValue(const std::string& Value) {
    double V = 0;
    if (!TryStrToFloat(Trim(Value), V)) throw EPropertyError("'" + Value + "' is not a valid floating point value");
    SetFloatValue(V);
}

TPropertyAttributes TStringProperty::GetAttributes() { return {paMultiSelect, paRevertable}; }
bool TStringProperty::AllEqual() {
    return AllSame([this](int A, int B) { return GetStrValue(A) == GetStrValue(B); });
}
std::string TStringProperty::GetValue() { return GetStrValue(); }
void TStringProperty::SetValue(const std::string& Value) { SetStrValue(Value); }

TPropertyAttributes TCaptionProperty::GetAttributes() { return {paMultiSelect, paAutoUpdate, paRevertable}; }
TPropertyAttributes TComponentNameProperty::GetAttributes() { return {}; }

// ---- objects and events

TPropertyAttributes TClassProperty::GetAttributes() { return {paMultiSelect, paSubProperties, paReadOnly}; }
std::string TClassProperty::GetValue() { return "(" + GetPropType()->TypeName() + ")"; }
void TClassProperty::GetProperties(TGetPropEditProc Proc) {
    TDesignerSelectionList Parts;
    for (int I = 0; I < PropCount(); ++I) {
        auto* Part = dynamic_cast<TPersistent*>(GetObjValue(I));
        if (!Part) return;
        Parts.Add(Part);
    }
    GetComponentProperties(Parts, tkProperties, Designer(), Proc);
}

TPropertyAttributes TComponentProperty::GetAttributes() {
    return {paMultiSelect, paValueList, paSortList, paRevertable};
}
bool TComponentProperty::AllEqual() {
    return AllSame([this](int A, int B) { return GetObjValue(A) == GetObjValue(B); });
}
std::string TComponentProperty::GetValue() {
    auto* C = dynamic_cast<TComponent*>(GetObjValue());
    if (!C) return {};
    return Designer() ? Designer()->GetQualifiedName(C) : C->Name();
}
void TComponentProperty::GetValues(TGetStrProc Proc) {
    if (Designer()) Designer()->EnumComponentNames(GetPropType(), Proc);
}
void TComponentProperty::SetValue(const std::string& Value) {
    const std::string Name = Trim(Value);
    TComponent* C = nullptr;
    if (!Name.empty()) {
        C = Designer() ? Designer()->FindComponentByName(Name) : nullptr;
        const TClass* Wanted = GetPropType()->ClassType();
        if (!C || (Wanted && !C->InheritsFrom(Wanted))) InvalidValue();
    }
    SetObjValue(C);
}

TPropertyAttributes TMethodProperty::GetAttributes() { return {paMultiSelect, paValueList, paSortList, paRevertable}; }
bool TMethodProperty::AllEqual() {
    return AllSame([this](int A, int B) { return SameText(GetMethodValue(A).Name, GetMethodValue(B).Name); });
}
std::string TMethodProperty::GetValue() {
    const TMethod M = GetMethodValue();
    if (!Designer()) return M.Name;
    std::string Name = Designer()->GetEventMethodName(M);
    return Name.empty() ? M.Name : Name;
}
void TMethodProperty::GetValues(TGetStrProc Proc) {
    if (Designer()) Designer()->EnumEventMethods(GetPropType(), Proc);
}
void TMethodProperty::SetValue(const std::string& Value) {
    const std::string NewName = Trim(Value);
    const std::string CurName = GetValue();
    TFormDesigner* D = Designer();
    if (NewName.empty()) {
        SetMethodValue(TMethod{});
        return;
    }
    if (!IsValidIdent(NewName)) throw EPropertyError("'" + NewName + "' is not a valid identifier");
    if (!D) InvalidValue();
    // A handler that is given a name no handler has yet is renamed (unless
    // it comes from an ancestor); any other name binds to that handler,
    // which the designer creates when it does not exist.
    const bool Rename = !CurName.empty() && (SameText(CurName, NewName) || !D->EventMethodExists(NewName)) &&
                        !D->IsInheritedMethod(GetMethodValue());
    if (Rename) {
        D->RenameEventMethod(CurName, NewName);
        Modified();
        return;
    }
    TMethod M = D->CreateEventMethod(NewName, GetPropType());
    if (M.Name.empty()) M.Name = NewName;
    SetMethodValue(M);
}
void TMethodProperty::Edit() {
    std::string Name = GetValue();
    if (Name.empty() || (Designer() && Designer()->IsInheritedMethod(GetMethodValue()))) {
        Name = MakeEventMethodName(Designer(), GetComponent(0), GetName());
        SetValue(Name);
    }
    if (Designer()) Designer()->ShowEventMethod(Name);
}

// ---- named types

std::string TIdentIntegerProperty::GetValue() {
    const int64_t V = GetOrdValue();
    std::string Ident;
    return ToIdent(V, Ident) ? Ident : ValueText(V);
}
void TIdentIntegerProperty::GetValues(TGetStrProc Proc) { ListIdents(Proc); }
void TIdentIntegerProperty::SetValue(const std::string& Value) {
    int64_t V = 0;
    if (FromIdent(Trim(Value), V)) SetOrdValue(V);
    else TIntegerProperty::SetValue(Value);
}

TPropertyAttributes TColorProperty::GetAttributes() {
    return {paMultiSelect, paDialog, paValueList, paRevertable};
}
bool TColorProperty::ToIdent(int64_t Value, std::string& Ident) { return ColorToIdent(static_cast<TColor>(Value), Ident); }
bool TColorProperty::FromIdent(const std::string& Ident, int64_t& Value) {
    TColor C = 0;
    if (!IdentToColor(Ident, C)) return false;
    Value = C;
    return true;
}
void TColorProperty::ListIdents(const TGetStrProc& Proc) { GetColorValues(Proc); }
std::string TColorProperty::ValueText(int64_t Value) { return ColorToString(static_cast<TColor>(Value)); }
void TColorProperty::Edit() {
    int32_t C = static_cast<int32_t>(GetOrdValue());
    if (EditColorProc && EditColorProc(C)) SetOrdValue(C);
}

TPropertyAttributes TCursorProperty::GetAttributes() { return {paMultiSelect, paValueList, paSortList, paRevertable}; }
bool TCursorProperty::ToIdent(int64_t Value, std::string& Ident) { return CursorToIdent(static_cast<int>(Value), Ident); }
bool TCursorProperty::FromIdent(const std::string& Ident, int64_t& Value) {
    int C = 0;
    if (!IdentToCursor(Ident, C)) return false;
    Value = C;
    return true;
}
void TCursorProperty::ListIdents(const TGetStrProc& Proc) { GetCursorValues(Proc); }

TPropertyAttributes TFontNameProperty::GetAttributes() { return {paMultiSelect, paValueList, paSortList, paRevertable}; }
void TFontNameProperty::GetValues(TGetStrProc Proc) {
    if (GetFontNamesProc) GetFontNamesProc(Proc);
}

TPropertyAttributes TFontProperty::GetAttributes() { return {paMultiSelect, paSubProperties, paDialog, paReadOnly}; }
void TFontProperty::Edit() {
    auto* Font = dynamic_cast<TPersistent*>(GetObjValue());
    if (!Font || !EditFontProc || !EditFontProc(Font)) return;
    // The dialog changed the first component's font: the others follow.
    for (int I = 1; I < PropCount(); ++I)
        if (auto* Other = dynamic_cast<TPersistent*>(GetObjValue(I))) Other->Assign(Font);
    Modified();
}

TPropertyAttributes TModalResultProperty::GetAttributes() { return {paMultiSelect, paValueList, paRevertable}; }
bool TModalResultProperty::ToIdent(int64_t Value, std::string& Ident) { return ModalResultToIdent(Value, Ident); }
bool TModalResultProperty::FromIdent(const std::string& Ident, int64_t& Value) { return IdentToModalResult(Ident, Value); }
void TModalResultProperty::ListIdents(const TGetStrProc& Proc) { ListTable(ModalResults, Proc); }

TPropertyAttributes TFontCharsetProperty::GetAttributes() { return {paMultiSelect, paSortList, paValueList}; }
bool TFontCharsetProperty::ToIdent(int64_t Value, std::string& Ident) { return CharsetToIdent(Value, Ident); }
bool TFontCharsetProperty::FromIdent(const std::string& Ident, int64_t& Value) { return IdentToCharset(Ident, Value); }
void TFontCharsetProperty::ListIdents(const TGetStrProc& Proc) { ListTable(Charsets, Proc); }

TPropertyAttributes TShortCutProperty::GetAttributes() { return {paMultiSelect, paValueList, paRevertable}; }
std::string TShortCutProperty::GetValue() {
    const auto S = static_cast<TShortCut>(GetOrdValue());
    return S == scNone ? NoShortCut : ShortCutToText(S);
}
void TShortCutProperty::GetValues(TGetStrProc Proc) {
    Proc(NoShortCut);
    for (const char* K : ShortCutKeys) Proc(K);
}
void TShortCutProperty::SetValue(const std::string& Value) {
    const std::string T = Trim(Value);
    if (T.empty() || SameText(T, NoShortCut)) {
        SetOrdValue(scNone);
        return;
    }
    const TShortCut S = TextToShortCut(T);
    if (S == scNone) InvalidValue();
    SetOrdValue(S);
}

TPropertyAttributes TImeNameProperty::GetAttributes() { return {paMultiSelect, paValueList, paSortList, paRevertable}; }
void TImeNameProperty::GetValues(TGetStrProc Proc) {
    if (GetImeNamesProc) GetImeNamesProc(Proc);
}

TPropertyAttributes TDateTimeProperty::GetAttributes() { return {paMultiSelect, paRevertable}; }
std::string TDateTimeProperty::GetValue() {
    const double V = GetFloatValue();
    return V == 0 ? std::string() : DateTimeToStr(V);
}
void TDateTimeProperty::SetValue(const std::string& Value) {
    TDateTime V = 0;
    if (!Trim(Value).empty() && !ParseDateTime(Trim(Value), V))
        throw EPropertyError("'" + Value + "' is not a valid date and time");
    SetFloatValue(V);
}
std::string TDateProperty::GetValue() {
    const double V = GetFloatValue();
    return V == 0 ? std::string() : DateToStr(V);
}
std::string TTimeProperty::GetValue() { return TimeToStr(GetFloatValue()); }

TPropertyAttributes TVariantProperty::GetAttributes() { return {paMultiSelect}; }
std::string TVariantProperty::GetValue() { return GetVarValue().AsString(); }
void TVariantProperty::SetValue(const std::string& Value) { SetVarValue(Variant(Value)); }
