// TReader: reads the binary form stream. Every length read from the
// stream is checked against what is left of it and nesting is bounded,
// so malformed input ends in EReadError, never in a crash or a loop.
#include <algorithm>
#include "framework/rtl/StrUtils.h"
#include <cstring>
#include <limits>

#include "framework/classes/ClassRegistry.h"
#include "framework/classes/Collection.h"
#include "framework/classes/Filer.h"
#include "framework/classes/FixupList.h"
#include "framework/classes/StreamValues.h"
#include "framework/rtl/Streams.h"

extern thread_local bool GQrnCreatingForStream;

namespace {
constexpr int MaxDepth = 200;

[[noreturn]] void InvalidValue() { throw EReadError("Invalid property value"); }

struct TCreatingGuard {
    bool Saved = GQrnCreatingForStream;
    TCreatingGuard() { GQrnCreatingForStream = true; }
    ~TCreatingGuard() { GQrnCreatingForStream = Saved; }
};

// An error in a property that the error hook chose to skip.
struct TSkipProperty {};
}  // namespace

class TReaderDepth {
public:
    explicit TReaderDepth(TReader* R) : Reader(R) { Reader->Enter(); }
    ~TReaderDepth() { Reader->Leave(); }

private:
    TReader* Reader;
};

TReader::TReader(TStream* AStream) : TFiler(AStream) {}

TReader::~TReader() {
    qrn_fixup::ForgetReader(this);
    // Components read one by one (ReadComponent) are told now.
    std::vector<TComponent*> Pending;
    Pending.swap(FLoaded);
    for (TComponent* C : Pending) {
        try {
            C->Loaded();
        } catch (...) {
            // A destructor must not throw; the component stays as it is.
        }
    }
}

void TReader::Enter() {
    if (++FDepth > MaxDepth) {
        --FDepth;
        throw EReadError("Invalid stream format: nesting too deep");
    }
}

int64_t TReader::Position() const { return FStream->Position(); }
void TReader::SetPosition(int64_t Value) { FStream->SetPosition(Value); }

void TReader::ReadBytes(void* Buffer, int32_t Count) {
    if (Count <= 0) return;
    if (FStream->Read(Buffer, Count) != Count) throw EReadError("Stream read error");
}

void TReader::CheckAvailable(int64_t Count) {
    if (Count < 0 || Count > FStream->Size() - FStream->Position()) throw EReadError("Stream read error");
}

void TReader::SkipBytes(int64_t Count) {
    CheckAvailable(Count);
    FStream->Seek(Count, soCurrent);
}

void TReader::Error(const std::string& Message) {
    bool Handled = false;
    if (OnError) OnError(this, Message, Handled);
    if (!Handled) throw EReadError(Message);
}

// ------------------------------------------------------------- values

TValueType TReader::ReadValue() {
    uint8_t B;
    ReadBytes(&B, 1);
    if (B > MaxValueType) throw EReadError("Invalid stream format");
    return static_cast<TValueType>(B);
}

TValueType TReader::NextValue() {
    TValueType V = ReadValue();
    FStream->Seek(-1, soCurrent);
    return V;
}

void TReader::CheckValue(TValueType Value) {
    if (ReadValue() != Value) {
        FStream->Seek(-1, soCurrent);
        SkipValue();
        InvalidValue();
    }
}

bool TReader::EndOfList() {
    // A raw peek: a child list holds component prefixes, not value types.
    uint8_t B;
    ReadBytes(&B, 1);
    FStream->Seek(-1, soCurrent);
    return B == 0;
}
void TReader::ReadListBegin() { CheckValue(TValueType::vaList); }
void TReader::ReadListEnd() { CheckValue(TValueType::vaNull); }

