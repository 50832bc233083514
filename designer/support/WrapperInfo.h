#pragma once
// Which wrapper form shows which non-visual root (a data module) while it
// is designed. The engine's data-module wrapper adds and removes the pairs;
// the selection and the lookups translate between the two.
#include "framework/classes/Component.h"

struct TWrapperInfo {
    TComponent* Wrapped = nullptr;
    TComponent* Wrapper = nullptr;
};

void AddWrapperInfo(TComponent* Wrapped, TComponent* Wrapper);
// Drops every pair whose wrapper is Wrapper.
void RemoveWrapperInfo(TComponent* Wrapper);
int WrapperInfoCount();
// The wrapped object of the first pair with that wrapper; nullptr when none.
TComponent* WrappedObjectOf(const TComponent* Wrapper);
// The wrapper of the first pair that wraps Object; nullptr when none.
TComponent* WrapperOf(const TComponent* Object);
// Forgets every pair (the library's end).
void ShutdownWrapperInfoList();
