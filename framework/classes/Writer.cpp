// TWriter: writes a component tree in the binary form stream, writing a
// property only when it differs from its default or from the ancestor.
#include <cmath>
#include "framework/rtl/StrUtils.h"
#include <cstring>
#include <limits>

#include "framework/classes/ClassPatches.h"
#include "framework/classes/Collection.h"
#include "framework/classes/Filer.h"
#include "framework/classes/StreamValues.h"
#include "framework/rtl/Streams.h"

namespace {
// How a reference is written relative to the root it is written from.
std::string RefName(TComponent* Value, TComponent* LookupRoot) {
    if (!Value) return {};
    if (Value == LookupRoot || Value->Owner() == LookupRoot || !Value->Owner() || Value->Owner()->Name().empty())
        return Value->Name();
    return Value->Owner()->Name() + "." + Value->Name();
}

std::string StreamBytes(TMemoryStream& M) {
    return std::string(static_cast<const char*>(M.Memory()), static_cast<size_t>(M.Size()));
}

bool CollectionsEqual(TCollection* A, TCollection* B) {
    if (!A || !B) return A == B;
    if (A->Count() != B->Count()) return false;
    TMemoryStream SA, SB;
    TWriter WA(&SA), WB(&SB);
    WA.WriteCollection(A);
    WB.WriteCollection(B);
    return StreamBytes(SA) == StreamBytes(SB);
}
}  // namespace

TWriter::TWriter(TStream* AStream) : TFiler(AStream) {}
TWriter::~TWriter() = default;

int64_t TWriter::Position() const { return FStream->Position(); }

void TWriter::Write(const void* Buffer, int32_t Count) { FStream->WriteBuffer(Buffer, Count); }

void TWriter::WriteValue(TValueType Value) {
    uint8_t B = static_cast<uint8_t>(Value);
    Write(&B, 1);
}

void TWriter::WriteListBegin() { WriteValue(TValueType::vaList); }
void TWriter::WriteListEnd() { WriteValue(TValueType::vaNull); }

void TWriter::WriteInteger(int64_t Value) {
    std::string B;
    if (Value >= -128 && Value <= 127) {
        B.push_back(static_cast<char>(TValueType::vaInt8));
        qrn_stream::PutLE(B, static_cast<uint64_t>(Value), 1);
    } else if (Value >= -32768 && Value <= 32767) {
        B.push_back(static_cast<char>(TValueType::vaInt16));
        qrn_stream::PutLE(B, static_cast<uint64_t>(Value), 2);
    } else if (Value >= std::numeric_limits<int32_t>::min() && Value <= std::numeric_limits<int32_t>::max()) {
        B.push_back(static_cast<char>(TValueType::vaInt32));
        qrn_stream::PutLE(B, static_cast<uint64_t>(Value), 4);
    } else {
        B.push_back(static_cast<char>(TValueType::vaInt64));
        qrn_stream::PutLE(B, static_cast<uint64_t>(Value), 8);
    }
    Write(B.data(), static_cast<int32_t>(B.size()));
}

void TWriter::WriteBoolean(bool Value) { WriteValue(Value ? TValueType::vaTrue : TValueType::vaFalse); }

void TWriter::WriteChar(char Value) { WriteString(std::string(1, Value)); }

void TWriter::WriteFloat(double Value) {
    uint8_t Buf[11];
    Buf[0] = static_cast<uint8_t>(TValueType::vaExtended);
    qrn_stream::DoubleToExtended(Value, Buf + 1);
    Write(Buf, 11);
}

void TWriter::WriteSingle(float Value) {
    uint8_t Buf[5];
    Buf[0] = static_cast<uint8_t>(TValueType::vaSingle);
    std::memcpy(Buf + 1, &Value, 4);
    Write(Buf, 5);
}

void TWriter::WriteDouble(double Value) {
    uint8_t Buf[9];
    Buf[0] = static_cast<uint8_t>(TValueType::vaDouble);
    std::memcpy(Buf + 1, &Value, 8);
    Write(Buf, 9);
}

void TWriter::WriteCurrency(double Value) {
    std::string B;
    B.push_back(static_cast<char>(TValueType::vaCurrency));
    double Scaled = std::nearbyint(Value * 10000.0);
    int64_t V = 0;
    if (Scaled >= -9.2e18 && Scaled <= 9.2e18) V = static_cast<int64_t>(Scaled);
    qrn_stream::PutLE(B, static_cast<uint64_t>(V), 8);
    Write(B.data(), 9);
}

