#include "framework/classes/TypeInfo.h"
#include "framework/rtl/StrUtils.h"

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <deque>
#include <mutex>

#include "framework/classes/Component.h"

namespace {

std::string Trimmed(std::string_view S) {
    size_t B = 0, E = S.size();
    while (B < E && static_cast<unsigned char>(S[B]) <= ' ') ++B;
    while (E > B && static_cast<unsigned char>(S[E - 1]) <= ' ') --E;
    return std::string(S.substr(B, E - B));
}

// Type records live for the whole process.
std::deque<TTypeInfo>& Store() {
    static std::deque<TTypeInfo> S;
    return S;
}
std::mutex& StoreLock() {
    static std::mutex M;
    return M;
}
TTypeInfo& NewInfo() {
    std::lock_guard<std::mutex> L(StoreLock());
    return Store().emplace_back();
}

[[noreturn]] void InvalidType(const TPropInfo* Prop) {
    throw EPropertyError("Invalid property type: " + (Prop ? Prop->Name : std::string()));
}
[[noreturn]] void ReadOnly(const TPropInfo* Prop) { throw EPropertyError("Property " + Prop->Name + " is read-only"); }
[[noreturn]] void NotFound(std::string_view Path) {
    throw EPropertyError("Property " + std::string(Path) + " does not exist");
}

}  // namespace

// ------------------------------------------------------------ TTypeInfo

std::string TTypeInfo::TypeName() const {
    if (!Name.empty()) return Name;
    if (Kind == tkClass) {
        if (const TClass* C = ClassType()) return C->Name();
    }
    if (Kind == tkSet) {
        if (const TTypeInfo* E = CompType()) return "set of " + E->TypeName();
    }
    return Name;
}

bool TTypeInfo::IsA(const TTypeInfo* Other) const {
    for (const TTypeInfo* T = this; T; T = T->BaseType)
        if (T == Other) return true;
    return false;
}

std::string GetEnumName(const TTypeInfo* Info, int64_t Value) {
    if (!Info) return {};
    if (Value < 0 || Value >= static_cast<int64_t>(Info->EnumNames.size())) return {};
    return Info->EnumNames[static_cast<size_t>(Value)];
}

int GetEnumValue(const TTypeInfo* Info, std::string_view Name) {
    if (!Info) return -1;
    for (size_t I = 0; I < Info->EnumNames.size(); ++I)
        if (SameText(Info->EnumNames[I], Name)) return static_cast<int>(I);
    return -1;
}

std::string SetToString(const TTypeInfo* Info, int64_t Value, bool Brackets) {
    std::string Result;
    const TTypeInfo* E = Info ? Info->CompType() : nullptr;
    for (int I = 0; I < 64; ++I) {
        if (!(static_cast<uint64_t>(Value) & (uint64_t{1} << I))) continue;
        if (!Result.empty()) Result += ',';
        std::string N = GetEnumName(E, I);
        Result += N.empty() ? std::to_string(I) : N;
    }
    return Brackets ? "[" + Result + "]" : Result;
}

int64_t StringToSet(const TTypeInfo* Info, std::string_view Value) {
    const TTypeInfo* E = Info ? Info->CompType() : nullptr;
    std::string S = Trimmed(Value);
    if (!S.empty() && S.front() == '[') S.erase(0, 1);
    if (!S.empty() && S.back() == ']') S.pop_back();
    int64_t Result = 0;
    size_t Start = 0;
    while (Start <= S.size()) {
        size_t Comma = S.find(',', Start);
        std::string Item = Trimmed(std::string_view(S).substr(Start, Comma == std::string::npos ? std::string::npos : Comma - Start));
        if (!Item.empty()) {
            int V = GetEnumValue(E, Item);
            if (V < 0 || V > 31) throw EPropertyError("Invalid property element: " + Item);
            Result |= int64_t{1} << V;
        }
        if (Comma == std::string::npos) break;
        Start = Comma + 1;
    }
    return Result;
}