int64_t TReader::ReadInt64() {
    uint8_t Buf[8];
    switch (ReadValue()) {
    case TValueType::vaInt8:
        ReadBytes(Buf, 1);
        return static_cast<int8_t>(Buf[0]);
    case TValueType::vaInt16:
        ReadBytes(Buf, 2);
        return static_cast<int16_t>(qrn_stream::GetLE(Buf, 2));
    case TValueType::vaInt32:
        ReadBytes(Buf, 4);
        return static_cast<int32_t>(qrn_stream::GetLE(Buf, 4));
    case TValueType::vaInt64:
        ReadBytes(Buf, 8);
        return static_cast<int64_t>(qrn_stream::GetLE(Buf, 8));
    default:
        FStream->Seek(-1, soCurrent);
        SkipValue();
        InvalidValue();
    }
}

int TReader::ReadInteger() {
    int64_t V = ReadInt64();
    if (V < std::numeric_limits<int32_t>::min() || V > std::numeric_limits<int32_t>::max()) InvalidValue();
    return static_cast<int>(V);
}

bool TReader::ReadBoolean() {
    TValueType V = ReadValue();
    if (V == TValueType::vaTrue) return true;
    if (V == TValueType::vaFalse) return false;
    FStream->Seek(-1, soCurrent);
    SkipValue();
    InvalidValue();
}

char TReader::ReadChar() {
    std::string S = ReadString();
    if (S.size() != 1) InvalidValue();
    return S[0];
}

double TReader::ReadFloat() {
    uint8_t Buf[10];
    switch (NextValue()) {
    case TValueType::vaExtended:
        ReadValue();
        ReadBytes(Buf, 10);
        return qrn_stream::ExtendedToDouble(Buf);
    case TValueType::vaDouble:
    case TValueType::vaDate: {
        ReadValue();
        ReadBytes(Buf, 8);
        double D;
        std::memcpy(&D, Buf, 8);
        return D;
    }
    case TValueType::vaSingle:
        return ReadSingle();
    case TValueType::vaCurrency:
        return ReadCurrency();
    case TValueType::vaInt8:
    case TValueType::vaInt16:
    case TValueType::vaInt32:
    case TValueType::vaInt64:
        return static_cast<double>(ReadInt64());
    default:
        SkipValue();
        InvalidValue();
    }
}

float TReader::ReadSingle() {
    if (NextValue() != TValueType::vaSingle) return static_cast<float>(ReadFloat());
    ReadValue();
    uint8_t Buf[4];
    ReadBytes(Buf, 4);
    float F;
    std::memcpy(&F, Buf, 4);
    return F;
}

double TReader::ReadCurrency() {
    if (NextValue() != TValueType::vaCurrency) return ReadFloat();
    ReadValue();
    uint8_t Buf[8];
    ReadBytes(Buf, 8);
    return static_cast<double>(static_cast<int64_t>(qrn_stream::GetLE(Buf, 8))) / 10000.0;
}

double TReader::ReadDate() { return ReadFloat(); }

std::string TReader::ReadStr() {
    uint8_t Len;
    ReadBytes(&Len, 1);
    std::string S(Len, '\0');
    ReadBytes(S.data(), Len);
    return S;
}

std::string TReader::ReadString() {
    uint8_t Buf[4];
    TValueType Type = ReadValue();
    switch (Type) {
    case TValueType::vaString:
        return ReadStr();
    case TValueType::vaLString:
    case TValueType::vaUTF8String: {
        ReadBytes(Buf, 4);
        int64_t Len = static_cast<int32_t>(qrn_stream::GetLE(Buf, 4));
        CheckAvailable(Len);
        std::string S(static_cast<size_t>(Len), '\0');
        ReadBytes(S.data(), static_cast<int32_t>(Len));
        if (Type == TValueType::vaUTF8String) return qrn_stream::CodePointsToAnsi(qrn_stream::Utf8ToCodePoints(S));
        return S;
    }
    case TValueType::vaWString: {
        ReadBytes(Buf, 4);
        int64_t Count = static_cast<int32_t>(qrn_stream::GetLE(Buf, 4));
        if (Count < 0) throw EReadError("Stream read error");
        CheckAvailable(Count * 2);
        std::string Raw(static_cast<size_t>(Count * 2), '\0');
        ReadBytes(Raw.data(), static_cast<int32_t>(Count * 2));
        std::vector<uint16_t> Units(static_cast<size_t>(Count));
        for (size_t I = 0; I < Units.size(); ++I)
            Units[I] = static_cast<uint16_t>(static_cast<uint8_t>(Raw[2 * I]) | (static_cast<uint8_t>(Raw[2 * I + 1]) << 8));
        return qrn_stream::CodePointsToAnsi(qrn_stream::Utf16ToCodePoints(Units));
    }
    default:
        FStream->Seek(-1, soCurrent);
        SkipValue();
        InvalidValue();
    }
}

