#include "designer/support/win/RegistryValues.h"

#include <memory>

#include "designer/support/DesignStrings.h"
#include "designer/support/DesignerTexts.h"
#include "framework/rtl/win/Registry.h"

const char* const DefaultDesignerBaseKey = "Software\\Quorlen PRO\\Designer\\1.0";

namespace {
std::string GBaseKey = DefaultDesignerBaseKey;
std::unique_ptr<TRegistry> GRegistry;

// The shared registry object with the path's key open; closes it again
// when the call is done.
class TOpenValueKey {
public:
    TOpenValueKey(const std::string& Path, bool CanCreate) {
        SplitRegistryPath(Path, FKey, FValueName);
        if (Path.empty()) return;
        if (!GRegistry) GRegistry = std::make_unique<TRegistry>();
        FOpen = CanCreate ? GRegistry->OpenKey("\\" + FKey, true) : GRegistry->OpenKeyReadOnly("\\" + FKey);
    }
    ~TOpenValueKey() {
        if (FOpen) GRegistry->CloseKey();
    }
    TOpenValueKey(const TOpenValueKey&) = delete;
    TOpenValueKey& operator=(const TOpenValueKey&) = delete;

    bool Open() const { return FOpen; }
    TRegistry& Registry() const { return *GRegistry; }
    const std::string& ValueName() const { return FValueName; }
    bool HasValue() const { return FOpen && GRegistry->ValueExists(FValueName); }

private:
    std::string FKey;
    std::string FValueName;
    bool FOpen = false;
};

[[noreturn]] void Unsupported() { RaiseDesignError(SUnsupportedRegistryType); }
}  // namespace

const std::string& DesignerBaseKey() { return GBaseKey; }

void SetDesignerBaseKey(const std::string& Key) { GBaseKey = Key; }

void SplitRegistryPath(const std::string& Path, std::string& Key, std::string& ValueName) {
    const size_t Slash = Path.rfind('\\');
    const size_t NameStart = Slash == std::string::npos ? 0 : Slash + 1;
    Key = AddBackslash(GBaseKey) + Path.substr(0, NameStart);
    ValueName = Path.substr(NameStart);
}

void WriteRegistryBinary(const std::string& Path, const void* Buffer, int Size) {
    std::string Key, ValueName;
    SplitRegistryPath(Path, Key, ValueName);
    if (ValueName.empty()) return;
    TOpenValueKey Open(Path, true);
    if (Open.Open()) Open.Registry().WriteBinaryData(Open.ValueName(), Buffer, Size);
}

int GetRegistryDataSize(const std::string& Path) {
    TOpenValueKey Open(Path, false);
    return Open.Open() ? Open.Registry().GetDataSize(Open.ValueName()) : -1;
}

int ReadRegistryBinary(const std::string& Path, void* Buffer, int Size) {
    TOpenValueKey Open(Path, false);
    return Open.Open() ? Open.Registry().ReadBinaryData(Open.ValueName(), Buffer, Size) : 0;
}

void WriteToRegistry(const std::string& Path, const Variant& Value) {
    if (Path.empty()) return;
    TOpenValueKey Open(Path, true);
    if (!Open.Open()) return;
    TRegistry& R = Open.Registry();
    const std::string& Name = Open.ValueName();
    switch (Value.VarType()) {
        case varInteger: R.WriteInt64(Name, Value.AsInt64()); break;
        case varBoolean: R.WriteBool(Name, Value.AsBoolean()); break;
        case varDouble: R.WriteFloat(Name, Value.AsDouble()); break;
        case varCurrency: R.WriteCurrency(Name, Value.AsDouble()); break;
        case varDate: R.WriteDateTime(Name, Value.AsDouble()); break;
        case varString: R.WriteString(Name, Value.AsString()); break;
        default: Unsupported();
    }
}

Variant ReadFromRegistry(const std::string& Path, const Variant& Default) {
    if (Path.empty()) return Default;
    TOpenValueKey Open(Path, false);
    if (!Open.HasValue()) return Default;
    TRegistry& R = Open.Registry();
    const std::string& Name = Open.ValueName();
    switch (Default.VarType()) {
        case varBoolean: return Variant(R.ReadBool(Name));
        case varString: return Variant(R.ReadString(Name));
        case varDate: return Variant::Date(R.ReadDateTime(Name));
        case varInteger: return Variant(R.ReadInt64(Name));
        case varDouble: return Variant(R.ReadFloat(Name));
        case varCurrency: return Variant::Currency(R.ReadCurrency(Name));
        default: Unsupported();
    }
}

void LoadStringsFromRegistry(const std::string& Path, TStrings* Strings) {
    if (!Strings) return;
    Strings->SetText(ReadFromRegistry(Path, Variant(Strings->Text())).AsString());
}

void SaveStringsToRegistry(const std::string& Path, const TStrings* Strings) {
    if (Strings) WriteToRegistry(Path, Variant(Strings->Text()));
}

void ShutdownDesignerRegistry() { GRegistry.reset(); }