const TTypeInfo* MakeEnumTypeInfo(const char* Name, const char* Names) {
    TTypeInfo& T = NewInfo();
    T.Kind = tkEnumeration;
    T.Name = Name;
    std::string_view All(Names);
    size_t Start = 0;
    while (Start <= All.size()) {
        size_t Comma = All.find(',', Start);
        std::string Item = Trimmed(All.substr(Start, Comma == std::string_view::npos ? std::string_view::npos : Comma - Start));
        // "alNone = 0" style initialisers are not supported: names only.
        size_t Eq = Item.find('=');
        if (Eq != std::string::npos) Item = Trimmed(std::string_view(Item).substr(0, Eq));
        if (!Item.empty()) T.EnumNames.push_back(Item);
        if (Comma == std::string_view::npos) break;
        Start = Comma + 1;
    }
    T.MinValue = 0;
    T.MaxValue = static_cast<int64_t>(T.EnumNames.size()) - 1;
    return &T;
}

const TTypeInfo* MakeNamedTypeInfo(const char* Name, const TTypeInfo* Base) {
    TTypeInfo& T = NewInfo();
    T = TTypeInfo{};
    T.Kind = Base->Kind;
    T.Name = Name;
    T.BaseType = Base;
    T.MinValue = Base->MinValue;
    T.MaxValue = Base->MaxValue;
    T.EnumNames = Base->EnumNames;
    T.CompTypeFn = Base->CompTypeFn;
    T.FloatType = Base->FloatType;
    T.ClassFn = Base->ClassFn;
    T.Signature = Base->Signature;
    if (T.Name == "TDateTime" || T.Name == "TDate" || T.Name == "TTime") T.FloatType = ftDouble;
    if (T.Name == "TCurrency") T.FloatType = ftCurr;
    return &T;
}

void RegisterIntegerConsts(const TTypeInfo* Info, std::function<bool(const std::string&, int64_t&)> IdentToInt,
                           std::function<bool(int64_t, std::string&)> IntToIdent) {
    Info->IdentToInt = std::move(IdentToInt);
    Info->IntToIdent = std::move(IntToIdent);
}

namespace qrn_rtti {

const TTypeInfo* IntegerInfo(int Size, bool Signed) {
    struct Entry {
        int Size;
        bool Signed;
        const char* Name;
        int64_t Min, Max;
    };
    static const Entry Entries[] = {
        {1, true, "ShortInt", -128, 127},
        {1, false, "Byte", 0, 255},
        {2, true, "SmallInt", -32768, 32767},
        {2, false, "Word", 0, 65535},
        {4, true, "Integer", INT32_MIN, INT32_MAX},
        {4, false, "Cardinal", 0, UINT32_MAX},
        {8, true, "Int64", INT64_MIN, INT64_MAX},
        {8, false, "UInt64", 0, INT64_MAX},
    };
    static const TTypeInfo* Infos[8] = {};
    static std::once_flag Once;
    std::call_once(Once, [] {
        for (int I = 0; I < 8; ++I) {
            TTypeInfo& T = NewInfo();
            T.Kind = Entries[I].Size == 8 ? tkInt64 : tkInteger;
            T.Name = Entries[I].Name;
            T.MinValue = Entries[I].Min;
            T.MaxValue = Entries[I].Max;
            Infos[I] = &T;
        }
    });
    for (int I = 0; I < 8; ++I)
        if (Entries[I].Size == Size && Entries[I].Signed == Signed) return Infos[I];
    return Infos[4];
}

const TTypeInfo* BooleanInfo() {
    static const TTypeInfo* Info = [] {
        TTypeInfo& T = NewInfo();
        T.Kind = tkEnumeration;
        T.Name = "Boolean";
        T.EnumNames = {"False", "True"};
        T.MinValue = 0;
        T.MaxValue = 1;
        return &T;
    }();
    return Info;
}

const TTypeInfo* CharInfo() {
    static const TTypeInfo* Info = [] {
        TTypeInfo& T = NewInfo();
        T.Kind = tkChar;
        T.Name = "Char";
        T.MinValue = 0;
        T.MaxValue = 255;
        return &T;
    }();
    return Info;
}

const TTypeInfo* FloatInfo(TFloatType Type) {
    static const TTypeInfo* Single = [] {
        TTypeInfo& T = NewInfo();
        T.Kind = tkFloat;
        T.Name = "Single";
        T.FloatType = ftSingle;
        return &T;
    }();
    static const TTypeInfo* Double = [] {
        TTypeInfo& T = NewInfo();
        T.Kind = tkFloat;
        T.Name = "Double";
        T.FloatType = ftDouble;
        return &T;
    }();
    return Type == ftSingle ? Single : Double;
}

namespace {
const TTypeInfo* KindInfo(TTypeKind Kind, const char* Name) {
    TTypeInfo& T = NewInfo();
    T.Kind = Kind;
    T.Name = Name;
    return &T;
}
}  // namespace

const TTypeInfo* StringInfo() {
    static const TTypeInfo* Info = KindInfo(tkLString, "string");
    return Info;
}

const TTypeInfo* VariantInfo() {
    static const TTypeInfo* Info = KindInfo(tkVariant, "Variant");
    return Info;
}

const TTypeInfo* MakeClassInfo(const TClass* (*ClassFn)()) {
    TTypeInfo& T = NewInfo();
    T.Kind = tkClass;
    T.ClassFn = ClassFn;
    return &T;
}

const TTypeInfo* MakeSetInfo(const char* Name, const TTypeInfo* (*CompTypeFn)()) {
    TTypeInfo& T = NewInfo();
    T.Kind = tkSet;
    T.Name = Name;
    T.CompTypeFn = CompTypeFn;
    return &T;
}

const TTypeInfo* MakeMethodInfo(const char* Name, const std::type_info* Signature) {
    TTypeInfo& T = NewInfo();
    T.Kind = tkMethod;
    T.Name = Name;
    T.Signature = Signature;
    return &T;
}

void RaiseInvalidValue() { throw EPropertyError("Invalid property value"); }

void RaiseWrongClass(const TClass* Expected, TObject* Value) {
    throw EPropertyError("Invalid property value: a " + Value->ClassName() + " is not a " +
                         (Expected ? Expected->Name() : std::string("TObject")));
}

}  // namespace qrn_rtti

