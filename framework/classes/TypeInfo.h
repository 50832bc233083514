#pragma once
// Run-time type information: one TClass record per class, holding its
// name, its parent, how to create an instance by name, and its published
// properties, events, handler methods, component fields and message
// handlers. The tables are declared next to the class in plain C++.
//
// Declaring a class with run-time type information:
//
//   // Button.h
//   class TButton : public TComponent {
//       QRN_CLASS(TButton, TComponent)
//   public:
//       explicit TButton(TComponent* AOwner) : TComponent(AOwner) {}
//       int Width() const { return FWidth; }
//       void SetWidth(int Value) { FWidth = Value; }
//       const std::string& Caption() const { return FCaption; }
//       void SetCaption(const std::string& Value) { FCaption = Value; }
//       TColor Color() const { return FColor; }
//       void SetColor(TColor Value) { FColor = Value; }
//       TFont* Font() const { return FFont.get(); }          // sub-object: read-only
//       TNotifyEvent OnClick;
//   private:
//       int FWidth = 75; std::string FCaption; TColor FColor = 0;
//       std::unique_ptr<TFont> FFont;
//   };
//
//   // Button.cpp (or in the header with QRN_PUBLISHED_INLINE)
//   QRN_PUBLISHED(TButton) {
//       B.Prop("Width", &TButton::Width, &TButton::SetWidth).Default(75);
//       B.Prop("Caption", &TButton::Caption, &TButton::SetCaption).Type(QRN_TYPE(TCaption));
//       B.Prop("Color", &TButton::Color, &TButton::SetColor).Type(QRN_TYPE(TColor));
//       B.Prop("Font", &TButton::Font);
//       B.Event("OnClick", &TButton::OnClick);
//   }
//   // and once at start-up, so that streams can create it by name:
//   RegisterClass(TButton::StaticClass());
//
// Properties are listed base class first, then in declaration order. A
// getter/setter may be a member function, a data member or any callable
// taking the object pointer. Enumerations and sets name their members:
//
//   enum TAlignment { taLeftJustify, taRightJustify, taCenter };
//   QRN_ENUM(TAlignment, taLeftJustify, taRightJustify, taCenter)
//   using TAnchors = TSmallSet<TAnchorKind>;   QRN_SET_NAME(TAnchors)
//
// A form class publishes its component fields and its event handlers, so
// that a form resource's "Button1" fills the field and "OnClick =
// Button1Click" binds to the method by name:
//
//   QRN_PUBLISHED(TForm1) {
//       B.Field("Button1", &TForm1::Button1);              // TButton* Button1
//       B.Handler("Button1Click", &TForm1::Button1Click);  // void Button1Click(TObject*)
//       B.Message(WM_SIZE, &TForm1::WMSize);               // void WMSize(TMessage&)
//   }
#include <any>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeinfo>
#include <utility>
#include <vector>

#include "framework/classes/ClassErrors.h"
#include "framework/rtl/Events.h"
#include "framework/rtl/Object.h"
#include "framework/classes/UiTypes.h"
#include "framework/rtl/Variant.h"

class TComponent;
class TCollection;
class TCollectionItem;

// Kinds of published types. std::string properties are tkLString (a long
// string); tkString, tkWChar and tkInterface are kinds no property of this
// framework has, kept so that kind filters name the same sets the
// designer's inspector pages are defined by.
enum TTypeKind {
    tkUnknown, tkInteger, tkChar, tkEnumeration, tkFloat, tkString, tkSet, tkClass, tkMethod, tkWChar, tkLString,
    tkVariant, tkInterface, tkInt64
};
using TTypeKinds = TSmallSet<TTypeKind>;
// Every kind.
constexpr TTypeKinds tkAny = TTypeKinds::FromMask((1u << (tkInt64 + 1)) - 1);
// The kinds whose values are ordinal numbers, and the string kinds.
constexpr TTypeKinds tkOrdinal{tkInteger, tkChar, tkEnumeration, tkSet, tkWChar, tkInt64};
constexpr TTypeKinds tkStrings{tkString, tkLString};
enum TFloatType { ftSingle, ftDouble, ftExtended, ftComp, ftCurr };

