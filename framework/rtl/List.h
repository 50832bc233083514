#pragma once
// TList: an ordered list of untyped pointers. The list never owns what it
// points to. Indexes are checked; a bad one raises EListError.
#include <cstdint>
#include <functional>
#include <vector>

using TListSortCompare = std::function<int(void* Item1, void* Item2)>;

class TList {
public:
    TList() = default;
    TList(const TList&) = delete;
    TList& operator=(const TList&) = delete;
    virtual ~TList() = default;

    int Add(void* Item);
    void Insert(int Index, void* Item);
    void Delete(int Index);
    // Removes the first occurrence; returns its former index or -1.
    int Remove(void* Item);
    // Removes the first occurrence and returns it (nullptr when absent).
    void* Extract(void* Item);
    int IndexOf(void* Item) const;
    virtual void Clear();

    int Count() const { return static_cast<int>(FItems.size()); }
    // Growing fills with nullptr; raises "List count out of bounds (%d)".
    void SetCount(int NewCount);
    int Capacity() const { return FCapacity; }
    // Raises "List capacity out of bounds (%d)" below Count.
    void SetCapacity(int NewCapacity);

    void* Get(int Index) const;
    void Put(int Index, void* Item);
    void* Items(int Index) const { return Get(Index); }
    void SetItem(int Index, void* Item) { Put(Index, Item); }
    void* operator[](int Index) const { return Get(Index); }

    void* First() const;  // raises when empty
    void* Last() const;   // raises when empty
    void Exchange(int Index1, int Index2);
    void Move(int CurIndex, int NewIndex);
    // Removes every nullptr item.
    void Pack();
    // Stable sort with a comparison returning <0/0/>0.
    void Sort(const TListSortCompare& Compare);
    // Makes room for at least one more item; returns this.
    TList* Expand();
    // Direct view of the items (valid until the list changes).
    void* const* List() const { return FItems.data(); }

protected:
    [[noreturn]] static void Error(const char* Msg, int Data);

private:
    void Grow();
    std::vector<void*> FItems;
    int FCapacity = 0;  // the reserved size as the list reports it
};

// Typed view over TList for lists of object pointers.
template <class T>
class TTypedList {
public:
    int Add(T* Item) { return L.Add(Item); }
    void Insert(int Index, T* Item) { L.Insert(Index, Item); }
    void Delete(int Index) { L.Delete(Index); }
    int Remove(T* Item) { return L.Remove(Item); }
    T* Extract(T* Item) { return static_cast<T*>(L.Extract(Item)); }
    int IndexOf(T* Item) const { return L.IndexOf(Item); }
    void Clear() { L.Clear(); }
    int Count() const { return L.Count(); }
    T* Items(int Index) const { return static_cast<T*>(L.Get(Index)); }
    void SetItem(int Index, T* Item) { L.Put(Index, Item); }
    T* operator[](int Index) const { return Items(Index); }
    T* First() const { return static_cast<T*>(L.First()); }
    T* Last() const { return static_cast<T*>(L.Last()); }
    void Exchange(int A, int B) { L.Exchange(A, B); }
    void Move(int Cur, int New) { L.Move(Cur, New); }
    void Pack() { L.Pack(); }
    void Sort(const std::function<int(T*, T*)>& Compare) {
        L.Sort([&Compare](void* A, void* B) { return Compare(static_cast<T*>(A), static_cast<T*>(B)); });
    }
    TList& Raw() { return L; }
    const TList& Raw() const { return L; }

private:
    TList L;
};
