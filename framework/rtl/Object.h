#pragma once
// Root classes of the framework: every object with run-time type
// information derives from TObject, every streamable one from TPersistent.
#include <string>

class TClass;  // a class's run-time type record (framework/classes)
class TFiler;  // base of the form stream's reader and writer (framework/classes)

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    // Run-time type information.
    static const TClass* StaticClass();
    virtual const TClass* ClassType() const;
    std::string ClassName() const;
    bool InheritsFrom(const TClass* Class) const;

    // Message dispatch by number: the message record starts with a 32-bit
    // message number; unhandled numbers go to DefaultHandler.
    virtual void Dispatch(void* Message);
    virtual void DefaultHandler(void* Message);
};

class TPersistent : public TObject {
public:
    static const TClass* StaticClass();
    const TClass* ClassType() const override;

    virtual void Assign(TPersistent* Source);
    virtual std::string GetNamePath() const;

    // Public so that the stream classes and the designer can reach them.
    virtual void AssignTo(TPersistent* Dest);
    virtual void DefineProperties(TFiler* Filer);
    virtual TPersistent* GetOwner() const;
};