TPropBuilder& TPropBuilder::OfClass(const TClass* (*ClassFn)()) {
    P.PropType = qrn_rtti::MakeClassInfo(ClassFn);
    if (auto Set = P.SetObj)
        P.SetObj = [Set, ClassFn](TObject* Instance, TObject* Value) {
            const TClass* Wanted = ClassFn();
            if (Value && (!Wanted || !Value->InheritsFrom(Wanted))) qrn_rtti::RaiseWrongClass(Wanted, Value);
            Set(Instance, Value);
        };
    return *this;
}

TPropBuilder& TPropBuilder::Type(const TTypeInfo* Info) {
    if (!Info) return *this;
    bool Compatible = Info->Kind == P.Kind() || (Info->IsOrdinal() && P.PropType && P.PropType->IsOrdinal()) ||
                      ((Info->Kind == tkInteger || Info->Kind == tkInt64) &&
                       (P.Kind() == tkInteger || P.Kind() == tkInt64));
    if (!Compatible) throw EPropertyError("Invalid property type: " + P.Name);
    P.PropType = Info;
    return *this;
}

// --------------------------------------------------------------- TClass

TClass::TClass(const char* Name, const TClass* Parent, TInit Init) : FName(Name), FParent(Parent) {
    if (Init) Init(*this);
    if (FParent) FAllProps = FParent->FAllProps;
    for (const std::string& Name : FUnpublished)
        std::erase_if(FAllProps, [&](const TPropInfo* P) { return SameText(P->Name, Name); });
    for (auto& P : FOwnProps) {
        bool Replaced = false;
        for (auto& Existing : FAllProps) {
            if (SameText(Existing->Name, P->Name)) {
                // A redeclared property keeps its place in the list.
                P->Index = Existing->Index;
                Existing = P.get();
                Replaced = true;
                break;
            }
        }
        if (!Replaced) {
            P->Index = static_cast<int>(FAllProps.size());
            FAllProps.push_back(P.get());
        }
        P->DeclaringClass = this;
    }
}

bool TClass::InheritsFrom(const TClass* Class) const {
    for (const TClass* C = this; C; C = C->FParent)
        if (C == Class) return true;
    return false;
}

TComponent* TClass::CreateComponent(TComponent* Owner) const {
    if (!FCreateComponent) throw EComponentError("Cannot create an instance of " + FName);
    return FCreateComponent(Owner);
}

TCollectionItem* TClass::CreateItem(TCollection* Collection) const {
    if (!FCreateItem) throw EComponentError("Cannot create an instance of " + FName);
    return FCreateItem(Collection);
}

TObject* TClass::CreateObject() const {
    if (!FCreateObject) throw EComponentError("Cannot create an instance of " + FName);
    return FCreateObject();
}

const TPropInfo* TClass::FindProperty(std::string_view Name) const {
    for (const TPropInfo* P : FAllProps)
        if (SameText(P->Name, Name)) return P;
    return nullptr;
}

