#include "designer/support/MessageBus.h"

#include <memory>
#include <vector>

#include "framework/rtl/List.h"

namespace {
std::unique_ptr<TList> GListeners;

TList& Listeners() {
    if (!GListeners) GListeners = std::make_unique<TList>();
    return *GListeners;
}

bool Broadcast(uint32_t Msg, intptr_t WParam, intptr_t LParam, bool StopAtAnswer) {
    if (!GListeners) return true;
    TZelMessage Record{Msg, WParam, LParam, 0};
    // Served from a snapshot, newest first: a listener that removes itself
    // or any other during the call neither shifts nor repeats anyone, and
    // one removed before its turn is no longer a listener, so it is passed.
    std::vector<void*> Snapshot(GListeners->List(), GListeners->List() + GListeners->Count());
    for (auto It = Snapshot.rbegin(); It != Snapshot.rend(); ++It) {
        if (!GListeners || GListeners->IndexOf(*It) < 0) continue;
        static_cast<TObject*>(*It)->Dispatch(&Record);
        if (StopAtAnswer && Record.Result != 0) return false;
    }
    return true;
}
}  // namespace

void AddListener(TObject* Obj) {
    if (!Obj) return;
    TList& List = Listeners();
    List.Remove(Obj);
    List.Add(Obj);
}

void RemoveListener(TObject* Obj) {
    if (GListeners) GListeners->Remove(Obj);
}

int ListenerCount() { return GListeners ? GListeners->Count() : 0; }

bool BroadcastToListeners(TObject*, uint32_t Msg, intptr_t WParam, intptr_t LParam) {
    return Broadcast(Msg, WParam, LParam, false);
}

bool BroadcastUntilAnswered(TObject*, uint32_t Msg, intptr_t WParam, intptr_t LParam) {
    return Broadcast(Msg, WParam, LParam, true);
}

void BroadcastSimple(uint32_t Msg) { BroadcastToListeners(nullptr, Msg, 0, 0); }

void BroadcastState(bool Value) { BroadcastToListeners(nullptr, BusyStateMessage, Value ? 1 : 0, 0); }

void BroadcastStateOn() { BroadcastState(true); }

void BroadcastBusyEnd() { BroadcastSimple(BusyEndMessage); }

void ShutdownListeners() { GListeners.reset(); }
