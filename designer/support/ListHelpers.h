#pragma once
// Freeing and comparing the object lists of the designer library.
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

#include "framework/rtl/List.h"
#include "framework/rtl/StringList.h"

class TCustomSortedList;

// Frees every item (taken out first, item 0 each time) of a list of
// framework objects; nil does nothing. The *AndNil forms also free the
// list and clear the variable.
void FreeListItems(TList* List);
void FreeListAndItems(std::unique_ptr<TList>& List);
// The same through the sorted list's own Delete.
void ClearSortedList(TCustomSortedList* List);
void FreeSortedList(std::unique_ptr<TCustomSortedList>& List);
// Dest becomes a copy of Source's pointers (nothing when they are one list).
void CopyListItems(const TList* Source, TList* Dest);
// Same count and every item of A in B, in any order.
bool SameListItems(const TList& A, const TList& B);
bool ListsShareItem(const TList& A, const TList& B);
// The list in the variable, created on first use.
TList& GetOrCreateList(std::unique_ptr<TList>& List);

// String lists.
void FillStringsFromArray(TStrings* Strings, std::initializer_list<std::string> Items);
std::unique_ptr<TStringList> CreateSortedStringList();
// Frees every line's object (first to last) and clears the list.
void FreeStringsObjects(TStrings* Strings);
// Frees the objects (last to first), then the list.
void FreeStringsAndObjects(std::unique_ptr<TStrings>& Strings);
void ForEachString(const TStrings* Strings, const std::function<void(const std::string&)>& Proc);