void TWriter::WriteDate(double Value) {
    uint8_t Buf[9];
    Buf[0] = static_cast<uint8_t>(TValueType::vaDate);
    std::memcpy(Buf + 1, &Value, 8);
    Write(Buf, 9);
}

void TWriter::WriteStr(const std::string& Value) {
    if (Value.size() > 255) throw EWriteError("String too long for the stream: " + Value.substr(0, 32) + "...");
    uint8_t Len = static_cast<uint8_t>(Value.size());
    Write(&Len, 1);
    Write(Value.data(), Len);
}

void TWriter::WriteString(const std::string& Value) {
    if (Value.size() <= 255) {
        WriteValue(TValueType::vaString);
        WriteStr(Value);
        return;
    }
    if (Value.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max() - 16))
        throw EWriteError("Stream write error");
    std::string B;
    B.push_back(static_cast<char>(TValueType::vaLString));
    qrn_stream::PutLE(B, Value.size(), 4);
    Write(B.data(), 5);
    Write(Value.data(), static_cast<int32_t>(Value.size()));
}

void TWriter::WriteUTF8String(const std::string& Value) {
    std::string B;
    B.push_back(static_cast<char>(TValueType::vaUTF8String));
    qrn_stream::PutLE(B, Value.size(), 4);
    Write(B.data(), 5);
    Write(Value.data(), static_cast<int32_t>(Value.size()));
}

void TWriter::WriteIdent(const std::string& Ident) {
    if (SameText(Ident, "False"))
        WriteValue(TValueType::vaFalse);
    else if (SameText(Ident, "True"))
        WriteValue(TValueType::vaTrue);
    else if (SameText(Ident, "nil"))
        WriteValue(TValueType::vaNil);
    else {
        WriteValue(TValueType::vaIdent);
        WriteStr(Ident);
    }
}

void TWriter::WriteSet(const std::vector<std::string>& Names) {
    WriteValue(TValueType::vaSet);
    for (const std::string& N : Names)
        if (!N.empty()) WriteStr(N);
    WriteStr({});
}

void TWriter::WriteBinary(const void* Data, int32_t Count) {
    std::string B;
    B.push_back(static_cast<char>(TValueType::vaBinary));
    qrn_stream::PutLE(B, static_cast<uint32_t>(Count), 4);
    Write(B.data(), 5);
    Write(Data, Count);
}

// ------------------------------------------------------- components

void TWriter::WriteSignature() { Write("TPF0", 4); }

void TWriter::WritePrefix(int Flags, int AChildPos) {
    if (Flags == 0) return;
    uint8_t B = static_cast<uint8_t>(0xF0 | (Flags & 0x0F));
    Write(&B, 1);
    if (Flags & ffChildPos) WriteInteger(AChildPos);
}

void TWriter::WriteRootComponent(TComponent* Root) { WriteDescendent(Root, nullptr); }

void TWriter::WriteDescendent(TComponent* Root, TComponent* AAncestor) {
    FRootAncestor = AAncestor;
    FAncestor = AAncestor;
    FRoot = Root;
    FLookupRoot = Root;
    FAncestorList.clear();
    WriteSignature();
    WriteComponent(Root);
}

void TWriter::AddAncestor(TComponent* Component) { FAncestorList.push_back(Component); }

void TWriter::WriteComponent(TComponent* Component) {
    TPersistent* SavedAncestor = FAncestor;
    if (!FAncestorList.empty() || Component != FRoot) {
        // A child: its ancestor is the ancestor's child of the same name.
        TComponent* Found = nullptr;
        for (TComponent* A : FAncestorList)
            if (SameText(A->Name(), Component->Name())) Found = A;
        FAncestor = Found;
    }
    bool WasWriting = Component->ComponentState().Contains(csWriting);
    Component->FComponentState.Include(csWriting);
    try {
        Component->WriteState(this);
    } catch (...) {
        if (!WasWriting) Component->FComponentState.Exclude(csWriting);
        FAncestor = SavedAncestor;
        throw;
    }
    if (!WasWriting) Component->FComponentState.Exclude(csWriting);
    FAncestor = SavedAncestor;
}

