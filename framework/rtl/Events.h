#pragma once
// Event values. An event holds the handler to call, the object the handler
// belongs to, and the handler's name: forms bind events by name, and the
// designer shows, renames and streams them by that name. An event may carry
// a name without a callable handler (a designed form whose handlers exist
// only as names); calling such an event does nothing.
#include <any>
#include <cstddef>
#include <functional>
#include <string>
#include <type_traits>
#include <utility>

class TObject;

template <class Signature>
class TEvent;

template <class R, class... A>
class TEvent<R(A...)> {
public:
    using TSignature = R(A...);
    using TFunction = std::function<R(A...)>;

    TEvent() = default;
    TEvent(std::nullptr_t) {}

    template <class F>
        requires(!std::is_same_v<std::decay_t<F>, TEvent> && !std::is_same_v<std::decay_t<F>, std::nullptr_t> &&
                 std::is_invocable_r_v<R, F&, A...>)
    TEvent(F Handler) : Fn(std::move(Handler)) {}

    template <class T>
    TEvent(T* Target, R (T::*Method)(A...), std::string HandlerName = {})
        : Data(Target), Name(std::move(HandlerName)),
          Fn([Target, Method](A... Args) -> R { return (Target->*Method)(std::forward<A>(Args)...); }) {}

    // An event from its three parts (Fn may be empty: a name-only handler).
    static TEvent Make(TFunction Function, TObject* Target, std::string HandlerName) {
        TEvent E;
        E.Fn = std::move(Function);
        E.Data = Target;
        E.Name = std::move(HandlerName);
        return E;
    }

    // True when the event has a handler, callable or by name only.
    explicit operator bool() const { return static_cast<bool>(Fn) || !Name.empty(); }
    bool Callable() const { return static_cast<bool>(Fn); }
    R operator()(A... Args) const {
        if (!Fn) {
            if constexpr (std::is_void_v<R>)
                return;
            else
                return R{};
        }
        return Fn(std::forward<A>(Args)...);
    }
    const TFunction& Function() const { return Fn; }

    TObject* Data = nullptr;  // the object the handler belongs to, if any
    std::string Name;         // the handler's name, if bound by name

private:
    TFunction Fn;
};

using TNotifyEvent = TEvent<void(TObject* Sender)>;

// An event value of any signature, as the run-time type information and
// the form stream see it. Code holds a std::function of the event's exact
// signature, or is empty for a handler known by name only.
struct TMethod {
    TObject* Data = nullptr;
    std::string Name;
    std::any Code;

    bool Assigned() const { return Code.has_value() || !Name.empty(); }
};
