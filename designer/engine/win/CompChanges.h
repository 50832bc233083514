#pragma once
// What the user changed on a form designed at run time, kept across runs:
// a snapshot of the root's components after loading, the difference from
// it (deleted, added and changed components) when design mode ends, and
// that difference in one registry value.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "designer/support/LinkedComponent.h"
#include "framework/classes/Filer.h"
#include "framework/rtl/StringList.h"

class TZelCompChanges;

// The snapshot of one component: its state in the form stream.
struct TCompStateItem {
    TComponent* Component = nullptr;
    std::string Name;
    std::string State;
    bool Gone = false;  // the component was freed since
    std::unique_ptr<TZelLinkedComponent, TObjectFree> Link;
};

class TZelCompChanges : public TObject {
public:
    TZelCompChanges();
    ~TZelCompChanges() override;

    void TakeSnapshot(TComponent* ARoot);
    void CollectChanges();
    void WriteChanges(TStream* Stream);
    void ReadChanges(TComponent* ARoot, TStream* Stream);
    void SaveToRegistry(const std::string& Path);
    void LoadFromRegistry(TComponent* ARoot, const std::string& Path);

    bool SnapshotTaken() const { return FSnapshotTaken; }
    const std::vector<std::unique_ptr<TCompStateItem>>& States() const { return FStates; }
    TStringList* DeletedNames() const { return FDeletedNames.get(); }
    const std::vector<TComponent*>& AddedComponents() const { return FAdded; }
    const std::vector<TComponent*>& ChangedComponents() const { return FChanged; }
    TComponent* Root() const { return FRoot; }

    // Binds event handler names of the stored changes (the form filer's).
    std::function<void(TReader*, const std::string&, TMethod&, bool&)> OnFindMethod;

private:
    void SnapshotComponent(TComponent* C);
    std::string StateOf(TComponent* C) const;
    // "Name=ParentName" for those of Components that have a parent component.
    std::string ParentLines(const std::vector<TComponent*>& Components) const;

    std::vector<std::unique_ptr<TCompStateItem>> FStates;
    std::unique_ptr<TStringList> FDeletedNames = std::make_unique<TStringList>();
    std::unique_ptr<TStringList> FParentNames = std::make_unique<TStringList>();
    std::unique_ptr<TStringList> FReservedText1 = std::make_unique<TStringList>();
    std::unique_ptr<TStringList> FReservedText2 = std::make_unique<TStringList>();
    std::vector<TComponent*> FAdded;
    std::vector<TComponent*> FChanged;
    TComponent* FRoot = nullptr;
    bool FSnapshotTaken = false;
};