const THandlerInfo* TClass::FindHandler(std::string_view Name) const {
    for (const TClass* C = this; C; C = C->FParent)
        for (const THandlerInfo& H : C->FHandlers)
            if (SameText(H.Name, Name)) return &H;
    return nullptr;
}

const TFieldInfo* TClass::FindField(std::string_view Name) const {
    for (const TClass* C = this; C; C = C->FParent)
        for (const TFieldInfo& F : C->FFields)
            if (SameText(F.Name, Name)) return &F;
    return nullptr;
}

const std::function<void(TObject*, void*)>* TClass::FindMessageHandler(uint32_t Msg) const {
    for (const auto& M : FMessages)
        if (M.first == Msg) return &M.second;
    return nullptr;
}

// ------------------------------------------------------ property access

int64_t GetOrdProp(TObject* Instance, const TPropInfo* Prop) {
    if (!Prop->GetOrd) InvalidType(Prop);
    return Prop->GetOrd(Instance);
}
void SetOrdProp(TObject* Instance, const TPropInfo* Prop, int64_t Value) {
    if (!Prop->GetOrd) InvalidType(Prop);
    if (!Prop->SetOrd) ReadOnly(Prop);
    Prop->SetOrd(Instance, Value);
}
double GetFloatProp(TObject* Instance, const TPropInfo* Prop) {
    if (!Prop->GetFloat) InvalidType(Prop);
    return Prop->GetFloat(Instance);
}
void SetFloatProp(TObject* Instance, const TPropInfo* Prop, double Value) {
    if (!Prop->GetFloat) InvalidType(Prop);
    if (!Prop->SetFloat) ReadOnly(Prop);
    Prop->SetFloat(Instance, Value);
}
std::string GetStrProp(TObject* Instance, const TPropInfo* Prop) {
    if (!Prop->GetStr) InvalidType(Prop);
    return Prop->GetStr(Instance);
}
void SetStrProp(TObject* Instance, const TPropInfo* Prop, const std::string& Value) {
    if (!Prop->GetStr) InvalidType(Prop);
    if (!Prop->SetStr) ReadOnly(Prop);
    Prop->SetStr(Instance, Value);
}
TObject* GetObjectProp(TObject* Instance, const TPropInfo* Prop) {
    if (!Prop->GetObj) InvalidType(Prop);
    return Prop->GetObj(Instance);
}
void SetObjectProp(TObject* Instance, const TPropInfo* Prop, TObject* Value) {
    if (!Prop->GetObj) InvalidType(Prop);
    if (!Prop->SetObj) ReadOnly(Prop);
    Prop->SetObj(Instance, Value);
}
TMethod GetMethodProp(TObject* Instance, const TPropInfo* Prop) {
    if (!Prop->GetMeth) InvalidType(Prop);
    return Prop->GetMeth(Instance);
}
void SetMethodProp(TObject* Instance, const TPropInfo* Prop, const TMethod& Value) {
    if (!Prop->GetMeth) InvalidType(Prop);
    if (!Prop->SetMeth) ReadOnly(Prop);
    Prop->SetMeth(Instance, Value);
}
std::string GetEnumProp(TObject* Instance, const TPropInfo* Prop) {
    if (Prop->Kind() != tkEnumeration) InvalidType(Prop);
    return GetEnumName(Prop->PropType, GetOrdProp(Instance, Prop));
}
void SetEnumProp(TObject* Instance, const TPropInfo* Prop, std::string_view Value) {
    if (Prop->Kind() != tkEnumeration) InvalidType(Prop);
    int V = GetEnumValue(Prop->PropType, Value);
    if (V < 0) throw EPropertyError("Invalid property value");
    SetOrdProp(Instance, Prop, V);
}
std::string GetSetProp(TObject* Instance, const TPropInfo* Prop, bool Brackets) {
    if (Prop->Kind() != tkSet) InvalidType(Prop);
    return SetToString(Prop->PropType, GetOrdProp(Instance, Prop), Brackets);
}
void SetSetProp(TObject* Instance, const TPropInfo* Prop, std::string_view Value) {
    if (Prop->Kind() != tkSet) InvalidType(Prop);
    SetOrdProp(Instance, Prop, StringToSet(Prop->PropType, Value));
}

