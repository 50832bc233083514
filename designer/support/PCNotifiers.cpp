#include "designer/support/PCNotifiers.h"

#include "framework/rtl/List.h"

QRN_PUBLISHED(TPCMessageAnswer) { B.Message(DesignerModifiedMessage, &TPCMessageAnswer::DesignerModified); }

namespace {
std::unique_ptr<TPCNotifiers> GNotifiers;
std::unique_ptr<TPCMessageAnswer> GAnswer;
}  // namespace

void TPCNotifiers::Add(const TPersistent* Object, TPCNotifyProc Proc) {
    if (Object && Proc) FEntries.push_back({Object, std::move(Proc)});
}

void TPCNotifiers::Remove(const TPersistent* Object) {
    std::erase_if(FEntries, [&](const TEntry& E) { return E.Object == Object; });
}

void TPCNotifiers::Notify(TPersistent* Object) const {
    // A copy: a callback may add or remove callbacks.
    const std::vector<TEntry> Entries = FEntries;
    for (const TEntry& E : Entries)
        if (E.Object == Object) E.Proc(Object);
}

void TPCMessageAnswer::DesignerModified(TZelMessage& Message) {
    const auto* Modified = reinterpret_cast<const TList*>(Message.WParam);
    if (!Modified || !FNotifiers) return;
    for (int I = 0; I < Modified->Count(); ++I) FNotifiers->Notify(static_cast<TPersistent*>(Modified->Get(I)));
}

TPCNotifiers* PCNotifiers() { return GNotifiers.get(); }

void CreatePCNotifiers() {
    if (GNotifiers) return;
    GNotifiers = std::make_unique<TPCNotifiers>();
    GAnswer = std::make_unique<TPCMessageAnswer>(GNotifiers.get());
}

void FreePCNotifiers() {
    GAnswer.reset();
    GNotifiers.reset();
}
