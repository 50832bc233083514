#pragma once
// The base of every option set of the designer library. The first
// instance of a class is its global instance: it is kept by the options
// registry, starts from its defaults and the stored values, and is saved
// when the library ends. Every further instance is a local copy that
// starts with the global values and hands its changes back with Changed.
#include <memory>
#include <string>

#include "framework/classes/TypeInfo.h"

class TOptionExt : public TPersistent {
    QRN_CLASS(TOptionExt, TPersistent)
public:
    TOptionExt() = default;
    ~TOptionExt() override = default;

    // The global instance of the class, made (defaults, then the stored
    // values) on first request; GetGlobalOptionsInstance only looks.
    static TOptionExt* GetGlobalOptions(const TClass* Class);
    static TOptionExt* GetGlobalOptionsInstance(const TClass* Class);
    template <class T>
    static T* Global() {
        return static_cast<T*>(GetGlobalOptions(T::StaticClass()));
    }
    // A local copy of the class's global values.
    template <class T>
    static std::unique_ptr<T, TObjectFree> CreateLocal() {
        std::unique_ptr<T, TObjectFree> Local(new T());
        Local->BecomeLocalCopy(Global<T>());
        return Local;
    }

    TOptionExt* GlobalInstance() const { return FGlobalInstance; }
    bool IsGlobal() const { return FGlobalInstance == nullptr; }
    int UpdateCount() const { return FUpdateCount; }

    void BeginUpdate() { ++FUpdateCount; }
    // Apply runs when the outermost bracket closes.
    void EndUpdate();
    bool IsLocalOrUpdating() const { return !IsGlobal() || FUpdateCount > 0; }

    // Every published property of the source.
    void Assign(TPersistent* Source) override;

    virtual void LoadFromRegistry();
    virtual void SaveToRegistry();
    // Below the library's base key: the class name without its first
    // letter ("TSomeOptions" keeps "SomeOptions").
    virtual std::string GetRegistryKey() const;
    virtual void SetDefaults() {}
    virtual void Apply() {}
    // The global instance applies; a local copy hands its values to the
    // global instance and then applies itself.
    virtual void Changed();
    // The object whose published properties are stored.
    virtual TPersistent* GetPersistentObject() { return this; }

protected:
    // Stores a changed value and applies it.
    template <class T>
    void SetOption(T& Field, T Value) {
        if (Field == Value) return;
        Field = Value;
        Changed();
    }

private:
    void BecomeGlobal();
    void BecomeLocalCopy(TOptionExt* Global);

    int FUpdateCount = 0;
    TOptionExt* FGlobalInstance = nullptr;
};

// Saves every global instance; the first failure is raised after all were
// tried.
void SaveGlobalOptions();
// Frees every global instance (unsaved).
void FreeGlobalOptions();
