#include "designer/support/FreeNotifiers.h"

#include <memory>
#include <thread>
#include <vector>

#include "designer/support/SortedList.h"
#include "framework/rtl/Object.h"

namespace {

// One watched address and the methods waiting for it, in registration order.
struct TFreeNotifierInfo {
    const void* Address = nullptr;
    std::vector<std::unique_ptr<TFreeNotifier>> Notifiers;
    bool Destroying = false;
};

// The watch records ordered by address; the list owns them.
class TFreeNotifiersList : public TCustomSortedList {
public:
    ~TFreeNotifiersList() override {
        // The list itself is an object: it must not be looked up while it goes.
        TObject::SetDestroyHook(nullptr);
        // Last to first, each once.
        while (Count() > 0) Take(Count() - 1);
    }
    int Compare(const void* Item1, const void* Item2) override {
        return TCustomSortedList::Compare(Info(Item1)->Address, Info(Item2)->Address);
    }
    int CompareKey(const void* Item, const void* Key) override {
        return TCustomSortedList::Compare(Info(Item)->Address, Key);
    }
    TFreeNotifierInfo* Find(const void* Address) {
        int Index = 0;
        return FindKey(Address, Index) ? Info(Items(Index)) : nullptr;
    }
    std::unique_ptr<TFreeNotifierInfo> Take(int Index) {
        std::unique_ptr<TFreeNotifierInfo> Record(Info(Items(Index)));
        Delete(Index);
        return Record;
    }

private:
    static const TFreeNotifierInfo* Info(const void* Item) { return static_cast<const TFreeNotifierInfo*>(Item); }
    static TFreeNotifierInfo* Info(void* Item) { return static_cast<TFreeNotifierInfo*>(Item); }
};

std::unique_ptr<TFreeNotifiersList> GWatches;
std::thread::id GOwnerThread;

void ObjectDestroyed(TObject* Object) {
    if (!GWatches || std::this_thread::get_id() != GOwnerThread) return;
    int Index = 0;
    if (!GWatches->FindKey(Object, Index)) return;
    // Out of the list first: a callback that removes its watch finds none.
    std::unique_ptr<TFreeNotifierInfo> Record = GWatches->Take(Index);
    Record->Destroying = true;
    size_t I = 0;
    while (I < Record->Notifiers.size()) {
        TFreeNotifier* N = Record->Notifiers[I].get();
        N->Code(N->Data, Object);
        if (I < Record->Notifiers.size() && Record->Notifiers[I].get() == N) ++I;
    }
}

TFreeNotifiersList& Watches() {
    if (!GWatches) {
        GWatches = std::make_unique<TFreeNotifiersList>();
        GOwnerThread = std::this_thread::get_id();
        TObject::SetDestroyHook(&ObjectDestroyed);
    }
    return *GWatches;
}

}  // namespace

void AddFreeNotifier(const void* Address, TFreeNotifier Method) {
    if (!Address) return;
    TFreeNotifiersList& List = Watches();
    TFreeNotifierInfo* Record = List.Find(Address);
    if (!Record) {
        auto Fresh = std::make_unique<TFreeNotifierInfo>();
        Fresh->Address = Address;
        Record = Fresh.get();
        List.Add(Fresh.release());
    }
    Record->Notifiers.push_back(std::make_unique<TFreeNotifier>(Method));
}

void RemoveFreeNotifier(const void* Address, TFreeNotifier Method) {
    if (!GWatches || !Address) return;
    int Index = 0;
    if (!GWatches->FindKey(Address, Index)) return;
    auto* Record = static_cast<TFreeNotifierInfo*>(GWatches->Items(Index));
    if (Record->Destroying) return;
    auto& Notifiers = Record->Notifiers;
    for (size_t I = Notifiers.size(); I-- > 0;)
        if (*Notifiers[I] == Method) Notifiers.erase(Notifiers.begin() + static_cast<std::ptrdiff_t>(I));
    if (Notifiers.empty()) GWatches->Take(Index);
}

int WatchedAddressCount() { return GWatches ? GWatches->Count() : 0; }

void ShutdownFreeNotifiers() {
    if (!GWatches) return;
    TObject::SetDestroyHook(nullptr);
    GWatches.reset();
}
