#pragma once
// The form stream: TWriter writes a component tree in the binary form
// (docs/form-stream.md), TReader reads it back into new or existing
// components. Both work over a TStream they do not own.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/classes/Component.h"
#include "framework/classes/TypeInfo.h"
#include "framework/rtl/Object.h"
#include "framework/rtl/Streams.h"

class TCollection;

enum class TValueType : uint8_t {
    vaNull = 0,
    vaList = 1,
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaExtended = 5,
    vaString = 6,
    vaIdent = 7,
    vaFalse = 8,
    vaTrue = 9,
    vaBinary = 10,
    vaSet = 11,
    vaLString = 12,
    vaNil = 13,
    vaCollection = 14,
    vaSingle = 15,
    vaCurrency = 16,
    vaDate = 17,
    vaWString = 18,
    vaInt64 = 19,
    vaUTF8String = 20,
    vaDouble = 21,
};
constexpr uint8_t MaxValueType = 21;

// Prefix flags of a component header.
enum TFilerFlag { ffInherited = 1, ffChildPos = 2, ffInline = 4 };

class TFiler : public TObject {
public:
    explicit TFiler(TStream* AStream) : FStream(AStream) {}

    // Streams extra data of a class under a property name: reading calls
    // ReadData when the stream holds that name; writing calls WriteData
    // when HasData.
    virtual void DefineProperty(const std::string& Name, std::function<void(TReader*)> ReadData,
                                std::function<void(TWriter*)> WriteData, bool HasData) = 0;
    // The same for raw bytes (vaBinary): WriteData writes into a memory
    // stream whose bytes are stored; ReadData reads from one.
    virtual void DefineBinaryProperty(const std::string& Name, std::function<void(TStream*)> ReadData,
                                      std::function<void(TStream*)> WriteData, bool HasData) = 0;

    TStream* Stream() const { return FStream; }
    TComponent* Root() const { return FRoot; }
    void SetRoot(TComponent* Value) {
        FRoot = Value;
        FLookupRoot = Value;
    }
    TComponent* LookupRoot() const { return FLookupRoot; }
    // While writing against an ancestor: the ancestor counterpart of the
    // object whose properties are being written (nullptr otherwise).
    TPersistent* Ancestor() const { return FAncestor; }
    void SetAncestor(TPersistent* Value) { FAncestor = Value; }
    bool IgnoreChildren() const { return FIgnoreChildren; }
    void SetIgnoreChildren(bool Value) { FIgnoreChildren = Value; }

protected:
    TStream* FStream;
    TComponent* FRoot = nullptr;
    TComponent* FLookupRoot = nullptr;
    TPersistent* FAncestor = nullptr;
    bool FIgnoreChildren = false;
};

// ---------------------------------------------------------------- reader

class TReader : public TFiler {
public:
    // Hooks. OnError decides whether an error is skipped (Handled = true);
    // OnFindMethod may supply a handler the root does not publish (clear
    // Error to accept Method, which may carry just the name); OnSetName may
    // change the name of a component read; OnFindComponentClass may supply
    // the class for a class name.
    std::function<void(TReader* Reader, const std::string& Message, bool& Handled)> OnError;
    std::function<void(TReader* Reader, const std::string& MethodName, TMethod& Method, bool& Error)> OnFindMethod;
    std::function<void(TReader* Reader, TComponent* Component, std::string& Name)> OnSetName;
    std::function<void(TReader* Reader, const std::string& ClassName, const TClass*& ComponentClass)>
        OnFindComponentClass;

    explicit TReader(TStream* AStream);
    ~TReader() override;

    void DefineProperty(const std::string& Name, std::function<void(TReader*)> ReadData,
                        std::function<void(TWriter*)> WriteData, bool HasData) override;
    void DefineBinaryProperty(const std::string& Name, std::function<void(TStream*)> ReadData,
                              std::function<void(TStream*)> WriteData, bool HasData) override;

    // Reads a whole stream ("TPF0" + component). Root nullptr: the root is
    // created from its class name. Otherwise the stream fills Root: its
    // properties are set and its components created (or found by name).
    // Loaded() runs for every component read once references are fixed.
    TComponent* ReadRootComponent(TComponent* Root);
    // Reads one component header and body: Component nullptr creates it
    // (owned by Owner(), parent component Parent()). Components read this
    // way get Loaded() when the reader is destroyed.
    TComponent* ReadComponent(TComponent* Component);
    void ReadComponents(TComponent* AOwner, TComponent* AParent, std::function<void(TComponent*)> Proc);
    void ReadSignature();  // EReadError "Invalid stream format"
    void ReadPrefix(int& Flags, int& AChildPos);
    // Properties then children of Instance, as ReadState does.
    void ReadData(TComponent* Instance);
    void ReadProperty(TPersistent* Instance);
    void ReadCollection(TCollection* Collection);
    // Resolves the component references read so far (also across roots
    // known to the global loading).
    void FixupReferences();

