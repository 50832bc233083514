#pragma once
// Template half of TypeInfo.h: turns typed getters and setters into the
// kind-level accessors of TPropInfo. Included by TypeInfo.h only.
#include <functional>

namespace qrn_rtti {

template <class T>
constexpr TTypeKind KindOf() {
    if constexpr (std::is_same_v<T, bool> || std::is_enum_v<T>)
        return tkEnumeration;
    else if constexpr (std::is_same_v<T, char>)
        return tkChar;
    else if constexpr (std::is_integral_v<T>)
        return sizeof(T) > 4 ? tkInt64 : tkInteger;
    else if constexpr (IsSmallSet<T>::value)
        return tkSet;
    else if constexpr (std::is_floating_point_v<T>)
        return tkFloat;
    else if constexpr (std::is_same_v<T, std::string>)
        return tkLString;
    else if constexpr (std::is_same_v<T, Variant>)
        return tkVariant;
    else if constexpr (std::is_pointer_v<T>)
        return tkClass;
    else if constexpr (IsEvent<T>::value)
        return tkMethod;
    else
        return tkUnknown;
}

template <class T>
int64_t ToOrd(const T& V) {
    if constexpr (IsSmallSet<T>::value)
        return static_cast<int64_t>(V.Mask());
    else if constexpr (std::is_same_v<T, bool>)
        return V ? 1 : 0;
    else if constexpr (std::is_same_v<T, char>)
        return static_cast<unsigned char>(V);
    else
        return static_cast<int64_t>(V);
}

template <class T>
T FromOrd(int64_t V) {
    if constexpr (IsSmallSet<T>::value)
        return T::FromMask(static_cast<uint32_t>(V));
    else if constexpr (std::is_same_v<T, bool>)
        return V != 0;
    else if constexpr (std::is_enum_v<T>)
        return static_cast<T>(static_cast<std::underlying_type_t<T>>(V));
    else
        return static_cast<T>(V);
}

[[noreturn]] void RaiseInvalidValue();
[[noreturn]] void RaiseWrongClass(const TClass* Expected, TObject* Value);

template <class E>
E MethodToEvent(const TMethod& M) {
    using Sig = typename IsEvent<E>::Signature;
    using Fn = std::function<Sig>;
    if (!M.Code.has_value()) return E::Make(Fn{}, M.Data, M.Name);
    const Fn* F = std::any_cast<Fn>(&M.Code);
    if (!F) RaiseInvalidValue();
    return E::Make(*F, M.Data, M.Name);
}

template <class E>
TMethod EventToMethod(const E& Ev) {
    TMethod M;
    M.Data = Ev.Data;
    M.Name = Ev.Name;
    if (Ev.Function()) M.Code = Ev.Function();
    return M;
}

}  // namespace qrn_rtti

template <class C>
TClassBuilder<C>::TClassBuilder(TClass& Class) : Cls(Class) {
    if constexpr (std::is_constructible_v<C, TComponent*> && !std::is_abstract_v<C>) {
        if constexpr (std::is_base_of_v<TComponent, C>)
            Cls.FCreateComponent = [](TComponent* Owner) -> TComponent* { return new C(Owner); };
    }
    if constexpr (std::is_constructible_v<C, TCollection*> && !std::is_abstract_v<C> &&
                  !std::is_constructible_v<C, TComponent*>) {
        if constexpr (std::is_base_of_v<TCollectionItem, C>)
            Cls.FCreateItem = [](TCollection* Collection) -> TCollectionItem* { return new C(Collection); };
    }
    if constexpr (std::is_default_constructible_v<C> && !std::is_abstract_v<C>)
        Cls.FCreateObject = []() -> TObject* { return new C(); };
}

