#pragma once
// A person at the designer, written as one sequence of what they do. The
// script is a coroutine resumed from a timer of the designer's own message
// loop (and of every modal loop it opens), so the designer runs between
// the steps exactly as it runs for a person: each step sends real input
// (the mouse through the system's input queue, keys and modified clicks
// posted to the window that would get them) and waits; results are read
// where a person sees them (window texts, pixels, files).
//
//   TUserScript Script(TSession& S) {
//       co_await S.Click(S.ControlPoint("Button1"));
//       co_await S.Until([&] { return ...; });
//   }
#include <coroutine>
#include <exception>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "framework/rtl/win/WinApi.h"

class TUserScript {
public:
    struct promise_type {
        // What the script waits for; nullptr: go on at the next tick.
        std::function<bool()> Ready;
        std::exception_ptr Error;
        bool Done = false;

        TUserScript get_return_object() { return TUserScript(std::coroutine_handle<promise_type>::from_promise(*this)); }
        std::suspend_always initial_suspend() noexcept { return {}; }
        struct TFinal {
            bool await_ready() noexcept { return false; }
            void await_suspend(std::coroutine_handle<promise_type> H) noexcept { H.promise().Done = true; }
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
    bool CanStep() const { return !Done() && (!FHandle.promise().Ready || FHandle.promise().Ready()); }
    // Resumes the script when what it waits for has come; false while it
    // goes on waiting. The script's exception (a failed step) is rethrown.
    bool Step() {
        if (Done()) return false;
        auto& P = FHandle.promise();
        if (P.Ready && !P.Ready()) return false;
        P.Ready = nullptr;
        FHandle.resume();
        if (P.Error) std::rethrow_exception(std::exchange(P.Error, nullptr));
        return true;
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
        H.promise().Ready = [this] { return Done() || GetTickCount() - Start >= Ms; };
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
        H.promise().Ready = [this] {
            while (Next < Actions.size() && static_cast<LONG>(GetTickCount() - Due) >= 0) {
                Actions[Next].Run();
                Due = GetTickCount() + Actions[Next].PauseMs;
                ++Next;
            }
            return Next == Actions.size() && static_cast<LONG>(GetTickCount() - Due) >= 0;
        };
    }
    void await_resume() const noexcept {}
};

inline TUntil Pause(DWORD Ms) { return TUntil{[] { return false; }, Ms}; }
