#pragma once
// Names of components across the designed roots, and property access by
// name.
#include <functional>
#include <string>
#include <vector>

#include "framework/classes/Component.h"
#include "framework/rtl/Variant.h"

// The object's name path; empty for nil.
std::string GetNamePathOf(const TPersistent* Obj);
// For every named component of ClassRef (or a descendant) owned by one of
// the roots: its name for CurrentRoot's own, "Root.Name" for the others.
void EnumQualifiedComponentNames(const std::vector<TComponent*>& Roots, const TComponent* CurrentRoot,
                                 const TClass* ClassRef, const std::function<void(const std::string&)>& Proc);
// True when neither Root nor any owner above it has a component of that name.
bool IsNameFree(const TComponent* Root, const std::string& Name);
// BaseName1, BaseName2, ... the first one free in Root (BaseName1 without one).
std::string MakeUniqueName(const TComponent* Root, const std::string& BaseName);
// Sets the named published property from a Variant; nil does nothing.
void SetPropValueByName(TObject* Instance, const std::string& PropName, const Variant& Value);
// True when the object's class or an ancestor has that name (any case).
bool ObjectInheritsFromName(const TObject* Obj, const std::string& ClassName);
// The owner of a persistent object; nil for anything else.
TPersistent* OwnerOfPersistent(TObject* Obj);
// The nearest class every object is an instance of (nil for none).
const TClass* CommonAncestorClass(const std::vector<TObject*>& Objects);
