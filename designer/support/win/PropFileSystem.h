#pragma once
// Files that are string properties of components: a designer may open the
// text of a component's string or string-list property as a stream and
// write it back on closing.
#include <memory>
#include <string>

#include "designer/support/FileSystem.h"
#include "framework/rtl/Streams.h"

class TStrings;
struct TPropInfo;

class TPropStream : public TMemoryStream {
public:
    // Modes 0 (read) and 2 (read and write) start with the property's
    // text; 1 (write) starts empty. Raises "Error in property stream" for a
    // missing component or a property that holds no text.
    TPropStream(TComponent* Component, uint16_t Mode, const std::string& PropName);
    // Unless opened for reading only, writes the whole text back and tells
    // the component's designer.
    ~TPropStream() override;
    void WriteBack();

private:
    TComponent* FComponent;
    uint16_t FMode;
    const TPropInfo* FProp = nullptr;
    TStrings* FStrings = nullptr;
};

class TPropFileSystem : public TFileSystem {
    QRN_CLASS(TPropFileSystem, TFileSystem)
public:
    explicit TPropFileSystem(TComponent* AOwner) : TFileSystem(AOwner) {}
    const std::string& ObjectPath() const { return FObjectPath; }
    void SetObjectPath(const std::string& Value);
    const std::string& PropName() const { return FPropName; }
    void SetPropName(const std::string& Value) { FPropName = Value; }
    TComponent* Component() const { return FComponent; }

    // The property stream of the component; "Component %s doesn't exist".
    std::unique_ptr<TStream, TObjectFree> CreateStream(const std::string& FileName, uint16_t Mode) override;
    bool FileExists(const std::string& FileName) override;
    bool IsVirtual() const override { return true; }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    std::string FObjectPath;
    std::string FPropName;
    TComponent* FComponent = nullptr;
};
