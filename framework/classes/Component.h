#pragma once
// TComponent: the base of every control and non-visual part. A component
// has an owner that frees it, a name unique among the owner's components,
// a state (loading, designing, destroying, ...) and notifications that
// tell interested components when another one goes away.
//
// Destruction protocol:
//  - Free a heap component with Free() (or FreeAndNil, or a
//    std::unique_ptr<T, TObjectFree>). Free() runs BeforeDestruction()
//    first, while the object is whole: it marks the component (and those it
//    owns) csDestroying, calls Destroying(), tells every component that
//    asked for FreeNotification (opRemove), frees the owned components
//    (last first) and leaves the owner (whose Notification sees opRemove).
//    Only then do the C++ destructors run. So a derived class's
//    Notification override still runs, with its members intact, when its
//    owned components go away.
//  - An owner frees its components: never free an owned component's
//    memory any other way than Free().
//  - Plain `delete` (and a component on the stack) still works: the
//    destructor does the same steps, but overrides of derived classes are
//    no longer reached by then.
//  - Overrides of BeforeDestruction must call inherited::BeforeDestruction().
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/classes/TypeInfo.h"
#include "framework/rtl/Object.h"
#include "framework/classes/UiTypes.h"

class TReader;
class TWriter;

enum TComponentStateFlag {
    csLoading,
    csReading,
    csWriting,
    csDestroying,
    csDesigning,
    csAncestor,
    csUpdating,
    csFixups,
    csFreeNotification,
    csInline,
    csDesignInstance
};
QRN_ENUM(TComponentStateFlag, csLoading, csReading, csWriting, csDestroying, csDesigning, csAncestor, csUpdating,
         csFixups, csFreeNotification, csInline, csDesignInstance)
using TComponentState = TSmallSet<TComponentStateFlag>;
QRN_SET_NAME(TComponentState)

enum TComponentStyleFlag { csInheritable, csCheckPropAvail, csSubComponent };
QRN_ENUM(TComponentStyleFlag, csInheritable, csCheckPropAvail, csSubComponent)
using TComponentStyle = TSmallSet<TComponentStyleFlag>;
QRN_SET_NAME(TComponentStyle)

// Notification codes. Other codes (the editor uses 64) pass through as
// TOperation values: TOperation(64).
enum TOperation : int { opInsert = 0, opRemove = 1 };

using TGetChildProc = std::function<void(TComponent* Child)>;

class TComponent : public TPersistent {
    QRN_CLASS(TComponent, TPersistent)
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    // Ownership.
    TComponent* Owner() const { return FOwner; }
    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int Index) const;  // EListError when out of range
    int ComponentIndex() const;
    void SetComponentIndex(int Value);
    void InsertComponent(TComponent* AComponent);
    void RemoveComponent(TComponent* AComponent);
    void DestroyComponents();
    // Case-insensitive search among the owned components; nullptr if none.
    TComponent* FindComponent(std::string_view AName) const;

    // Name: a valid identifier or empty; unique among the owner's
    // components. Raises EComponentError "'%s' is not a valid component
    // name" / "A component named %s already exists".
    const std::string& Name() const { return FName; }
    void SetName(const std::string& NewName);
    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }
    // Packed left (low 16 bits) and top of a non-visual component in the
    // designer; streamed as "Left" and "Top".
    int32_t DesignInfo() const { return FDesignInfo; }
    void SetDesignInfo(int32_t Value) { FDesignInfo = Value; }

    TComponentState ComponentState() const { return FComponentState; }
    TComponentStyle ComponentStyle() const { return FComponentStyle; }
    void SetDesigning(bool Value, bool SetChildren = true);
    void SetInline(bool Value);
    void SetDesignInstance(bool Value);
    void SetAncestor(bool Value);  // also the owned components
    void SetSubComponent(bool Value);
    void Updating();  // csUpdating on
    void Updated();   // csUpdating off

    // Called once every component of a stream has been read.
    virtual void Loaded();
    // Another component was inserted/removed (or a custom code). The base
    // version drops free-notification links on opRemove and passes the
    // notification on to every owned component.
    virtual void Notification(TComponent* AComponent, TOperation Operation);
    // Both components are told (opRemove) when the other one is destroyed.
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

    // Streaming. GetChildren lists the components written inside this one;
    // the base version lists, when this component is the Root being
    // written, its owned components that have no parent component.
    virtual void GetChildren(TGetChildProc Proc, TComponent* Root);
    // Owner for the children read inside this component (nullptr: keep the
    // reader's owner) and their parent component (default: this).
    virtual TComponent* GetChildOwner();
    virtual TComponent* GetChildParent();
    virtual void SetChildOrder(TComponent* Child, int Order);
    // Parent component (a control's parent window); none by default.
    virtual bool HasParent() const { return false; }
    virtual TComponent* GetParentComponent() const { return nullptr; }
    virtual void SetParentComponent(TComponent* Value);
    // Reads the component's properties and children; the base version
    // first sets the parent component from the reader's parent when
    // HasParent().
    virtual void ReadState(TReader* Reader);
    virtual void WriteState(TWriter* Writer);

    void BeforeDestruction() override;
    void DefineProperties(TFiler* Filer) override;
    std::string GetNamePath() const override;
    TPersistent* GetOwner() const override { return FOwner; }

protected:
    // Marks this component and the owned ones csDestroying.
    virtual void Destroying();
    // Checks that no other owned component is called NewName.
    virtual void ValidateRename(TComponent* AComponent, const std::string& CurName, const std::string& NewName);
    virtual void ValidateInsert(TComponent* AComponent);
    virtual void ValidateContainer(TComponent* AComponent);
    virtual void ChangeName(const std::string& NewName);

private:
    friend class TReader;
    friend class TWriter;
    void Insert(TComponent* AComponent);
    void Remove(TComponent* AComponent);
    void RemoveNotification(TComponent* AComponent);
    void SetReference(bool Enable);
    void TearDown();  // the steps of BeforeDestruction, done once

    TComponent* FOwner = nullptr;
    std::string FName;
    int FTag = 0;
    int32_t FDesignInfo = 0;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
    TComponentState FComponentState;
    TComponentStyle FComponentStyle{csInheritable};
    bool FTornDown = false;
};

// True for a valid identifier: a letter or '_', then letters, digits, '_'.
bool IsValidIdent(std::string_view Ident);