std::string TReader::ReadIdent() {
    switch (ReadValue()) {
    case TValueType::vaIdent:
        return ReadStr();
    case TValueType::vaFalse:
        return "False";
    case TValueType::vaTrue:
        return "True";
    case TValueType::vaNil:
        return "nil";
    case TValueType::vaNull:
        return "Null";
    default:
        FStream->Seek(-1, soCurrent);
        SkipValue();
        InvalidValue();
    }
}

std::vector<std::string> TReader::ReadSet() {
    CheckValue(TValueType::vaSet);
    std::vector<std::string> Names;
    for (;;) {
        std::string S = ReadStr();
        if (S.empty()) break;
        Names.push_back(std::move(S));
    }
    return Names;
}

void TReader::SkipValue() {
    TReaderDepth Guard(this);
    uint8_t Buf[4];
    switch (ReadValue()) {
    case TValueType::vaNull:
    case TValueType::vaFalse:
    case TValueType::vaTrue:
    case TValueType::vaNil:
        return;
    case TValueType::vaList:
        while (!EndOfList()) SkipValue();
        ReadListEnd();
        return;
    case TValueType::vaInt8:
        SkipBytes(1);
        return;
    case TValueType::vaInt16:
        SkipBytes(2);
        return;
    case TValueType::vaInt32:
    case TValueType::vaSingle:
        SkipBytes(4);
        return;
    case TValueType::vaExtended:
        SkipBytes(10);
        return;
    case TValueType::vaCurrency:
    case TValueType::vaDate:
    case TValueType::vaInt64:
    case TValueType::vaDouble:
        SkipBytes(8);
        return;
    case TValueType::vaString:
    case TValueType::vaIdent: {
        uint8_t Len;
        ReadBytes(&Len, 1);
        SkipBytes(Len);
        return;
    }
    case TValueType::vaBinary:
    case TValueType::vaLString:
    case TValueType::vaUTF8String:
        ReadBytes(Buf, 4);
        SkipBytes(static_cast<int32_t>(qrn_stream::GetLE(Buf, 4)));
        return;
    case TValueType::vaWString:
        ReadBytes(Buf, 4);
        SkipBytes(static_cast<int64_t>(static_cast<int32_t>(qrn_stream::GetLE(Buf, 4))) * 2);
        return;
    case TValueType::vaSet:
        for (;;) {
            uint8_t Len;
            ReadBytes(&Len, 1);
            if (Len == 0) break;
            SkipBytes(Len);
        }
        return;
    case TValueType::vaCollection:
        while (!EndOfList()) {
            TValueType N = NextValue();
            if (N == TValueType::vaInt8 || N == TValueType::vaInt16 || N == TValueType::vaInt32) SkipValue();
            ReadListBegin();
            while (!EndOfList()) {
                ReadStr();
                SkipValue();
            }
            ReadListEnd();
        }
        ReadListEnd();
        return;
    }
}

// ------------------------------------------------------- components

void TReader::ReadSignature() {
    char Sig[4];
    if (FStream->Read(Sig, 4) != 4 || std::memcmp(Sig, "TPF0", 4) != 0) throw EReadError("Invalid stream format");
}

