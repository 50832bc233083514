#pragma once
// Published-property access by kind, for copying options and for storing
// them as registry values.
#include <functional>

#include "framework/classes/TypeInfo.h"
#include "framework/rtl/StringList.h"
#include "framework/rtl/Variant.h"

// Copies every published property of Source whose name is not in Exclude
// (nil: none excluded) into the property of that name of Dest. Nothing
// when Source is Dest or either is nil.
void CopyObjectProperties(TObject* Source, TObject* Dest, const TStrings* Exclude = nullptr);
// Copies one property, only when Dest has it with the same kind and a
// setter. Events and other kinds are never copied.
void CopyObjectProperty(TObject* Source, TObject* Dest, const std::string& Name);

// Ordinal kinds as an integer, floats as a real, strings as a string, a
// Variant as itself; other kinds and a nil property give the empty Variant.
Variant GetPropertyAsVariant(TObject* Instance, const TPropInfo* Prop);
// Ordinal kinds take a string through StrToInt (EConvertError on bad
// text), a Boolean True as 1, anything else as an integer; floats and
// strings are converted to their type, a Variant takes the value as it is.
// A nil property does nothing. An enumeration outside its values raises
// EPropertyError; a set keeps only its elements' bits.
void SetPropertyFromVariant(TObject* Instance, const TPropInfo* Prop, const Variant& Value);

using TPropertyProc = std::function<void(TObject* Instance, const TPropInfo* Prop)>;
// Calls Proc for every published property of the given kinds in the
// type information's order (with StoredOnly, only the stored ones).
void ForEachPropertyOfKinds(TObject* Instance, TTypeKinds Kinds, bool StoredOnly, const TPropertyProc& Proc);
void ForEachProperty(TObject* Instance, bool StoredOnly, const TPropertyProc& Proc);
