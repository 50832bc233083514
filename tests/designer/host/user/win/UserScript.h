#pragma once
// A person at the designer, written as one sequence of what they do. The
// script is a coroutine resumed from a timer of the designer's own message
// loop (and of every modal loop it opens), so the designer runs between
// the steps exactly as it runs for a person: each step sends real input
// (the mouse through the system's input queue, keys and modified clicks
// posted to the window that would get them) and waits; results are read
// where a person sees them (window texts, pixels, files). A script may
// co_await another one (a step made of steps).
//
//   TUserScript Script(TSession& S) {
//       co_await S.Click(S.Middle("Button1"));
//       co_await TUntil{[&] { return ...; }};
//   }
#include <coroutine>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/rtl/win/WinApi.h"

// What the script waits for now, and the coroutine that waits: one per
// running script, shared by the scripts it awaits.
struct TScriptWait {
    std::function<bool()> Ready;
    std::coroutine_handle<> Waiting;
};

class TUserScript {
public:
    struct promise_type {
        std::shared_ptr<TScriptWait> Wait = std::make_shared<TScriptWait>();
        std::coroutine_handle<> Continuation;  // the script that awaits this one
        std::exception_ptr Error;
        bool Done = false;

        TUserScript get_return_object() { return TUserScript(std::coroutine_handle<promise_type>::from_promise(*this)); }
        std::suspend_always initial_suspend() noexcept { return {}; }
        struct TFinal {
            bool await_ready() noexcept { return false; }
            std::coroutine_handle<> await_suspend(std::coroutine_handle<promise_type> H) noexcept {
                H.promise().Done = true;
                if (auto C = H.promise().Continuation) return C;
                return std::noop_coroutine();
            }
            void await_resume() noexcept {}
        };
        TFinal final_suspend() noexcept { return {}; }
        void return_void() {}
        void unhandled_exception() { Error = std::current_exception(); }
    };
    using THandle = std::coroutine_handle<promise_type>;

    explicit TUserScript(THandle H) : FHandle(H) {}
    TUserScript(TUserScript&& Other) noexcept : FHandle(std::exchange(Other.FHandle, nullptr)) {}
    TUserScript& operator=(TUserScript&&) = delete;
    ~TUserScript() {
        if (FHandle) FHandle.destroy();
    }

    bool Done() const { return !FHandle || FHandle.promise().Done; }
    // Whether the script would go on now (what it waits for has come).
    bool CanStep() const {
        if (Done()) return false;
        const TScriptWait& W = *FHandle.promise().Wait;
        return !W.Ready || W.Ready();
    }
    // Resumes the script when what it waits for has come; false while it
    // goes on waiting. The script's exception (a failed step) is rethrown.
    bool Step() {
        if (!CanStep()) return false;
        TScriptWait& W = *FHandle.promise().Wait;
        std::coroutine_handle<> H = W.Waiting ? W.Waiting : FHandle;
        W = {};
        H.resume();
        if (auto E = std::exchange(FHandle.promise().Error, nullptr)) std::rethrow_exception(E);
        return true;
    }

    // Awaited by another script: runs in its place until it ends.
    bool await_ready() const noexcept { return Done(); }
    std::coroutine_handle<> await_suspend(THandle Outer) {
        FHandle.promise().Wait = Outer.promise().Wait;
        FHandle.promise().Continuation = Outer;
        return FHandle;
    }
    void await_resume() {
        if (auto E = std::exchange(FHandle.promise().Error, nullptr)) std::rethrow_exception(E);
    }

private:
    THandle FHandle;
};

// Waits until Done() holds or Ms milliseconds have passed; co_await gives
// Done()'s last answer.
struct TUntil {
    std::function<bool()> Done;
    DWORD Ms = 3000;
    DWORD Start = 0;
    bool await_ready() const noexcept { return false; }
    void await_suspend(TUserScript::THandle H) {
        Start = GetTickCount();
        *H.promise().Wait = {[this] { return Done() || GetTickCount() - Start >= Ms; }, H};
    }
    bool await_resume() const { return Done(); }
};

// Runs timed actions one after another (each waits its pause after it),
// then lets the script go on: a click, a key or a drag as a person makes it.
struct TActions {
    struct TAction {
        std::function<void()> Run;
        DWORD PauseMs;
    };
    std::vector<TAction> Actions;
    size_t Next = 0;
    DWORD Due = 0;
    bool await_ready() const noexcept { return Actions.empty(); }
    void await_suspend(TUserScript::THandle H) {
        Due = GetTickCount();
        *H.promise().Wait = {[this] {
                                 while (Next < Actions.size() && static_cast<LONG>(GetTickCount() - Due) >= 0) {
                                     Actions[Next].Run();
                                     Due = GetTickCount() + Actions[Next].PauseMs;
                                     ++Next;
                                 }
                                 return Next == Actions.size() && static_cast<LONG>(GetTickCount() - Due) >= 0;
                             },
                             H};
    }
    void await_resume() const noexcept {}
};

inline TUntil Pause(DWORD Ms) { return TUntil{[] { return false; }, Ms}; }