    // Typed values. Each checks the value type and raises EReadError
    // "Invalid property value" on a mismatch.
    TValueType NextValue();
    TValueType ReadValue();
    void CheckValue(TValueType Value);
    bool EndOfList();
    void ReadListBegin();
    void ReadListEnd();
    int ReadInteger();        // any integer type that fits
    int64_t ReadInt64();
    bool ReadBoolean();
    char ReadChar();
    double ReadFloat();       // vaExtended, vaDouble, vaSingle, vaCurrency, vaDate or integer
    float ReadSingle();
    double ReadCurrency();
    double ReadDate();
    std::string ReadString(); // vaString, vaLString, vaWString, vaUTF8String
    std::string ReadIdent();  // vaIdent, or the words False/True/nil/Null
    std::string ReadStr();    // a bare short string (names in headers)
    std::vector<std::string> ReadSet();  // after vaSet
    void SkipValue();
    void ReadBytes(void* Buffer, int32_t Count);

    TComponent* Owner() const { return FOwner; }
    void SetOwner(TComponent* Value) { FOwner = Value; }
    TComponent* Parent() const { return FParent; }
    void SetParent(TComponent* Value) { FParent = Value; }
    int64_t Position() const;
    void SetPosition(int64_t Value);

    // Runs the error hook; raises EReadError(Message) unless handled.
    void Error(const std::string& Message);

private:
    void ReadPropValue(TPersistent* Instance, const TPropInfo* Prop);
    void ReadPropPath(TPersistent* Instance, const std::string& Path);
    const TClass* FindComponentClass(const std::string& ClassName);
    TMethod FindMethod(const std::string& Name);
    void SkipBytes(int64_t Count);
    void CheckAvailable(int64_t Count);
    void Enter();
    void Leave() { --FDepth; }

    TComponent* FOwner = nullptr;
    TComponent* FParent = nullptr;
    std::vector<TComponent*> FLoaded;
    std::string FPropName;  // the name a DefineProperties call must match
    int FDepth = 0;
    friend class TReaderDepth;
};

// --------------------------------------------------------------- writer

class TWriter : public TFiler {
public:
    explicit TWriter(TStream* AStream);
    ~TWriter() override;

    // When set, written as the root's class name instead of its own (a
    // designed form is stored as "T" + its name).
    std::string RootClassName;

    void DefineProperty(const std::string& Name, std::function<void(TReader*)> ReadData,
                        std::function<void(TWriter*)> WriteData, bool HasData) override;
    void DefineBinaryProperty(const std::string& Name, std::function<void(TStream*)> ReadData,
                              std::function<void(TStream*)> WriteData, bool HasData) override;

    // "TPF0" + the root (and its children). Against an ancestor root, only
    // what differs from the ancestor is written.
    void WriteRootComponent(TComponent* Root);
    void WriteDescendent(TComponent* Root, TComponent* AAncestor);
    void WriteSignature();
    // One component (header, properties, children) with the current Root.
    void WriteComponent(TComponent* Component);
    // Header, properties and children; used by TComponent::WriteState.
    void WriteData(TComponent* Instance);
    void WriteProperties(TPersistent* Instance);
    void WriteCollection(TCollection* Value);
    void WritePrefix(int Flags, int AChildPos);

    // Typed values, each with its type byte.
    void WriteValue(TValueType Value);
    void WriteListBegin();
    void WriteListEnd();
    void WriteInteger(int64_t Value);  // smallest of vaInt8/16/32, else vaInt64
    void WriteBoolean(bool Value);
    void WriteChar(char Value);
    void WriteFloat(double Value);     // vaExtended
    void WriteSingle(float Value);
    void WriteDouble(double Value);
    void WriteCurrency(double Value);
    void WriteDate(double Value);
    void WriteString(const std::string& Value);  // vaString up to 255 bytes, else vaLString
    void WriteUTF8String(const std::string& Value);
    void WriteIdent(const std::string& Ident);   // False/True/nil become their own types
    void WriteStr(const std::string& Value);     // a bare short string (max 255)
    void WriteSet(const std::vector<std::string>& Names);
    void WriteBinary(const void* Data, int32_t Count);
    void Write(const void* Buffer, int32_t Count);

    int64_t Position() const;

private:
    void WriteProperty(TPersistent* Instance, const TPropInfo* Prop);
    void WritePropName(const std::string& Name);
    std::string ReferenceName(TComponent* Value) const;
    void AddAncestor(TComponent* Component);

    std::string FPropPath;
    std::vector<TComponent*> FAncestorList;
    TComponent* FRootAncestor = nullptr;
    int FAncestorPos = 0;
    int FChildPos = 0;
};

// ------------------------------------------------ global loading, fix-ups

// While global loading runs, references to components of other roots
// ("Form2.Button1") stay pending until every root is read; Loaded() of
// the components read is deferred to NotifyGlobalLoading/EndGlobalLoading.
void BeginGlobalLoading();
void NotifyGlobalLoading();
void EndGlobalLoading();
bool GlobalLoadingActive();
// Tries again every pending reference (when a root that others refer to
// has appeared).
void GlobalFixupReferences();
// Drops pending references held by Instance (or, with nullptr, by
// every object read under Root).
void RemoveFixupReferences(TComponent* Root, TPersistent* Instance);
int PendingFixupCount();
// Roots that references of other roots may name. Roots read by
// ReadRootComponent are known while they exist; more can be added.
void RegisterGlobalRoot(TComponent* Root);
void UnregisterGlobalRoot(TComponent* Root);
TComponent* FindGlobalComponent(std::string_view Name);
// An extra finder consulted by FindGlobalComponent (e.g. the screen's forms).
void SetFindGlobalComponentHook(std::function<TComponent*(std::string_view Name)> Hook);