bool IsDefaultPropValue(TObject* Instance, const TPropInfo* Prop) {
    switch (Prop->Kind()) {
    case tkInteger:
    case tkChar:
    case tkEnumeration:
    case tkSet:
    case tkInt64:
        return Prop->HasDefault && GetOrdProp(Instance, Prop) == Prop->Default;
    case tkFloat:
        return GetFloatProp(Instance, Prop) == Prop->FloatDefault;
    case tkString:
    case tkLString:
        return GetStrProp(Instance, Prop) == Prop->StrDefault;
    case tkMethod:
        return !GetMethodProp(Instance, Prop).Assigned();
    case tkClass:
        return GetObjectProp(Instance, Prop) == nullptr;
    default:
        return true;
    }
}

const TPropInfo* GetPropInfo(const TObject* Instance, std::string_view Name) {
    return Instance ? Instance->ClassType()->FindProperty(Name) : nullptr;
}

bool ResolvePropPath(TObject* Instance, std::string_view Path, TObject*& Target, const TPropInfo*& Prop) {
    Target = nullptr;
    Prop = nullptr;
    TObject* Obj = Instance;
    while (Obj) {
        size_t Dot = Path.find('.');
        std::string_view Part = Path.substr(0, Dot);
        const TPropInfo* P = Obj->ClassType()->FindProperty(Part);
        if (!P) return false;
        if (Dot == std::string_view::npos) {
            Target = Obj;
            Prop = P;
            return true;
        }
        if (P->Kind() != tkClass) return false;
        Obj = P->GetObj(Obj);
        Path = Path.substr(Dot + 1);
    }
    return false;
}

namespace {
std::pair<TObject*, const TPropInfo*> Resolve(TObject* Instance, std::string_view Path) {
    TObject* Target;
    const TPropInfo* Prop;
    if (!ResolvePropPath(Instance, Path, Target, Prop)) NotFound(Path);
    return {Target, Prop};
}
}  // namespace

bool IsPublishedProp(TObject* Instance, std::string_view Path) {
    TObject* Target;
    const TPropInfo* Prop;
    return ResolvePropPath(Instance, Path, Target, Prop);
}
TTypeKind PropType(TObject* Instance, std::string_view Path) { return Resolve(Instance, Path).second->Kind(); }

int64_t GetOrdProp(TObject* Instance, std::string_view Path) {
    auto [T, P] = Resolve(Instance, Path);
    return GetOrdProp(T, P);
}
void SetOrdProp(TObject* Instance, std::string_view Path, int64_t Value) {
    auto [T, P] = Resolve(Instance, Path);
    SetOrdProp(T, P, Value);
}
double GetFloatProp(TObject* Instance, std::string_view Path) {
    auto [T, P] = Resolve(Instance, Path);
    return GetFloatProp(T, P);
}
void SetFloatProp(TObject* Instance, std::string_view Path, double Value) {
    auto [T, P] = Resolve(Instance, Path);
    SetFloatProp(T, P, Value);
}
std::string GetStrProp(TObject* Instance, std::string_view Path) {
    auto [T, P] = Resolve(Instance, Path);
    return GetStrProp(T, P);
}
void SetStrProp(TObject* Instance, std::string_view Path, const std::string& Value) {
    auto [T, P] = Resolve(Instance, Path);
    SetStrProp(T, P, Value);
}
TObject* GetObjectProp(TObject* Instance, std::string_view Path) {
    auto [T, P] = Resolve(Instance, Path);
    return GetObjectProp(T, P);
}
void SetObjectProp(TObject* Instance, std::string_view Path, TObject* Value) {
    auto [T, P] = Resolve(Instance, Path);
    SetObjectProp(T, P, Value);
}
TMethod GetMethodProp(TObject* Instance, std::string_view Path) {
    auto [T, P] = Resolve(Instance, Path);
    return GetMethodProp(T, P);
}
void SetMethodProp(TObject* Instance, std::string_view Path, const TMethod& Value) {
    auto [T, P] = Resolve(Instance, Path);
    SetMethodProp(T, P, Value);
}

