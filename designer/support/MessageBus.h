#pragma once
// The designer library's parts do not hold references to one another:
// they talk through one list of listener objects to which numbered
// messages are delivered with the framework's message dispatch (a
// listener handles a number with a message handler; others are ignored).
// The newest listener is served first.
#include <cstdint>

#include "framework/rtl/List.h"
#include "framework/rtl/Object.h"

// The record every listener receives. Result starts at 0 and is shared by
// the whole broadcast: a listener answers by setting it.
struct TZelMessage {
    uint32_t Msg = 0;
    intptr_t WParam = 0;
    intptr_t LParam = 0;
    intptr_t Result = 0;
};

// Message numbers of the bus.
inline constexpr uint32_t ComponentRenamedMessage = 2025;
// Objects were modified: WParam a TList of them (TPersistent pointers) from
// every sender, LParam the sender's context (or 0).
inline constexpr uint32_t DesignerModifiedMessage = 2026;
inline constexpr uint32_t PackageUnloadedMessage = 2028;
inline constexpr uint32_t PaletteSelectMessage = 2029;
inline constexpr uint32_t QueryPackageUnloadMessage = 2030;
inline constexpr uint32_t ComponentInsertedMessage = 2031;
inline constexpr uint32_t ActiveXAddedMessage = 2032;
inline constexpr uint32_t ActiveXRemovedMessage = 2033;
inline constexpr uint32_t InspectorNotifyMessage = 2034;
inline constexpr uint32_t SelectionChangedMessage = 2036;
inline constexpr uint32_t BusyStateMessage = 2037;
inline constexpr uint32_t PackageLoadedMessage = 2040;
inline constexpr uint32_t BusyEndMessage = 2041;
inline constexpr uint32_t ToolWindowQueryMessage = 2042;
inline constexpr uint32_t StringListEditorMessage = 2044;
inline constexpr uint32_t VerbsChangedMessage = 2045;
inline constexpr uint32_t EndVerbUpdateMessage = 2053;
inline constexpr uint32_t BeginVerbUpdateMessage = 2055;
inline constexpr uint32_t ModuleUnloadingMessage = 2058;
// Objects that are going away leave the inspectors' selections: WParam one
// object (or 0), LParam a TList of them (or 0).
inline constexpr uint32_t ComponentsFreedMessage = 2059;
// The inspectors rebuild their rows.
inline constexpr uint32_t RebuildInspectorMessage = 2062;
inline constexpr uint32_t ComponentPaletteShowMessage = 2063;
inline constexpr uint32_t ComponentPaletteHideMessage = 2064;
inline constexpr uint32_t AlignPaletteShowMessage = 2065;
inline constexpr uint32_t AlignPaletteHideMessage = 2066;
inline constexpr uint32_t ClassesRegisteredMessage = 2069;

// A listener added again moves to the end of the list (served first).
void AddListener(TObject* Obj);
void RemoveListener(TObject* Obj);
int ListenerCount();
// Delivers to every listener, newest first; listeners may remove
// themselves or others meanwhile. Sender is not delivered. Returns True.
bool BroadcastToListeners(TObject* Sender, uint32_t Msg, intptr_t WParam, intptr_t LParam);
// Stops at the first listener that leaves Result non-zero: False then.
bool BroadcastUntilAnswered(TObject* Sender, uint32_t Msg, intptr_t WParam, intptr_t LParam);
void BroadcastSimple(uint32_t Msg);
void BroadcastState(bool Value);
void BroadcastStateOn();
void BroadcastBusyEnd();
// Forgets every listener (the library's end).
void ShutdownListeners();

// A listener for its whole life.
class TMessageAnswer : public TObject {
public:
    TMessageAnswer() { AddListener(this); }
    ~TMessageAnswer() override { RemoveListener(this); }
};