// The description of one type. Named identities (TColor, TCaption, ...)
// are records of their own whose BaseType is the type they stand on.
struct TTypeInfo {
    TTypeKind Kind = tkUnknown;
    std::string Name;                          // empty for classes: see TypeName()
    const TTypeInfo* BaseType = nullptr;       // for a named identity
    int64_t MinValue = 0;                      // ordinal range
    int64_t MaxValue = 0;
    std::vector<std::string> EnumNames;        // tkEnumeration, by ordinal
    const TTypeInfo* (*CompTypeFn)() = nullptr;  // tkSet: its element type
    TFloatType FloatType = ftDouble;
    const TClass* (*ClassFn)() = nullptr;      // tkClass
    const std::type_info* Signature = nullptr; // tkMethod: the handler signature

    // Integer types whose values have constant names (colours, cursors).
    mutable std::function<bool(const std::string&, int64_t&)> IdentToInt;
    mutable std::function<bool(int64_t, std::string&)> IntToIdent;

    std::string TypeName() const;
    const TClass* ClassType() const { return ClassFn ? ClassFn() : nullptr; }
    const TTypeInfo* CompType() const { return CompTypeFn ? CompTypeFn() : nullptr; }
    bool IsOrdinal() const { return tkOrdinal.Contains(Kind) && Kind != tkInt64; }
    // True when this type is Other or a named identity standing on it.
    bool IsA(const TTypeInfo* Other) const;
};

// Enumeration names ("" / -1 when out of range or unknown; names compare
// case-insensitively).
std::string GetEnumName(const TTypeInfo* Info, int64_t Value);
int GetEnumValue(const TTypeInfo* Info, std::string_view Name);
// "fsBold,fsItalic" (with Brackets: "[fsBold,fsItalic]") and back; an
// unknown member raises EPropertyError "Invalid property element: %s".
std::string SetToString(const TTypeInfo* Info, int64_t Value, bool Brackets = false);
int64_t StringToSet(const TTypeInfo* Info, std::string_view Value);

// Builds the records behind the macros below.
const TTypeInfo* MakeEnumTypeInfo(const char* Name, const char* CommaSeparatedNames);
const TTypeInfo* MakeNamedTypeInfo(const char* Name, const TTypeInfo* Base);
// Gives an integer type constant names for the form stream and inspector.
void RegisterIntegerConsts(const TTypeInfo* Info, std::function<bool(const std::string&, int64_t&)> IdentToInt,
                           std::function<bool(int64_t, std::string&)> IntToIdent);

// TTypeInfoOf<T>::Get(): the type record of a C++ type. Unregistered
// enumerations do not compile: declare them with QRN_ENUM.
template <class T, class = void>
struct TTypeInfoOf;

namespace qrn_rtti {
const TTypeInfo* IntegerInfo(int Size, bool Signed);
const TTypeInfo* BooleanInfo();
const TTypeInfo* CharInfo();
const TTypeInfo* FloatInfo(TFloatType Type);
const TTypeInfo* StringInfo();
const TTypeInfo* VariantInfo();
const TTypeInfo* MakeClassInfo(const TClass* (*ClassFn)());
const TTypeInfo* MakeSetInfo(const char* Name, const TTypeInfo* (*CompTypeFn)());
const TTypeInfo* MakeMethodInfo(const char* Name, const std::type_info* Signature);

template <class T>
struct IsSmallSet : std::false_type {};
template <class E>
struct IsSmallSet<TSmallSet<E>> : std::true_type {
    using Element = E;
};
template <class T>
struct IsEvent : std::false_type {};
template <class S>
struct IsEvent<TEvent<S>> : std::true_type {
    using Signature = S;
};
}  // namespace qrn_rtti