namespace {
std::string FloatText(double V) {
    char Buf[64];
    auto R = std::to_chars(Buf, Buf + sizeof Buf, V);
    return std::string(Buf, R.ptr);
}

bool ParseInt(const std::string& S, int64_t& V) {
    std::string T = Trimmed(S);
    if (T.empty()) return false;
    const char* B = T.c_str();
    int Base = 10;
    bool Neg = false;
    if (*B == '-' || *B == '+') {
        Neg = *B == '-';
        ++B;
    }
    if (*B == '$') {
        Base = 16;
        ++B;
    } else if (B[0] == '0' && (B[1] == 'x' || B[1] == 'X')) {
        Base = 16;
        B += 2;
    }
    if (!*B) return false;
    uint64_t U = 0;
    auto R = std::from_chars(B, T.c_str() + T.size(), U, Base);
    if (R.ec != std::errc() || R.ptr != T.c_str() + T.size()) return false;
    V = Neg ? -static_cast<int64_t>(U) : static_cast<int64_t>(U);
    return true;
}
}  // namespace

std::string CharPropText(int64_t Value) {
    if (Value > 32 && Value < 127) return std::string(1, static_cast<char>(Value));
    return "#" + std::to_string(Value);
}

bool CharPropValue(const std::string& Text, int64_t& Value) {
    if (Text.size() == 1) {
        Value = static_cast<unsigned char>(Text[0]);
        return true;
    }
    if (Text.size() < 2 || Text[0] != '#' || !ParseInt(Text.substr(1), Value)) return false;
    return Value >= 0 && Value <= 255;
}

std::string GetPropValue(TObject* Instance, std::string_view Path) {
    auto [T, P] = Resolve(Instance, Path);
    switch (P->Kind()) {
    case tkInteger:
    case tkInt64: {
        int64_t V = GetOrdProp(T, P);
        std::string Ident;
        if (P->PropType->IntToIdent && P->PropType->IntToIdent(V, Ident)) return Ident;
        return std::to_string(V);
    }
    case tkChar:
        return CharPropText(GetOrdProp(T, P));
    case tkEnumeration:
        return GetEnumProp(T, P);
    case tkSet:
        return GetSetProp(T, P, true);
    case tkFloat:
        return FloatText(GetFloatProp(T, P));
    case tkString:
    case tkLString:
        return GetStrProp(T, P);
    case tkVariant:
        return P->GetVar(T).AsString();
    case tkClass: {
        // A reference to another component shows its name; an object the
        // property owns shows the type the property is declared with.
        TObject* O = GetObjectProp(T, P);
        if (!O) return {};
        if (auto* C = dynamic_cast<TComponent*>(O); C && !C->ComponentStyle().Contains(csSubComponent)) return C->Name();
        return "(" + P->PropType->TypeName() + ")";
    }
    case tkMethod:
        return GetMethodProp(T, P).Name;
    default:
        return {};
    }
}

void SetPropValue(TObject* Instance, std::string_view Path, const std::string& Value) {
    auto [T, P] = Resolve(Instance, Path);
    switch (P->Kind()) {
    case tkInteger:
    case tkInt64: {
        int64_t V;
        if (P->PropType->IdentToInt && P->PropType->IdentToInt(Trimmed(Value), V)) {
            SetOrdProp(T, P, V);
            return;
        }
        if (!ParseInt(Value, V)) throw EPropertyError("'" + Value + "' is not a valid integer value");
        if (V < P->PropType->MinValue || V > P->PropType->MaxValue)
            throw EPropertyError("Value must be between " + std::to_string(P->PropType->MinValue) + " and " +
                                 std::to_string(P->PropType->MaxValue));
        SetOrdProp(T, P, V);
        return;
    }
    case tkChar: {
        int64_t V;
        if (!CharPropValue(Value, V)) throw EPropertyError("Invalid property value");
        SetOrdProp(T, P, V);
        return;
    }
    case tkEnumeration:
        SetEnumProp(T, P, Trimmed(Value));
        return;
    case tkSet:
        SetSetProp(T, P, Value);
        return;
    case tkFloat: {
        std::string S = Trimmed(Value);
        char* End = nullptr;
        errno = 0;
        double V = std::strtod(S.c_str(), &End);
        if (S.empty() || *End || errno == ERANGE) throw EPropertyError("'" + Value + "' is not a valid floating point value");
        SetFloatProp(T, P, V);
        return;
    }
    case tkString:
    case tkLString:
        SetStrProp(T, P, Value);
        return;
    case tkVariant:
        if (!P->SetVar) throw EPropertyError("Property " + P->Name + " is read-only");
        P->SetVar(T, Variant(Value));
        return;
    default:
        throw EPropertyError("Invalid property type: " + P->Name);
    }
}
