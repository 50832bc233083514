#pragma once
// An owned COM reference: released when the holder goes, AddRef'd when
// copied. Put() hands out the slot for an out parameter.
#include <utility>

#include "framework/rtl/win/WinApi.h"

template <class T>
class TComPtr {
public:
    TComPtr() = default;
    // Takes over a reference the caller already holds.
    static TComPtr Attach(T* P) {
        TComPtr R;
        R.FPtr = P;
        return R;
    }
    // Adds a reference of its own.
    static TComPtr Share(T* P) {
        if (P) P->AddRef();
        return Attach(P);
    }
    TComPtr(const TComPtr& O) : FPtr(O.FPtr) {
        if (FPtr) FPtr->AddRef();
    }
    TComPtr(TComPtr&& O) noexcept : FPtr(std::exchange(O.FPtr, nullptr)) {}
    TComPtr& operator=(TComPtr O) noexcept {
        std::swap(FPtr, O.FPtr);
        return *this;
    }
    ~TComPtr() { Reset(); }

    void Reset() {
        if (T* P = std::exchange(FPtr, nullptr)) P->Release();
    }
    T** Put() {
        Reset();
        return &FPtr;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }
    T* Detach() { return std::exchange(FPtr, nullptr); }
    T* Get() const { return FPtr; }
    T* operator->() const { return FPtr; }
    explicit operator bool() const { return FPtr != nullptr; }

    // Another interface of the same object; empty when it has none.
    template <class U>
    TComPtr<U> As(const IID& Iid) const {
        TComPtr<U> R;
        if (FPtr) FPtr->QueryInterface(Iid, R.PutVoid());
        return R;
    }

private:
    T* FPtr = nullptr;
};