template <>
struct TTypeInfoOf<bool> {
    static const TTypeInfo* Get() { return qrn_rtti::BooleanInfo(); }
};
template <>
struct TTypeInfoOf<char> {
    static const TTypeInfo* Get() { return qrn_rtti::CharInfo(); }
};
template <class T>
struct TTypeInfoOf<T, std::enable_if_t<std::is_integral_v<T> && !std::is_same_v<T, bool> && !std::is_same_v<T, char>>> {
    static const TTypeInfo* Get() { return qrn_rtti::IntegerInfo(sizeof(T), std::is_signed_v<T>); }
};
template <>
struct TTypeInfoOf<float> {
    static const TTypeInfo* Get() { return qrn_rtti::FloatInfo(ftSingle); }
};
template <>
struct TTypeInfoOf<double> {
    static const TTypeInfo* Get() { return qrn_rtti::FloatInfo(ftDouble); }
};
template <>
struct TTypeInfoOf<std::string> {
    static const TTypeInfo* Get() { return qrn_rtti::StringInfo(); }
};
template <>
struct TTypeInfoOf<Variant> {
    static const TTypeInfo* Get() { return qrn_rtti::VariantInfo(); }
};
template <class T>
struct TTypeInfoOf<T*, std::enable_if_t<std::is_base_of_v<TObject, T>>> {
    static const TTypeInfo* Get() {
        static const TTypeInfo* Info = qrn_rtti::MakeClassInfo(&T::StaticClass);
        return Info;
    }
};
template <class E>
struct TTypeInfoOf<TSmallSet<E>> {
    static const TTypeInfo* Get() {
        static const TTypeInfo* Info = qrn_rtti::MakeSetInfo("", &TTypeInfoOf<E>::Get);
        return Info;
    }
};
template <class S>
struct TTypeInfoOf<TEvent<S>> {
    static const TTypeInfo* Get() {
        static const TTypeInfo* Info = qrn_rtti::MakeMethodInfo("TEvent", &typeid(S));
        return Info;
    }
};
template <>
struct TTypeInfoOf<TNotifyEvent> {
    static const TTypeInfo* Get() {
        static const TTypeInfo* Info = qrn_rtti::MakeMethodInfo("TNotifyEvent", &typeid(void(TObject*)));
        return Info;
    }
};