void TReader::ReadPrefix(int& Flags, int& AChildPos) {
    Flags = 0;
    AChildPos = 0;
    uint8_t B;
    ReadBytes(&B, 1);
    if ((B & 0xF0) == 0xF0) {
        Flags = B & 0x0F;
        if (Flags & ffChildPos) AChildPos = ReadInteger();
    } else {
        FStream->Seek(-1, soCurrent);
    }
}

const TClass* TReader::FindComponentClass(const std::string& ClassName) {
    const TClass* C = nullptr;
    if (OnFindComponentClass) OnFindComponentClass(this, ClassName, C);
    if (!C) C = GetClass(ClassName);
    return C;
}

namespace {
void SkipComponentBody(TReader* R, int Depth) {
    if (Depth > MaxDepth) throw EReadError("Invalid stream format: nesting too deep");
    while (!R->EndOfList()) {
        R->ReadStr();
        R->SkipValue();
    }
    R->ReadListEnd();
    while (!R->EndOfList()) {
        int Flags, Pos;
        R->ReadPrefix(Flags, Pos);
        R->ReadStr();
        R->ReadStr();
        SkipComponentBody(R, Depth + 1);
    }
    R->ReadListEnd();
}
}  // namespace

TComponent* TReader::ReadComponent(TComponent* Component) {
    TReaderDepth Guard(this);
    int Flags, Pos;
    ReadPrefix(Flags, Pos);
    std::string ClassName = ReadStr();
    std::string Name = ReadStr();
    TComponent* Result = Component;
    bool Created = false;
    if (!Result && FOwner) Result = FOwner->FindComponent(Name);
    if (!Result) {
        const TClass* Class = FindComponentClass(ClassName);
        std::string Problem;
        if (Flags & ffInherited)
            Problem = "Ancestor for '" + Name + "' not found";
        else if (!Class)
            Problem = "Class " + ClassName + " not found";
        else if (!Class->CanCreateComponent() || !Class->InheritsFrom(TComponent::StaticClass()))
            Problem = "Cannot create an instance of " + ClassName;
        if (!Problem.empty()) {
            Error(Problem);  // handled: the component is skipped
            SkipComponentBody(this, FDepth);
            return nullptr;
        }
        TCreatingGuard Creating;
        Result = Class->CreateComponent(FOwner);
        Created = true;
    }
    try {
        if (Created) {
            if (FRoot && FRoot->ComponentState().Contains(csDesigning)) Result->SetDesigning(true);
            // Loading before naming: a control's caption does not follow a
            // name it is given by the stream.
            Result->FComponentState.Include(csLoading);
            std::string NewName = Name;
            if (OnSetName) OnSetName(this, Result, NewName);
            Result->SetName(NewName);
        }
        Result->FComponentState.Include(csLoading);
        Result->FComponentState.Include(csReading);
        if (Flags & ffInline) Result->SetInline(true);
        if (std::find(FLoaded.begin(), FLoaded.end(), Result) == FLoaded.end()) FLoaded.push_back(Result);
        Result->ReadState(this);
        Result->FComponentState.Exclude(csReading);
        if ((Flags & ffChildPos) && FParent) FParent->SetChildOrder(Result, Pos);
    } catch (...) {
        if (Created) {
            // Forget it and whatever it owns: freeing it frees them.
            std::erase_if(FLoaded, [Result](TComponent* C) {
                for (; C; C = C->Owner())
                    if (C == Result) return true;
                return false;
            });
            qrn_fixup::RemoveFor(nullptr, Result);
            Result->Free();
        } else {
            Result->FComponentState.Exclude(csReading);
        }
        throw;
    }
    return Result;
}