template <class C>
template <class T, class GetFn, class SetFn>
TPropBuilder TClassBuilder<C>::AddProp(std::string Name, GetFn Get, SetFn Set, bool HasSetter) {
    using namespace qrn_rtti;
    auto P = std::make_unique<TPropInfo>();
    P->Name = std::move(Name);
    P->PropType = TTypeInfoOf<T>::Get();
    P->DeclaringClass = &Cls;
    constexpr TTypeKind K = KindOf<T>();
    static_assert(K != tkUnknown, "this type cannot be a published property");
    if constexpr (K == tkEnumeration || K == tkChar || K == tkInteger || K == tkInt64 || K == tkSet) {
        P->GetOrd = [Get](TObject* O) -> int64_t { return ToOrd<T>(Get(static_cast<C*>(O))); };
        if (HasSetter) P->SetOrd = [Set](TObject* O, int64_t V) { Set(static_cast<C*>(O), FromOrd<T>(V)); };
    } else if constexpr (K == tkFloat) {
        P->GetFloat = [Get](TObject* O) -> double { return static_cast<double>(Get(static_cast<C*>(O))); };
        if (HasSetter) P->SetFloat = [Set](TObject* O, double V) { Set(static_cast<C*>(O), static_cast<T>(V)); };
    } else if constexpr (K == tkVariant) {
        P->GetVar = [Get](TObject* O) -> Variant { return Get(static_cast<C*>(O)); };
        if (HasSetter) P->SetVar = [Set](TObject* O, const Variant& V) { Set(static_cast<C*>(O), V); };
    } else if constexpr (K == tkLString) {
        P->GetStr = [Get](TObject* O) -> std::string { return Get(static_cast<C*>(O)); };
        if (HasSetter) P->SetStr = [Set](TObject* O, const std::string& V) { Set(static_cast<C*>(O), V); };
    } else if constexpr (K == tkClass) {
        using Target = std::remove_pointer_t<T>;
        static_assert(std::is_base_of_v<TObject, Target>, "object properties must hold TObject descendants");
        P->GetObj = [Get](TObject* O) -> TObject* { return Get(static_cast<C*>(O)); };
        if (HasSetter)
            P->SetObj = [Set](TObject* O, TObject* V) {
                Target* Typed = nullptr;
                if (V) {
                    Typed = dynamic_cast<Target*>(V);
                    if (!Typed) RaiseWrongClass(Target::StaticClass(), V);
                }
                Set(static_cast<C*>(O), Typed);
            };
    } else if constexpr (K == tkMethod) {
        P->GetMeth = [Get](TObject* O) -> TMethod { return EventToMethod<T>(Get(static_cast<C*>(O))); };
        if (HasSetter)
            P->SetMeth = [Set](TObject* O, const TMethod& M) { Set(static_cast<C*>(O), MethodToEvent<T>(M)); };
    }
    TPropInfo& Ref = *P;
    Cls.FOwnProps.push_back(std::move(P));
    return TPropBuilder(Ref);
}

template <class C>
template <class G, class S>
TPropBuilder TClassBuilder<C>::Prop(std::string Name, G Getter, S Setter) {
    using T = std::remove_cvref_t<std::invoke_result_t<G, C*>>;
    auto Get = [Getter](C* O) -> T { return std::invoke(Getter, O); };
    auto Set = [Setter](C* O, const T& V) {
        if constexpr (std::is_member_object_pointer_v<S>)
            std::invoke(Setter, O) = V;
        else
            std::invoke(Setter, O, V);
    };
    return AddProp<T>(std::move(Name), Get, Set, true);
}

template <class C>
template <class G>
TPropBuilder TClassBuilder<C>::Prop(std::string Name, G Getter) {
    using T = std::remove_cvref_t<std::invoke_result_t<G, C*>>;
    auto Get = [Getter](C* O) -> T { return std::invoke(Getter, O); };
    if constexpr (std::is_member_object_pointer_v<G>) {
        auto Set = [Getter](C* O, const T& V) { std::invoke(Getter, O) = V; };
        return AddProp<T>(std::move(Name), Get, Set, true);
    } else {
        auto Set = [](C*, const T&) {};
        return AddProp<T>(std::move(Name), Get, Set, false);
    }
}

template <class C>
template <class C2, class R, class... A>
void TClassBuilder<C>::Handler(std::string Name, R (C2::*Method)(A...)) {
    static_assert(std::is_base_of_v<C2, C>, "the handler must belong to the class");
    THandlerInfo H;
    H.Name = std::move(Name);
    H.Signature = &typeid(R(A...));
    H.Bind = [Method](TObject* Target) -> std::any {
        C* Obj = static_cast<C*>(Target);
        return std::function<R(A...)>([Obj, Method](A... Args) -> R { return (Obj->*Method)(std::forward<A>(Args)...); });
    };
    Cls.FHandlers.push_back(std::move(H));
}

template <class C>
template <class C2, class T>
void TClassBuilder<C>::Field(std::string Name, T* C2::*Member) {
    static_assert(std::is_base_of_v<C2, C>, "the field must belong to the class");
    TFieldInfo F;
    F.Name = std::move(Name);
    F.ClassFn = &T::StaticClass;
    F.Set = [Member](TObject* Owner, TComponent* Value) -> bool {
        T* Typed = Value ? dynamic_cast<T*>(Value) : nullptr;
        if (Value && !Typed) return false;
        static_cast<C*>(Owner)->*Member = Typed;
        return true;
    };
    Cls.FFields.push_back(std::move(F));
}

template <class C>
template <class C2, class M>
void TClassBuilder<C>::Message(uint32_t Msg, void (C2::*Method)(M&)) {
    static_assert(std::is_base_of_v<C2, C>, "the handler must belong to the class");
    Cls.FMessages.emplace_back(Msg, [Method](TObject* Obj, void* Data) { (static_cast<C*>(Obj)->*Method)(*static_cast<M*>(Data)); });
}
