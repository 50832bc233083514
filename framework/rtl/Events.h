#pragma once
// Event values. An event holds the handler to call, the object the handler
// belongs to, and the handler's name: forms bind events by name, and the
// designer shows, renames and streams them by that name.
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
    TEvent() = default;
    TEvent(std::nullptr_t) {}

    template <class F>
        requires(!std::is_same_v<std::decay_t<F>, TEvent> && std::is_invocable_r_v<R, F&, A...>)
    TEvent(F Handler) : Fn(std::move(Handler)) {}

    template <class T>
    TEvent(T* Target, R (T::*Method)(A...), std::string HandlerName = {})
        : Data(Target), Name(std::move(HandlerName)),
          Fn([Target, Method](A... Args) -> R { return (Target->*Method)(std::forward<A>(Args)...); }) {}

    explicit operator bool() const { return static_cast<bool>(Fn); }
    R operator()(A... Args) const { return Fn(std::forward<A>(Args)...); }

    TObject* Data = nullptr;  // the object the handler belongs to, if any
    std::string Name;         // the handler's name, if bound by name

private:
    std::function<R(A...)> Fn;
};

using TNotifyEvent = TEvent<void(TObject* Sender)>;