void TWriter::WriteData(TComponent* Instance) {
    auto* Ancestor = dynamic_cast<TComponent*>(FAncestor);
    int Flags = 0;
    if (Ancestor) Flags |= ffInherited;
    if (Instance->ComponentState().Contains(csInline)) Flags |= ffInline;
    // A child whose place differs from its place among the ancestor's
    // children carries its position.
    if (!FAncestorList.empty() && FAncestorPos < static_cast<int>(FAncestorList.size()) &&
        (!Ancestor || FAncestorList[static_cast<size_t>(FAncestorPos)] != Ancestor))
        Flags |= ffChildPos;
    WritePrefix(Flags, FChildPos);
    std::string ClassName = Instance->ClassName();
    if (const char* Patched = ClassNamePatch(Instance->ClassType())) ClassName = Patched;
    WriteStr(Instance == FRoot && !RootClassName.empty() ? RootClassName : ClassName);
    WriteStr(Instance->Name());
    std::string SavedPath = FPropPath;
    FPropPath.clear();
    WriteProperties(Instance);
    FPropPath = SavedPath;
    WriteListEnd();
    if (Ancestor) ++FAncestorPos;
    ++FChildPos;
    if (!FIgnoreChildren) {
        std::vector<TComponent*> SavedList = std::move(FAncestorList);
        int SavedPos = FAncestorPos, SavedChildPos = FChildPos;
        TPersistent* SavedAncestor = FAncestor;
        FAncestorList.clear();
        FAncestorPos = 0;
        FChildPos = 0;
        try {
            if (Ancestor) Ancestor->GetChildren([this](TComponent* C) { AddAncestor(C); }, FRootAncestor);
            Instance->GetChildren([this](TComponent* C) { WriteComponent(C); }, FRoot);
        } catch (...) {
            FAncestorList = std::move(SavedList);
            FAncestorPos = SavedPos;
            FChildPos = SavedChildPos;
            FAncestor = SavedAncestor;
            throw;
        }
        FAncestorList = std::move(SavedList);
        FAncestorPos = SavedPos;
        FChildPos = SavedChildPos;
        FAncestor = SavedAncestor;
    }
    WriteListEnd();
}

void TWriter::WriteProperties(TPersistent* Instance) {
    for (const TPropInfo* P : Instance->ClassType()->Properties())
        if (P->IsStored(Instance)) WriteProperty(Instance, P);
    Instance->DefineProperties(this);
}

void TWriter::WritePropName(const std::string& Name) { WriteStr(FPropPath + Name); }

