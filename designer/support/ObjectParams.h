#pragma once
// A registry of classes with named parameters: each entry names a class
// and carries Variant values under parameter names. Searches find the
// first enabled entry, in the order entries were added, whose class fits
// and whose parameters match.
#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "framework/classes/Collection.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/Variant.h"

struct TParamNameLess {
    bool operator()(const std::string& A, const std::string& B) const { return CompareText(A, B) < 0; }
};

class TObjectParamListItem : public TCollectionItem {
    QRN_CLASS(TObjectParamListItem, TCollectionItem)
public:
    explicit TObjectParamListItem(TCollection* Collection) : TCollectionItem(Collection) {}

    const TClass* ObjectClass = nullptr;
    bool Enabled = true;
    // The package being loaded when the entry was made (0 outside loading).
    intptr_t Module = 0;
    // The framework's editor group open when the entry was made: freeing
    // that group removes the entry.
    int EditorGroup = 0;
    std::map<std::string, Variant, TParamNameLess> Params;
};

class TObjectParamList : public TCollection {
    QRN_CLASS(TObjectParamList, TCollection)
public:
    TObjectParamList() : TCollection(TObjectParamListItem::StaticClass()) {}
    TObjectParamListItem* Entries(int Index) const { return static_cast<TObjectParamListItem*>(Items(Index)); }
};

// String matching of FindObjectParams: ignore case, and/or a match when
// either string contains the other.
enum TParamMatchOption { pmoIgnoreCase, pmoPartial };
using TParamMatchOptions = TSmallSet<TParamMatchOption>;

struct TParamValue {
    std::string Name;
    Variant Value;
};
using TParamValues = std::initializer_list<TParamValue>;

// The library's one list, created on first use.
TObjectParamList& ObjectParamList();
void ShutdownObjectParams();
// The module recorded in new entries (the package loader sets it).
void SetObjectParamsModule(intptr_t Module);
intptr_t ObjectParamsModule();
// Removes the entries made under an editor group.
void RemoveObjectParamsOfGroup(int Group);

// A name given twice keeps its last value.
TObjectParamListItem* AddObjectParams(const TClass* ObjectClass, TParamValues Params, bool Enabled = true);
// The stored value, or the empty Variant.
Variant GetParam(const TObjectParamListItem* Entry, const std::string& Name);
void SetParam(TObjectParamListItem* Entry, const std::string& Name, const Variant& Value);
// ObjectClass is (or inherits from) the entry's class.
TObjectParamListItem* FindObjectParams(const TClass* ObjectClass, TParamValues Params,
                                       TParamMatchOptions Options = {});
// The entry's class is (or inherits from) ObjectClass.
TObjectParamListItem* FindObjectParamsOfClass(const TClass* ObjectClass, TParamValues Params,
                                              TParamMatchOptions Options = {});
