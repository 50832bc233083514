#pragma once
// Callbacks for modified objects: when a designer reports objects as
// modified (DesignerModifiedMessage), the callbacks registered for each of
// them run. The library keeps one list with its listener while it runs.
#include <functional>
#include <memory>
#include <vector>

#include "designer/support/MessageBus.h"
#include "framework/classes/TypeInfo.h"

class TPersistent;

using TPCNotifyProc = std::function<void(TPersistent* Modified)>;

class TPCNotifiers {
public:
    void Add(const TPersistent* Object, TPCNotifyProc Proc);
    // Drops every callback of Object.
    void Remove(const TPersistent* Object);
    void Notify(TPersistent* Object) const;

private:
    struct TEntry {
        const TPersistent* Object;
        TPCNotifyProc Proc;
    };
    std::vector<TEntry> FEntries;
};

// Listens for DesignerModifiedMessage and tells the list.
class TPCMessageAnswer : public TMessageAnswer {
    QRN_CLASS(TPCMessageAnswer, TMessageAnswer)
public:
    explicit TPCMessageAnswer(TPCNotifiers* Notifiers) : FNotifiers(Notifiers) {}
    void DesignerModified(TZelMessage& Message);

private:
    TPCNotifiers* FNotifiers;
};

// The library's list (nullptr while it is not running).
TPCNotifiers* PCNotifiers();
void CreatePCNotifiers();
void FreePCNotifiers();
