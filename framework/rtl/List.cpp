#include "framework/rtl/List.h"

#include <algorithm>
#include <string>

#include "framework/rtl/Exceptions.h"

namespace {
// Largest item count a list accepts: keeps the byte size in range on
// 32-bit targets.
constexpr int MaxListSize = 0x7FFFFFF;
}  // namespace

void TList::Error(const char* Msg, int Data) {
    std::string m(Msg);
    const size_t at = m.find("%d");
    if (at != std::string::npos) m.replace(at, 2, std::to_string(Data));
    throw EListError(m);
}

void TList::Grow() {
    int delta;
    if (FCapacity > 64)
        delta = FCapacity / 4;
    else if (FCapacity > 8)
        delta = 16;
    else
        delta = 4;
    SetCapacity(std::min(FCapacity + delta, MaxListSize));
}

TList* TList::Expand() {
    if (Count() == FCapacity) Grow();
    return this;
}

int TList::Add(void* Item) {
    if (Count() == FCapacity) Grow();
    FItems.push_back(Item);
    return Count() - 1;
}

void TList::Insert(int Index, void* Item) {
    if (Index < 0 || Index > Count()) Error("List index out of bounds (%d)", Index);
    if (Count() == FCapacity) Grow();
    FItems.insert(FItems.begin() + Index, Item);
}

void TList::Delete(int Index) {
    if (Index < 0 || Index >= Count()) Error("List index out of bounds (%d)", Index);
    FItems.erase(FItems.begin() + Index);
}

int TList::Remove(void* Item) {
    const int i = IndexOf(Item);
    if (i >= 0) Delete(i);
    return i;
}

void* TList::Extract(void* Item) {
    const int i = IndexOf(Item);
    if (i < 0) return nullptr;
    void* result = FItems[static_cast<size_t>(i)];
    Delete(i);
    return result;
}

int TList::IndexOf(void* Item) const {
    const auto it = std::find(FItems.begin(), FItems.end(), Item);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TList::Clear() {
    FItems.clear();
    FItems.shrink_to_fit();
    FCapacity = 0;
}

void TList::SetCount(int NewCount) {
    if (NewCount < 0 || NewCount > MaxListSize) Error("List count out of bounds (%d)", NewCount);
    if (NewCount > FCapacity) SetCapacity(NewCount);
    FItems.resize(static_cast<size_t>(NewCount), nullptr);
}

void TList::SetCapacity(int NewCapacity) {
    if (NewCapacity < Count() || NewCapacity > MaxListSize) Error("List capacity out of bounds (%d)", NewCapacity);
    FItems.reserve(static_cast<size_t>(NewCapacity));
    FCapacity = NewCapacity;
}

void* TList::Get(int Index) const {
    if (Index < 0 || Index >= Count()) Error("List index out of bounds (%d)", Index);
    return FItems[static_cast<size_t>(Index)];
}

void TList::Put(int Index, void* Item) {
    if (Index < 0 || Index >= Count()) Error("List index out of bounds (%d)", Index);
    FItems[static_cast<size_t>(Index)] = Item;
}

void* TList::First() const { return Get(0); }
void* TList::Last() const { return Get(Count() - 1); }

void TList::Exchange(int Index1, int Index2) {
    if (Index1 < 0 || Index1 >= Count()) Error("List index out of bounds (%d)", Index1);
    if (Index2 < 0 || Index2 >= Count()) Error("List index out of bounds (%d)", Index2);
    std::swap(FItems[static_cast<size_t>(Index1)], FItems[static_cast<size_t>(Index2)]);
}

void TList::Move(int CurIndex, int NewIndex) {
    if (CurIndex == NewIndex) return;
    if (NewIndex < 0 || NewIndex >= Count()) Error("List index out of bounds (%d)", NewIndex);
    void* item = Get(CurIndex);
    FItems.erase(FItems.begin() + CurIndex);
    FItems.insert(FItems.begin() + NewIndex, item);
}

void TList::Pack() { FItems.erase(std::remove(FItems.begin(), FItems.end(), nullptr), FItems.end()); }

void TList::Sort(const TListSortCompare& Compare) {
    if (!Compare) return;
    std::stable_sort(FItems.begin(), FItems.end(), [&Compare](void* A, void* B) { return Compare(A, B) < 0; });
}