void TReader::ReadComponents(TComponent* AOwner, TComponent* AParent, std::function<void(TComponent*)> Proc) {
    TComponent* SavedOwner = FOwner;
    TComponent* SavedParent = FParent;
    FOwner = AOwner;
    FParent = AParent;
    if (!FRoot) FRoot = AOwner;
    if (!FLookupRoot) FLookupRoot = AOwner;
    try {
        while (!EndOfList()) {
            ReadSignature();
            TComponent* C = ReadComponent(nullptr);
            if (C && Proc) Proc(C);
        }
        ReadListEnd();
        FixupReferences();
        for (TComponent* C : FLoaded) C->Loaded();
        FLoaded.clear();
    } catch (...) {
        FOwner = SavedOwner;
        FParent = SavedParent;
        throw;
    }
    FOwner = SavedOwner;
    FParent = SavedParent;
}

void TReader::ReadData(TComponent* Instance) {
    TReaderDepth Guard(this);
    while (!EndOfList()) ReadProperty(Instance);
    ReadListEnd();
    TComponent* SavedOwner = FOwner;
    TComponent* SavedParent = FParent;
    try {
        if (TComponent* O = Instance->GetChildOwner()) FOwner = O;
        FParent = Instance->GetChildParent();
        while (!EndOfList()) ReadComponent(nullptr);
        ReadListEnd();
    } catch (...) {
        FOwner = SavedOwner;
        FParent = SavedParent;
        throw;
    }
    FOwner = SavedOwner;
    FParent = SavedParent;
}

namespace {
// A second window read from the same form would clash with the first one's
// name under their common owner: it becomes Name_1, Name_2, ...
std::string UniqueRootName(const TComponent* Root, const std::string& Name) {
    const TComponent* Owner = Root->Owner();
    if (!Owner || Name.empty()) return Name;
    auto Taken = [&](const std::string& N) {
        const TComponent* Other = Owner->FindComponent(N);
        return Other && Other != Root;
    };
    if (!Taken(Name)) return Name;
    for (int I = 1;; ++I)
        if (std::string N = Name + "_" + std::to_string(I); !Taken(N)) return N;
}
}  // namespace

TComponent* TReader::ReadRootComponent(TComponent* Root) {
    ReadSignature();
    int Flags, Pos;
    ReadPrefix(Flags, Pos);
    std::string ClassName = ReadStr();
    std::string Name = ReadStr();
    TComponent* Result = Root;
    bool Created = false;
    if (!Result) {
        const TClass* Class = FindComponentClass(ClassName);
        if (!Class) throw EClassNotFound("Class " + ClassName + " not found");
        if (!Class->CanCreateComponent() || !Class->InheritsFrom(TComponent::StaticClass()))
            throw EReadError("Cannot create an instance of " + ClassName);
        TCreatingGuard Creating;
        Result = Class->CreateComponent(nullptr);
        Created = true;
    }
    FRoot = Result;
    FLookupRoot = Result;
    FOwner = Result;
    FParent = nullptr;
    FLoaded.clear();
    try {
        if (!Result->ComponentState().Contains(csDesigning)) {
            Result->FComponentState.Include(csLoading);
            Result->FComponentState.Include(csReading);
            std::string NewName = Name;
            if (OnSetName) OnSetName(this, Result, NewName);
            Result->SetName(UniqueRootName(Result, NewName));
        } else {
            Result->FComponentState.Include(csLoading);
            Result->FComponentState.Include(csReading);
        }
        FLoaded.push_back(Result);
        qrn_fixup::AddRoot(Result);
        Result->ReadState(this);
        Result->FComponentState.Exclude(csReading);
        FixupReferences();
        GlobalFixupReferences();
    } catch (...) {
        qrn_fixup::RemoveFor(Result, nullptr);
        for (TComponent* C : FLoaded) {
            C->FComponentState.Exclude(csReading);
            C->FComponentState.Exclude(csLoading);
        }
        FLoaded.clear();
        if (Created) Result->Free();
        throw;
    }
    if (GlobalLoadingActive()) {
        qrn_fixup::AddGlobalLoaded(FLoaded);
    } else {
        for (TComponent* C : FLoaded) C->Loaded();
    }
    FLoaded.clear();
    return Result;
}