// QRN_ENUM(TAlignment, taLeftJustify, taRightJustify, taCenter): names the
// members of an enumeration whose values run 0, 1, 2, ...
#define QRN_ENUM(Enum, ...)                                                       \
    template <>                                                                   \
    struct TTypeInfoOf<Enum> {                                                    \
        static const TTypeInfo* Get() {                                           \
            static const TTypeInfo* Info = MakeEnumTypeInfo(#Enum, #__VA_ARGS__); \
            return Info;                                                          \
        }                                                                         \
    };
// QRN_SET_NAME(TFontStyles) for `using TFontStyles = TSmallSet<TFontStyle>`.
#define QRN_SET_NAME(SetType)                                                                         \
    template <>                                                                                       \
    struct TTypeInfoOf<SetType> {                                                                     \
        static const TTypeInfo* Get() {                                                               \
            static const TTypeInfo* Info =                                                            \
                qrn_rtti::MakeSetInfo(#SetType, &TTypeInfoOf<qrn_rtti::IsSmallSet<SetType>::Element>::Get); \
            return Info;                                                                              \
        }                                                                                             \
    };

// Named type identities: QRN_TYPE(TColor) is the record of TColor, distinct
// from Integer although the C++ type is the same. Add new ones with
// QRN_NAMED_TYPE(Name, BaseCppType) in a header.
#define QRN_NAMED_TYPE(Name, Base)                                                      \
    inline const TTypeInfo* QrnTypeInfo_##Name() {                                      \
        static const TTypeInfo* Info = MakeNamedTypeInfo(#Name, TTypeInfoOf<Base>::Get()); \
        return Info;                                                                    \
    }
#define QRN_TYPE(Name) QrnTypeInfo_##Name()

QRN_NAMED_TYPE(TColor, int32_t)
QRN_NAMED_TYPE(TCursor, int16_t)
QRN_NAMED_TYPE(TCaption, std::string)
QRN_NAMED_TYPE(TShortCut, uint16_t)
QRN_NAMED_TYPE(TFontName, std::string)
QRN_NAMED_TYPE(TFontCharset, uint8_t)
QRN_NAMED_TYPE(TImeName, std::string)
QRN_NAMED_TYPE(TModalResult, int)
QRN_NAMED_TYPE(TComponentName, std::string)
QRN_NAMED_TYPE(TTabOrder, int)
QRN_NAMED_TYPE(TImageIndex, int)
QRN_NAMED_TYPE(THelpContext, int)
QRN_NAMED_TYPE(TDateTime, double)
QRN_NAMED_TYPE(TDate, double)
QRN_NAMED_TYPE(TTime, double)
QRN_NAMED_TYPE(TCurrency, double)

// One published property or event.
class TPropInfo {
public:
    std::string Name;
    const TTypeInfo* PropType = nullptr;
    const TClass* DeclaringClass = nullptr;
    int Index = 0;  // position in the class's full list

    bool HasDefault = false;      // ordinal: written only when it differs
    int64_t Default = 0;
    std::string StrDefault;       // string: written only when it differs
    double FloatDefault = 0;      // float: written only when it differs
    std::function<bool(TObject*)> StoredFn;  // empty: StoredConst decides
    bool StoredConst = true;

    // Accessors by kind; only those of the property's kind are set.
    std::function<int64_t(TObject*)> GetOrd;
    std::function<void(TObject*, int64_t)> SetOrd;
    std::function<double(TObject*)> GetFloat;
    std::function<void(TObject*, double)> SetFloat;
    std::function<std::string(TObject*)> GetStr;
    std::function<void(TObject*, const std::string&)> SetStr;
    std::function<TObject*(TObject*)> GetObj;
    std::function<void(TObject*, TObject*)> SetObj;
    std::function<TMethod(TObject*)> GetMeth;
    std::function<void(TObject*, const TMethod&)> SetMeth;
    std::function<Variant(TObject*)> GetVar;
    std::function<void(TObject*, const Variant&)> SetVar;

    TTypeKind Kind() const { return PropType ? PropType->Kind : tkUnknown; }
    bool Writable() const { return SetOrd || SetFloat || SetStr || SetObj || SetMeth || SetVar; }
    bool IsStored(TObject* Instance) const { return StoredFn ? StoredFn(Instance) : StoredConst; }
};

// A handler method published for binding by name.
struct THandlerInfo {
    std::string Name;
    const std::type_info* Signature = nullptr;
    std::function<std::any(TObject* Target)> Bind;  // a std::function of Signature
};

// A component field: filled when a component of that name joins the owner.
struct TFieldInfo {
    std::string Name;
    const TClass* (*ClassFn)() = nullptr;
    std::function<bool(TObject* Owner, TComponent* Value)> Set;  // false: wrong class
};

class TClass {
public:
    using TInit = void (*)(TClass& Cls);
    TClass(const char* Name, const TClass* Parent, TInit Init);
    TClass(const TClass&) = delete;
    TClass& operator=(const TClass&) = delete;

    const std::string& Name() const { return FName; }
    const TClass* Parent() const { return FParent; }
    bool InheritsFrom(const TClass* Class) const;

    // Creation by name through the class's constructor (nullptr when the
    // class cannot be created that way, e.g. an abstract class).
    bool CanCreateComponent() const { return static_cast<bool>(FCreateComponent); }
    TComponent* CreateComponent(TComponent* Owner) const;
    TCollectionItem* CreateItem(TCollection* Collection) const;
    TObject* CreateObject() const;

    // Published properties and events, base class first.
    const std::vector<const TPropInfo*>& Properties() const { return FAllProps; }
    const TPropInfo* FindProperty(std::string_view Name) const;
    const THandlerInfo* FindHandler(std::string_view Name) const;  // this class and ancestors
    // The handler name bound to a method of this class: not needed by the
    // stream (events carry their names) but useful for the designer.
    const std::vector<THandlerInfo>& OwnHandlers() const { return FHandlers; }
    const TFieldInfo* FindField(std::string_view Name) const;      // this class and ancestors
    // Message handler of exactly this class (Dispatch walks the parents).
    const std::function<void(TObject*, void*)>* FindMessageHandler(uint32_t Msg) const;

    // Filled by TClassBuilder.
    std::vector<std::unique_ptr<TPropInfo>> FOwnProps;
    std::vector<THandlerInfo> FHandlers;
    std::vector<TFieldInfo> FFields;
    std::vector<std::pair<uint32_t, std::function<void(TObject*, void*)>>> FMessages;
    std::vector<std::string> FUnpublished;
    std::function<TComponent*(TComponent*)> FCreateComponent;
    std::function<TCollectionItem*(TCollection*)> FCreateItem;
    std::function<TObject*()> FCreateObject;

private:
    std::string FName;
    const TClass* FParent;
    std::vector<const TPropInfo*> FAllProps;
};

// Property access. Kind mismatches raise EPropertyError "Invalid property
// type"; a read-only property raises "Property %s is read-only".
int64_t GetOrdProp(TObject* Instance, const TPropInfo* Prop);
void SetOrdProp(TObject* Instance, const TPropInfo* Prop, int64_t Value);
double GetFloatProp(TObject* Instance, const TPropInfo* Prop);
void SetFloatProp(TObject* Instance, const TPropInfo* Prop, double Value);
std::string GetStrProp(TObject* Instance, const TPropInfo* Prop);
void SetStrProp(TObject* Instance, const TPropInfo* Prop, const std::string& Value);
TObject* GetObjectProp(TObject* Instance, const TPropInfo* Prop);
void SetObjectProp(TObject* Instance, const TPropInfo* Prop, TObject* Value);
TMethod GetMethodProp(TObject* Instance, const TPropInfo* Prop);
void SetMethodProp(TObject* Instance, const TPropInfo* Prop, const TMethod& Value);
std::string GetEnumProp(TObject* Instance, const TPropInfo* Prop);
void SetEnumProp(TObject* Instance, const TPropInfo* Prop, std::string_view Value);
std::string GetSetProp(TObject* Instance, const TPropInfo* Prop, bool Brackets = false);
void SetSetProp(TObject* Instance, const TPropInfo* Prop, std::string_view Value);
// True when the property holds its default (not written to a stream).
bool IsDefaultPropValue(TObject* Instance, const TPropInfo* Prop);

// Property paths: "Caption", "Font.Name". ResolvePropPath walks through
// object-valued properties; false when a step does not exist or is nil.
bool ResolvePropPath(TObject* Instance, std::string_view Path, TObject*& Target, const TPropInfo*& Prop);
const TPropInfo* GetPropInfo(const TObject* Instance, std::string_view Name);  // one level
bool IsPublishedProp(TObject* Instance, std::string_view Path);
TTypeKind PropType(TObject* Instance, std::string_view Path);
// By path; an unknown one raises EPropertyError "Property %s does not exist".
int64_t GetOrdProp(TObject* Instance, std::string_view Path);
void SetOrdProp(TObject* Instance, std::string_view Path, int64_t Value);
double GetFloatProp(TObject* Instance, std::string_view Path);
void SetFloatProp(TObject* Instance, std::string_view Path, double Value);
std::string GetStrProp(TObject* Instance, std::string_view Path);
void SetStrProp(TObject* Instance, std::string_view Path, const std::string& Value);
TObject* GetObjectProp(TObject* Instance, std::string_view Path);
void SetObjectProp(TObject* Instance, std::string_view Path, TObject* Value);
TMethod GetMethodProp(TObject* Instance, std::string_view Path);
void SetMethodProp(TObject* Instance, std::string_view Path, const TMethod& Value);
// Any property as text, as the inspector shows it: integers in decimal (or
// their constant name), enumerations by name, sets "[a,b]", floats, strings
// unquoted, a referenced component by name, an owned object as its declared
// type "(TStrings)", events by handler name. SetPropValue parses the same forms back (not for objects/events).
std::string GetPropValue(TObject* Instance, std::string_view Path);
// A character as the inspector shows it: itself when printable (33-126),
// else "#n"; CharPropValue reads either form back.
std::string CharPropText(int64_t Value);
bool CharPropValue(const std::string& Text, int64_t& Value);
void SetPropValue(TObject* Instance, std::string_view Path, const std::string& Value);

// ---- Declaring the tables ----

class TPropBuilder {
public:
    explicit TPropBuilder(TPropInfo& Prop) : P(Prop) {}
    // The default value: ordinal (integer, enum, bool, set), string or float.
    template <class V>
    TPropBuilder& Default(V Value) {
        if constexpr (qrn_rtti::IsSmallSet<V>::value) {
            P.HasDefault = true;
            P.Default = Value.Mask();
        } else if constexpr (std::is_convertible_v<V, std::string>) {
            P.StrDefault = std::string(Value);
        } else if constexpr (std::is_floating_point_v<V>) {
            P.FloatDefault = Value;
        } else {
            P.HasDefault = true;
            P.Default = static_cast<int64_t>(Value);
        }
        return *this;
    }
    // An object property whose class sits in a layer above the class that
    // publishes it: the accessors pass a TComponent*, the class record comes
    // from ClassFn when asked, and only its instances are accepted.
    TPropBuilder& OfClass(const TClass* (*ClassFn)());
    TPropBuilder& NoDefault() {
        P.HasDefault = false;
        return *this;
    }
    TPropBuilder& Stored(bool Value) {
        P.StoredFn = nullptr;
        P.StoredConst = Value;
        return *this;
    }
    // Stored(&TFoo::IsColorStored) or any callable taking the TObject*.
    template <class C2>
    TPropBuilder& Stored(bool (C2::*Fn)() const) {
        P.StoredFn = [Fn](TObject* Obj) { return (static_cast<C2*>(Obj)->*Fn)(); };
        return *this;
    }
    template <class F>
        requires(std::is_invocable_r_v<bool, F, TObject*> && !std::is_same_v<F, bool>)
    TPropBuilder& Stored(F Fn) {
        P.StoredFn = std::move(Fn);
        return *this;
    }
    // The named type identity: .Type(QRN_TYPE(TColor)). Must stand on the
    // property's own kind.
    TPropBuilder& Type(const TTypeInfo* Info);

private:
    TPropInfo& P;
};

template <class C>
class TClassBuilder {
public:
    explicit TClassBuilder(TClass& Cls);

    // Prop(Name, Getter, Setter) / Prop(Name, Getter) (read-only, e.g. a
    // sub-object such as Font) / Prop(Name, &C::DataMember) (read/write).
    template <class G, class S>
    TPropBuilder Prop(std::string Name, G Getter, S Setter);
    template <class G>
    TPropBuilder Prop(std::string Name, G Getter);
    // An event: a TEvent data member (or getter and setter).
    template <class G>
    TPropBuilder Event(std::string Name, G Field) {
        return Prop(std::move(Name), Field);
    }
    template <class G, class S>
    TPropBuilder Event(std::string Name, G Getter, S Setter) {
        return Prop(std::move(Name), Getter, Setter);
    }
    // A handler method the form stream binds by name.
    template <class C2, class R, class... A>
    void Handler(std::string Name, R (C2::*Method)(A...));
    // A component field filled when the component named Name joins.
    template <class C2, class T>
    void Field(std::string Name, T* C2::*Member);
    // A message handler: void (C::*)(M&) where M starts with the number.
    template <class C2, class M>
    void Message(uint32_t Msg, void (C2::*Method)(M&));
    // Takes an inherited property out of this class and its descendants
    // (neither streamed nor shown by the designer).
    void Unpublish(std::string Name) { Cls.FUnpublished.push_back(std::move(Name)); }

private:
    template <class T, class GetFn, class SetFn>
    TPropBuilder AddProp(std::string Name, GetFn Get, SetFn Set, bool HasSetter);
    TClass& Cls;
};

// QRN_CLASS(Cls, Parent) opens the class body; QRN_PUBLISHED(Cls) { ... }
// defines the tables (in the .cpp; QRN_PUBLISHED_INLINE in a header).
#define QRN_CLASS(Cls, Parent)                                        \
public:                                                               \
    using inherited = Parent;                                         \
    static const TClass* StaticClass();                               \
    const TClass* ClassType() const override;                         \
    static void DeclarePublished(TClassBuilder<Cls>& B);              \
                                                                      \
private:

#define QRN_PUBLISHED_IMPL(Spec, Cls)                                                          \
    Spec const TClass* Cls::StaticClass() {                                                    \
        static const TClass C(#Cls, Cls::inherited::StaticClass(), [](TClass& X) {            \
            TClassBuilder<Cls> Builder(X);                                                     \
            Cls::DeclarePublished(Builder);                                                    \
        });                                                                                    \
        return &C;                                                                             \
    }                                                                                          \
    Spec const TClass* Cls::ClassType() const { return Cls::StaticClass(); }                   \
    Spec void Cls::DeclarePublished([[maybe_unused]] TClassBuilder<Cls>& B)

#define QRN_PUBLISHED(Cls) QRN_PUBLISHED_IMPL(, Cls)
#define QRN_PUBLISHED_INLINE(Cls) QRN_PUBLISHED_IMPL(inline, Cls)

#include "framework/classes/TypeInfoImpl.h"
