#pragma once
// An automation VARIANT that clears itself.
#include <utility>

#include "framework/rtl/win/WinApi.h"

#include <oleauto.h>

class TOleVariant {
public:
    TOleVariant() { VariantInit(&FValue); }
    ~TOleVariant() { VariantClear(&FValue); }
    TOleVariant(const TOleVariant& O) {
        VariantInit(&FValue);
        VariantCopy(&FValue, const_cast<VARIANT*>(&O.FValue));
    }
    TOleVariant& operator=(const TOleVariant& O) {
        if (this != &O) VariantCopy(&FValue, const_cast<VARIANT*>(&O.FValue));
        return *this;
    }
    VARIANT* Get() { return &FValue; }
    const VARIANT* Get() const { return &FValue; }
    VARIANT* operator->() { return &FValue; }
    const VARIANT* operator->() const { return &FValue; }
    VARTYPE Type() const { return FValue.vt; }
    void Clear() { VariantClear(&FValue); }

private:
    VARIANT FValue;
};