void TWriter::WriteProperty(TPersistent* Instance, const TPropInfo* Prop) {
    TPersistent* Anc = FAncestor;
    if (Anc && !Anc->InheritsFrom(Prop->DeclaringClass)) Anc = nullptr;
    const TTypeInfo* Type = Prop->PropType;
    TTypeKind Kind = Prop->Kind();
    if (Kind != tkClass && !Prop->Writable()) return;
    switch (Kind) {
    case tkInteger:
    case tkInt64:
    case tkChar:
    case tkEnumeration:
    case tkSet: {
        int64_t V = Prop->GetOrd(Instance);
        if (Anc) {
            if (V == Prop->GetOrd(Anc)) return;
        } else if (Prop->HasDefault && V == Prop->Default) {
            return;
        }
        WritePropName(Prop->Name);
        if (Kind == tkInteger || Kind == tkInt64) {
            std::string Ident;
            if (Type->IntToIdent && Type->IntToIdent(V, Ident))
                WriteIdent(Ident);
            else
                WriteInteger(V);
        } else if (Kind == tkChar) {
            WriteChar(static_cast<char>(V));
        } else if (Kind == tkEnumeration) {
            if (Type->IsA(TTypeInfoOf<bool>::Get()) || Type->EnumNames == TTypeInfoOf<bool>::Get()->EnumNames) {
                WriteBoolean(V != 0);
            } else {
                std::string N = GetEnumName(Type, V);
                if (N.empty())
                    WriteInteger(V);
                else
                    WriteIdent(N);
            }
        } else {
            std::vector<std::string> Names;
            const TTypeInfo* E = Type->CompType();
            for (int I = 0; I < 32; ++I)
                if (V & (int64_t{1} << I)) Names.push_back(GetEnumName(E, I));
            WriteSet(Names);
        }
        return;
    }
    case tkFloat: {
        double V = Prop->GetFloat(Instance);
        double Base = Anc ? Prop->GetFloat(Anc) : Prop->FloatDefault;
        if (V == Base || (std::isnan(V) && std::isnan(Base))) return;
        WritePropName(Prop->Name);
        const std::string& TN = Type->Name;
        if (TN == "TDateTime" || TN == "TDate" || TN == "TTime")
            WriteDate(V);
        else if (Type->FloatType == ftCurr)
            WriteCurrency(V);
        else if (Type->FloatType == ftSingle)
            WriteSingle(static_cast<float>(V));
        else
            WriteFloat(V);
        return;
    }
    case tkString:
    case tkLString: {
        std::string V = Prop->GetStr(Instance);
        if (V == (Anc ? Prop->GetStr(Anc) : Prop->StrDefault)) return;
        WritePropName(Prop->Name);
        WriteString(V);
        return;
    }
    case tkMethod: {
        TMethod M = Prop->GetMeth(Instance);
        // A handler of another object (the program that hosts a designed
        // form) has no name in the root's code: it is not stored.
        if (M.Data && FLookupRoot && M.Data != FLookupRoot) return;
        std::string AncName = Anc ? Prop->GetMeth(Anc).Name : std::string();
        if (M.Name == AncName) return;
        WritePropName(Prop->Name);
        if (M.Name.empty())
            WriteValue(TValueType::vaNil);
        else
            WriteIdent(M.Name);
        return;
    }
    case tkClass: {
        TObject* V = Prop->GetObj(Instance);
        TObject* AncV = Anc ? Prop->GetObj(Anc) : nullptr;
        auto* Comp = dynamic_cast<TComponent*>(V);
        bool SubComponent = Comp && Comp->ComponentStyle().Contains(csSubComponent) && Comp->Owner() == Instance;
        if (!V || (Comp && !SubComponent)) {
            if (!Prop->Writable()) return;
            auto* AncComp = dynamic_cast<TComponent*>(AncV);
            std::string Mine = RefName(Comp, FLookupRoot);
            std::string Theirs = AncComp ? RefName(AncComp, FRootAncestor) : std::string();
            if (!V && !AncV) return;
            if (V && AncV && SameText(Mine, Theirs)) return;
            WritePropName(Prop->Name);
            if (!V || Mine.empty())
                WriteValue(TValueType::vaNil);
            else
                WriteIdent(Mine);
            return;
        }
        if (auto* Coll = dynamic_cast<TCollection*>(V)) {
            auto* AncColl = dynamic_cast<TCollection*>(AncV);
            if (AncColl ? CollectionsEqual(Coll, AncColl) : Coll->Count() == 0) return;
            WritePropName(Prop->Name);
            TPersistent* Saved = FAncestor;
            FAncestor = AncColl;
            try {
                WriteCollection(Coll);
            } catch (...) {
                FAncestor = Saved;
                throw;
            }
            FAncestor = Saved;
            return;
        }
        if (auto* Sub = dynamic_cast<TPersistent*>(V)) {
            std::string SavedPath = FPropPath;
            TPersistent* SavedAnc = FAncestor;
            FPropPath += Prop->Name + ".";
            FAncestor = dynamic_cast<TPersistent*>(AncV);
            try {
                WriteProperties(Sub);
            } catch (...) {
                FPropPath = SavedPath;
                FAncestor = SavedAnc;
                throw;
            }
            FPropPath = SavedPath;
            FAncestor = SavedAnc;
        }
        return;
    }
    default:
        return;
    }
}

void TWriter::WriteCollection(TCollection* Value) {
    auto* AncColl = dynamic_cast<TCollection*>(FAncestor);
    WriteValue(TValueType::vaCollection);
    std::string SavedPath = FPropPath;
    TPersistent* SavedAnc = FAncestor;
    try {
        for (int I = 0; I < Value->Count(); ++I) {
            WriteListBegin();
            FPropPath.clear();
            FAncestor = AncColl && I < AncColl->Count() ? AncColl->Items(I) : nullptr;
            WriteProperties(Value->Items(I));
            WriteListEnd();
        }
    } catch (...) {
        FPropPath = SavedPath;
        FAncestor = SavedAnc;
        throw;
    }
    FPropPath = SavedPath;
    FAncestor = SavedAnc;
    WriteListEnd();
}

void TWriter::DefineProperty(const std::string& Name, std::function<void(TReader*)>,
                             std::function<void(TWriter*)> WriteData, bool HasData) {
    if (!HasData || !WriteData) return;
    WritePropName(Name);
    WriteData(this);
}

void TWriter::DefineBinaryProperty(const std::string& Name, std::function<void(TStream*)>,
                                   std::function<void(TStream*)> WriteData, bool HasData) {
    if (!HasData || !WriteData) return;
    TMemoryStream Data;
    WriteData(&Data);
    if (Data.Size() > std::numeric_limits<int32_t>::max()) throw EWriteError("Stream write error");
    WritePropName(Name);
    WriteBinary(Data.Memory(), static_cast<int32_t>(Data.Size()));
}