void TReader::FixupReferences() { qrn_fixup::Resolve(this); }

// --------------------------------------------------------- properties

void TReader::DefineProperty(const std::string& Name, std::function<void(TReader*)> ReadData,
                             std::function<void(TWriter*)>, bool) {
    if (!FPropName.empty() && ReadData && SameText(Name, FPropName)) {
        FPropName.clear();
        ReadData(this);
    }
}

void TReader::DefineBinaryProperty(const std::string& Name, std::function<void(TStream*)> ReadData,
                                   std::function<void(TStream*)>, bool) {
    if (FPropName.empty() || !ReadData || !SameText(Name, FPropName)) return;
    FPropName.clear();
    CheckValue(TValueType::vaBinary);
    uint8_t Buf[4];
    ReadBytes(Buf, 4);
    int64_t Len = static_cast<int32_t>(qrn_stream::GetLE(Buf, 4));
    CheckAvailable(Len);
    TMemoryStream Data;
    Data.SetSize(Len);
    ReadBytes(Data.Memory(), static_cast<int32_t>(Len));
    Data.SetPosition(0);
    ReadData(&Data);
}

void TReader::ReadProperty(TPersistent* Instance) {
    std::string Path = ReadStr();
    int64_t ValueStart = Position();
    try {
        ReadPropPath(Instance, Path);
    } catch (const EReadError& E) {
        // A broken stream is not a property problem: nothing to skip.
        if (std::string(E.what()).rfind("Stream read error", 0) == 0 ||
            std::string(E.what()).rfind("Invalid stream format", 0) == 0)
            throw;
        std::string Where = Instance ? Instance->GetNamePath() : std::string();
        Error("Error reading " + (Where.empty() ? std::string() : Where + ".") + Path + ": " + E.Message);
        SetPosition(ValueStart);
        SkipValue();
    } catch (const Exception& E) {
        std::string Where = Instance ? Instance->GetNamePath() : std::string();
        Error("Error reading " + (Where.empty() ? std::string() : Where + ".") + Path + ": " + E.Message);
        SetPosition(ValueStart);
        SkipValue();
    }
}

void TReader::ReadPropPath(TPersistent* Instance, const std::string& Path) {
    TObject* Obj = Instance;
    std::string_view Rest = Path;
    for (;;) {
        size_t Dot = Rest.find('.');
        std::string_view Part = Rest.substr(0, Dot);
        const TPropInfo* P = Obj->ClassType()->FindProperty(Part);
        if (Dot == std::string_view::npos) {
            if (P) {
                auto* Target = dynamic_cast<TPersistent*>(Obj);
                ReadPropValue(Target, P);
                return;
            }
            auto* Target = dynamic_cast<TPersistent*>(Obj);
            if (Target) {
                FPropName = std::string(Part);
                Target->DefineProperties(this);
                if (FPropName.empty()) return;
                FPropName.clear();
            }
            throw EReadError("Property " + std::string(Part) + " does not exist");
        }
        if (!P || P->Kind() != tkClass) throw EReadError("Property " + std::string(Part) + " does not exist");
        Obj = P->GetObj(Obj);
        if (!Obj) throw EReadError("Property " + std::string(Part) + " does not exist");
        Rest = Rest.substr(Dot + 1);
    }
}

TMethod TReader::FindMethod(const std::string& Name) {
    TMethod M;
    bool Err = true;
    if (FRoot) {
        if (const THandlerInfo* H = FRoot->ClassType()->FindHandler(Name)) {
            M.Data = FRoot;
            M.Name = H->Name;
            M.Code = H->Bind(FRoot);
            Err = false;
        }
    }
    if (OnFindMethod) OnFindMethod(this, Name, M, Err);
    if (Err) throw EMethodNotFound("Method " + Name + " not found");
    if (M.Name.empty()) M.Name = Name;
    if (!M.Data) M.Data = FRoot;
    return M;
}

