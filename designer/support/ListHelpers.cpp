#include "designer/support/ListHelpers.h"

#include "designer/support/SortedList.h"

namespace {
// Takes item 0 out (through the list's own Delete) and frees it, until the
// list is empty.
template <class L>
void TakeOutAndFree(L* List) {
    if (!List) return;
    while (List->Count() > 0) {
        void* Item = List->Items(0);
        List->Delete(0);
        if (Item) static_cast<TObject*>(Item)->Free();
    }
}
}  // namespace

void FreeListItems(TList* List) { TakeOutAndFree(List); }

void FreeListAndItems(std::unique_ptr<TList>& List) {
    if (!List) return;
    FreeListItems(List.get());
    List.reset();
}

void ClearSortedList(TCustomSortedList* List) { TakeOutAndFree(List); }

void FreeSortedList(std::unique_ptr<TCustomSortedList>& List) {
    if (!List) return;
    ClearSortedList(List.get());
    List.reset();
}

void CopyListItems(const TList* Source, TList* Dest) {
    if (!Source || !Dest || Source == Dest) return;
    Dest->SetCount(Source->Count());
    for (int I = 0; I < Source->Count(); ++I) Dest->Put(I, Source->Get(I));
}

bool SameListItems(const TList& A, const TList& B) {
    if (A.Count() != B.Count()) return false;
    for (int I = 0; I < A.Count(); ++I)
        if (B.IndexOf(A.Get(I)) < 0) return false;
    return true;
}

bool ListsShareItem(const TList& A, const TList& B) {
    for (int I = 0; I < A.Count(); ++I)
        if (B.IndexOf(A.Get(I)) >= 0) return true;
    return false;
}

TList& GetOrCreateList(std::unique_ptr<TList>& List) {
    if (!List) List = std::make_unique<TList>();
    return *List;
}

void FillStringsFromArray(TStrings* Strings, std::initializer_list<std::string> Items) {
    Strings->BeginUpdate();
    try {
        Strings->Clear();
        for (const std::string& S : Items) Strings->Add(S);
    } catch (...) {
        Strings->EndUpdate();
        throw;
    }
    Strings->EndUpdate();
}

std::unique_ptr<TStringList> CreateSortedStringList() {
    auto List = std::make_unique<TStringList>();
    List->SetSorted(true);
    return List;
}

void FreeStringsObjects(TStrings* Strings) {
    if (!Strings) return;
    for (int I = 0; I < Strings->Count(); ++I) {
        TObject* Obj = Strings->Objects(I);
        Strings->SetObjects(I, nullptr);
        if (Obj) Obj->Free();
    }
    Strings->Clear();
}

void FreeStringsAndObjects(std::unique_ptr<TStrings>& Strings) {
    if (!Strings) return;
    for (int I = Strings->Count(); I-- > 0;) {
        TObject* Obj = Strings->Objects(I);
        Strings->SetObjects(I, nullptr);
        if (Obj) Obj->Free();
    }
    Strings.reset();
}

void ForEachString(const TStrings* Strings, const std::function<void(const std::string&)>& Proc) {
    if (!Strings || !Proc) return;
    for (int I = 0; I < Strings->Count(); ++I) Proc(Strings->Get(I));
}
