// The root classes, declared in framework/rtl/Object.h. Their class records
// live beside the machinery that builds them (TypeInfo.cpp).
#include "framework/rtl/Object.h"

#include <atomic>
#include <cstring>

#include "framework/classes/TypeInfo.h"
#include "framework/rtl/Exceptions.h"
#include "framework/rtl/StrUtils.h"

namespace {
std::atomic<TObject::TDestroyHook> GDestroyHook{nullptr};
void RemoveFixupsOf(TPersistent* Instance);
}  // namespace

// Pending stream references to an object must not outlive it.
void QrnRemoveFixupsOf(TPersistent* Instance);

TObject::~TObject() {
    if (TDestroyHook Hook = GDestroyHook.load(std::memory_order_relaxed)) Hook(this);
}

void TObject::SetDestroyHook(TDestroyHook Hook) { GDestroyHook.store(Hook); }

const TClass* TObject::StaticClass() {
    static const TClass C("TObject", nullptr, [](TClass& X) {
        X.FCreateObject = []() -> TObject* { return new TObject(); };
    });
    return &C;
}

const TClass* TObject::ClassType() const { return StaticClass(); }

std::string TObject::ClassName() const { return ClassType()->Name(); }

bool TObject::ClassNameIs(const std::string& Name) const { return SameText(ClassType()->Name(), Name); }

const TClass* TObject::ClassParent() const { return ClassType()->Parent(); }

bool TObject::InheritsFrom(const TClass* Class) const { return ClassType()->InheritsFrom(Class); }

void TObject::Dispatch(void* Message) {
    uint32_t Msg;
    std::memcpy(&Msg, Message, sizeof Msg);
    for (const TClass* C = ClassType(); C; C = C->Parent()) {
        if (auto* Handler = C->FindMessageHandler(Msg)) {
            (*Handler)(this, Message);
            return;
        }
    }
    DefaultHandler(Message);
}

void TObject::DispatchInherited(const TClass* Class, void* Message) {
    uint32_t Msg;
    std::memcpy(&Msg, Message, sizeof Msg);
    for (const TClass* C = Class ? Class->Parent() : nullptr; C; C = C->Parent()) {
        if (auto* Handler = C->FindMessageHandler(Msg)) {
            (*Handler)(this, Message);
            return;
        }
    }
    DefaultHandler(Message);
}

void TObject::DefaultHandler(void*) {}

void TObject::Free() {
    BeforeDestruction();
    delete this;
}

namespace {
void RemoveFixupsOf(TPersistent* Instance) { QrnRemoveFixupsOf(Instance); }
}  // namespace

TPersistent::~TPersistent() { RemoveFixupsOf(this); }

const TClass* TPersistent::StaticClass() {
    static const TClass C("TPersistent", TObject::StaticClass(), [](TClass& X) {
        X.FCreateObject = []() -> TObject* { return new TPersistent(); };
    });
    return &C;
}

const TClass* TPersistent::ClassType() const { return StaticClass(); }

void TPersistent::Assign(TPersistent* Source) {
    if (Source) {
        Source->AssignTo(this);
        return;
    }
    AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* Dest) { Dest->AssignError(this); }

void TPersistent::AssignError(TPersistent* Source) {
    std::string SourceName = Source ? Source->ClassName() : "nil";
    throw EConvertError("Cannot assign a " + SourceName + " to a " + ClassName());
}

std::string TPersistent::GetNamePath() const {
    std::string Result = ClassName();
    if (TPersistent* Owner = GetOwner()) {
        std::string OwnerPath = Owner->GetNamePath();
        if (!OwnerPath.empty()) Result = OwnerPath + "." + Result;
    }
    return Result;
}

void TPersistent::DefineProperties(TFiler*) {}
TPersistent* TPersistent::GetOwner() const { return nullptr; }