void TReader::ReadPropValue(TPersistent* Instance, const TPropInfo* Prop) {
    const TTypeInfo* Type = Prop->PropType;
    auto RequireWritable = [&] {
        if (!Prop->Writable()) throw EReadError("Property " + Prop->Name + " is read-only");
    };
    switch (Prop->Kind()) {
    case tkInteger:
    case tkInt64: {
        RequireWritable();
        int64_t V;
        if (NextValue() == TValueType::vaIdent) {
            std::string Ident = ReadIdent();
            if (!Type->IdentToInt || !Type->IdentToInt(Ident, V)) InvalidValue();
        } else {
            V = ReadInt64();
        }
        if (V < Type->MinValue || V > Type->MaxValue) InvalidValue();
        Prop->SetOrd(Instance, V);
        return;
    }
    case tkChar:
        RequireWritable();
        Prop->SetOrd(Instance, static_cast<unsigned char>(ReadChar()));
        return;
    case tkEnumeration: {
        RequireWritable();
        TValueType N = NextValue();
        int64_t V;
        if (N == TValueType::vaInt8 || N == TValueType::vaInt16 || N == TValueType::vaInt32) {
            V = ReadInteger();
            if (V < 0 || V >= static_cast<int64_t>(Type->EnumNames.size())) InvalidValue();
        } else {
            std::string Ident = ReadIdent();
            V = GetEnumValue(Type, Ident);
            if (V < 0) InvalidValue();
        }
        Prop->SetOrd(Instance, V);
        return;
    }
    case tkSet: {
        RequireWritable();
        const TTypeInfo* E = Type->CompType();
        int64_t Bits = 0;
        bool Bad = false;
        for (const std::string& N : ReadSet()) {
            int V = GetEnumValue(E, N);
            if (V < 0 || V > 31)
                Bad = true;
            else
                Bits |= int64_t{1} << V;
        }
        if (Bad) throw EReadError("Invalid property value");
        Prop->SetOrd(Instance, Bits);
        return;
    }
    case tkFloat:
        RequireWritable();
        Prop->SetFloat(Instance, ReadFloat());
        return;
    case tkString:
    case tkLString:
        RequireWritable();
        Prop->SetStr(Instance, ReadString());
        return;
    case tkClass: {
        switch (NextValue()) {
        case TValueType::vaNil:
            ReadValue();
            RequireWritable();
            Prop->SetObj(Instance, nullptr);
            return;
        case TValueType::vaCollection: {
            auto* Coll = dynamic_cast<TCollection*>(Prop->GetObj(Instance));
            if (!Coll) InvalidValue();
            ReadValue();
            ReadCollection(Coll);
            return;
        }
        case TValueType::vaIdent: {
            RequireWritable();
            std::string Ref = ReadIdent();
            qrn_fixup::Add(this, FRoot, Instance, Prop, Ref);
            return;
        }
        default:
            InvalidValue();
        }
    }
    case tkMethod: {
        RequireWritable();
        if (NextValue() == TValueType::vaNil) {
            ReadValue();
            Prop->SetMeth(Instance, TMethod{});
            return;
        }
        std::string Name = ReadIdent();
        Prop->SetMeth(Instance, FindMethod(Name));
        return;
    }
    default:
        InvalidValue();
    }
}

void TReader::ReadCollection(TCollection* Collection) {
    TReaderDepth Guard(this);
    Collection->BeginUpdate();
    try {
        if (!EndOfList()) Collection->Clear();
        while (!EndOfList()) {
            TValueType N = NextValue();
            if (N == TValueType::vaInt8 || N == TValueType::vaInt16 || N == TValueType::vaInt32) ReadInteger();
            TCollectionItem* Item = Collection->Add();
            ReadListBegin();
            while (!EndOfList()) ReadProperty(Item);
            ReadListEnd();
        }
        ReadListEnd();
    } catch (...) {
        Collection->EndUpdate();
        throw;
    }
    Collection->EndUpdate();
}
