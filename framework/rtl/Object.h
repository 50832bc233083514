#pragma once
// Root classes of the framework: every object with run-time type
// information derives from TObject, every streamable one from TPersistent.
//
// Destruction runs in two phases: Free() first calls the virtual
// BeforeDestruction() while the whole object (derived parts included) is
// still alive, then deletes it. Components rely on this to send their
// notifications while derived overrides still work; see Component.h.
#include <cstdint>
#include <string>

class TClass;  // a class's run-time type record (framework/classes/TypeInfo.h)
class TFiler;  // base of the form stream's reader and writer (framework/classes/Filer.h)

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject();

    // Run-time type information.
    static const TClass* StaticClass();
    virtual const TClass* ClassType() const;
    std::string ClassName() const;
    bool ClassNameIs(const std::string& Name) const;  // case-insensitive
    const TClass* ClassParent() const;
    bool InheritsFrom(const TClass* Class) const;

    // Message dispatch by number: the message record starts with a 32-bit
    // message number. The handler registered for it (TClassBuilder::Message)
    // by this class or the nearest ancestor runs; unhandled numbers go to
    // DefaultHandler.
    virtual void Dispatch(void* Message);
    virtual void DefaultHandler(void* Message);
    // Runs the handler an ancestor of Class has for the message (for a
    // handler that wants the inherited behaviour), else DefaultHandler.
    void DispatchInherited(const TClass* Class, void* Message);

    // Two-phase destruction: BeforeDestruction, then delete. Use Free()
    // for every heap object of the framework that other objects may watch.
    virtual void AfterConstruction() {}
    virtual void BeforeDestruction() {}
    void Free();

    // Called with every TObject as its destructor ends (the designer's
    // registry of watched addresses); nullptr when nobody watches.
    using TDestroyHook = void (*)(TObject* Object);
    static void SetDestroyHook(TDestroyHook Hook);
};

// Frees Obj (two-phase) and sets the pointer to nullptr; safe on nullptr.
template <class T>
void FreeAndNil(T*& Obj) {
    T* P = Obj;
    Obj = nullptr;
    if (P) P->Free();
}

// Deleter for std::unique_ptr that frees through the two-phase protocol.
struct TObjectFree {
    void operator()(TObject* Obj) const {
        if (Obj) Obj->Free();
    }
};

class TPersistent : public TObject {
public:
    ~TPersistent() override;
    static const TClass* StaticClass();
    const TClass* ClassType() const override;

    // Copies Source into this object; raises EConvertError
    // "Cannot assign a <Source> to a <Dest>" when neither side knows how.
    virtual void Assign(TPersistent* Source);
    // The name the designer shows for this object ("Form1.Font").
    virtual std::string GetNamePath() const;

    // Public so that the stream classes and the designer can reach them.
    virtual void AssignTo(TPersistent* Dest);
    virtual void DefineProperties(TFiler* Filer);
    virtual TPersistent* GetOwner() const;

protected:
    [[noreturn]] void AssignError(TPersistent* Source);
};
