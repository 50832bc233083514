#include "designer/engine/win/CompChanges.h"

#include <algorithm>

#include "designer/support/win/RegistryStream.h"
#include "framework/rtl/StrUtils.h"

namespace {

TComponent* ParentComponentOf(TComponent* C) { return C->HasParent() ? C->GetParentComponent() : nullptr; }

bool DescendsFromField(const TClass* Class) {
    for (; Class; Class = Class->Parent())
        if (Class->Name() == "TField") return true;
    return false;
}

}  // namespace

TZelCompChanges::TZelCompChanges() = default;
TZelCompChanges::~TZelCompChanges() = default;

std::string TZelCompChanges::StateOf(TComponent* C) const {
    TMemoryStream S;
    {
        TWriter Writer(&S);
        Writer.SetRoot(FRoot);
        Writer.SetIgnoreChildren(true);
        Writer.WriteComponent(C);
    }
    return std::string(static_cast<const char*>(S.Memory()), static_cast<size_t>(S.Size()));
}

void TZelCompChanges::SnapshotComponent(TComponent* C) {
    auto Item = std::make_unique<TCompStateItem>();
    Item->Component = C;
    Item->Name = C->Name();
    Item->State = StateOf(C);
    Item->Link.reset(new TZelLinkedComponent(nullptr));
    TCompStateItem* Raw = Item.get();
    Item->Link->OnLinkNotification = [Raw](TObject*, TOperation Operation) {
        if (Operation == opRemove) Raw->Gone = true;
    };
    Item->Link->SetLinkedObject(C);
    FStates.push_back(std::move(Item));
}

void TZelCompChanges::TakeSnapshot(TComponent* ARoot) {
    FRoot = ARoot;
    FStates.clear();
    SnapshotComponent(ARoot);
    for (int I = 0; I < ARoot->ComponentCount(); ++I) SnapshotComponent(ARoot->Components(I));
    FSnapshotTaken = true;
}

void TZelCompChanges::CollectChanges() {
    if (!FSnapshotTaken) return;
    FDeletedNames->Clear();
    FAdded.clear();
    FChanged.clear();
    auto Known = [this](const TComponent* C) {
        return std::any_of(FStates.begin(), FStates.end(),
                           [C](const auto& Item) { return !Item->Gone && Item->Component == C; });
    };
    for (const auto& Item : FStates)
        if (Item->Gone) FDeletedNames->Add(Item->Name);
    for (int I = 0; I < FRoot->ComponentCount(); ++I) {
        TComponent* C = FRoot->Components(I);
        if (C->ClassName() == "TNotifier" || Known(C)) continue;
        // A new control inside a new container travels inside it.
        TComponent* Parent = ParentComponentOf(C);
        if (Parent && Parent != FRoot && !Known(Parent)) continue;
        FAdded.push_back(C);
    }
    for (const auto& Item : FStates)
        if (!Item->Gone && StateOf(Item->Component) != Item->State) FChanged.push_back(Item->Component);
}

std::string TZelCompChanges::ParentLines(const std::vector<TComponent*>& Components) const {
    TStringList Lines;
    for (TComponent* C : Components)
        if (TComponent* Parent = ParentComponentOf(C)) Lines.Add(C->Name() + "=" + Parent->Name());
    return Lines.Text();
}

void TZelCompChanges::WriteChanges(TStream* Stream) {
    TWriter Writer(Stream);
    Writer.SetRoot(FRoot);
    Writer.WriteString(FDeletedNames->Text());
    Writer.WriteString(FReservedText1->Text());
    Writer.WriteString(FReservedText2->Text());
    Writer.WriteInteger(static_cast<int64_t>(FAdded.size()));
    if (!FAdded.empty()) {
        Writer.WriteString(ParentLines(FAdded));
        for (TComponent* C : FAdded) {
            Writer.WriteSignature();
            Writer.SetIgnoreChildren(false);
            Writer.WriteComponent(C);
        }
        Writer.WriteListEnd();
    }
    Writer.WriteInteger(static_cast<int64_t>(FChanged.size()));
    if (!FChanged.empty()) {
        Writer.WriteInteger(0);
        Writer.WriteString(ParentLines(FChanged));
        Writer.SetIgnoreChildren(true);
        for (TComponent* C : FChanged) {
            Writer.WriteString(C->Name());
            Writer.WriteComponent(C);
        }
    }
}

void TZelCompChanges::ReadChanges(TComponent* ARoot, TStream* Stream) {
    FRoot = ARoot;
    TReader Reader(Stream);
    Reader.SetRoot(ARoot);
    Reader.SetOwner(ARoot);
    // Properties or classes that no longer exist are skipped silently.
    Reader.OnError = [](TReader*, const std::string&, bool& Handled) { Handled = true; };
    if (OnFindMethod) Reader.OnFindMethod = OnFindMethod;
    auto Named = [ARoot](const std::string& Name) -> TComponent* {
        if (Name.empty()) return nullptr;
        return ARoot->FindComponent(Name);
    };

    FDeletedNames->SetText(Reader.ReadString());
    for (int I = 0; I < FDeletedNames->Count(); ++I)
        if (TComponent* C = Named(FDeletedNames->Strings(I))) C->Free();
    FReservedText1->SetText(Reader.ReadString());
    FReservedText2->SetText(Reader.ReadString());

    if (Reader.ReadInteger() > 0) {
        FParentNames->SetText(Reader.ReadString());
        while (!Reader.EndOfList()) {
            Reader.ReadSignature();
            // The name is read ahead from the header to place the component.
            const int64_t At = Reader.Position();
            int Flags = 0, ChildPos = 0;
            Reader.ReadPrefix(Flags, ChildPos);
            Reader.ReadStr();
            const std::string Name = Reader.ReadStr();
            Reader.SetPosition(At);
            const std::string ParentName = FParentNames->Values(Name);
            Reader.SetParent(SameText(ParentName, ARoot->Name()) ? ARoot : Named(ParentName));
            Reader.ReadComponent(nullptr);
        }
        Reader.ReadListEnd();
        Reader.FixupReferences();
    }

    const int Changed = Reader.ReadInteger();
    if (Changed > 0) {
        if (Reader.NextValue() != TValueType::vaString && Reader.NextValue() != TValueType::vaLString) {
            Reader.ReadInteger();
            FParentNames->SetText(Reader.ReadString());
        }
        for (int I = 0; I < Changed; ++I) {
            const std::string Name = Reader.ReadString();
            TComponent* C = Name == ARoot->Name() ? ARoot : Named(Name);
            if (!C) break;  // the rest of the stream is left unread
            // A field's name must not clash while its properties are read.
            if (DescendsFromField(C->ClassType()))
                SetStrProp(C, "FieldName", "f__" + std::to_string(reinterpret_cast<uintptr_t>(C)));
            TComponent* Parent = Named(FParentNames->Values(Name));
            Reader.SetParent(Parent);
            Reader.ReadComponent(C);
            if (Parent && C != ARoot) C->SetParentComponent(Parent);
        }
        Reader.FixupReferences();
    }
}

void TZelCompChanges::SaveToRegistry(const std::string& Path) {
    TRegistryStream Stream(Path, RegistryStreamCreate);
    WriteChanges(&Stream);
    Stream.Store();
}

void TZelCompChanges::LoadFromRegistry(TComponent* ARoot, const std::string& Path) {
    TRegistryStream Stream(Path, 0);
    if (Stream.Size() > 0) ReadChanges(ARoot, &Stream);
}
