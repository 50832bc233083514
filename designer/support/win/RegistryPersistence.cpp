#include "designer/support/win/RegistryPersistence.h"

#include <memory>

#include "designer/support/DesignStrings.h"
#include "designer/support/PropertyHelpers.h"
#include "designer/support/win/DesignErrors.h"
#include "designer/support/win/RegistryStream.h"
#include "designer/support/win/RegistryValues.h"
#include "framework/classes/Collection.h"
#include "framework/classes/Filer.h"
#include "framework/classes/FormText.h"

QRN_PUBLISHED(TPersHolder) { B.Prop("P", &TPersHolder::P, &TPersHolder::SetP); }

namespace {
std::string StreamText(TMemoryStream& S) {
    return std::string(static_cast<const char*>(S.Memory()), static_cast<size_t>(S.Size()));
}

// The component itself, or a holder that carries the object.
template <class Work>
void WithComponent(TPersistent* Obj, Work&& Do) {
    if (auto* Component = dynamic_cast<TComponent*>(Obj)) {
        Do(Component);
        return;
    }
    TPersHolder Holder(nullptr);
    Holder.SetP(Obj);
    Do(&Holder);
}

// Plain properties: every kind the registry stores (events have none).
const TTypeKinds PlainKinds{tkInteger, tkChar, tkEnumeration, tkFloat, tkString, tkLString, tkSet, tkInt64};
}  // namespace

void SaveComponentToRegistry(const std::string& Path, TPersistent* Obj, bool AsText) {
    if (!Obj) return;
    TRegistryStream Stream(Path, RegistryStreamCreate);
    WithComponent(Obj, [&](TComponent* Component) {
        TMemoryStream Binary;
        TWriter Writer(&Binary);
        Writer.WriteRootComponent(Component);
        const std::string Data = StreamText(Binary);
        const std::string Stored = AsText ? ObjectBinaryToText(Data) : Data;
        Stream.WriteBuffer(Stored.data(), static_cast<int32_t>(Stored.size()));
    });
    Stream.Store();
}

void LoadComponentFromRegistry(const std::string& Path, TPersistent* Obj, bool AsText) {
    if (!Obj) return;
    TRegistryStream Stream(Path, 0);
    if (Stream.Size() == 0) return;
    const std::string Stored = StreamText(Stream);
    TStringStream Binary(AsText ? ObjectTextToBinary(Stored) : Stored);
    WithComponent(Obj, [&](TComponent* Component) {
        TReader Reader(&Binary);
        if (Component == Obj) {
            BeginGlobalLoading();
            try {
                Reader.ReadRootComponent(Component);
                NotifyGlobalLoading();
            } catch (...) {
                EndGlobalLoading();
                throw;
            }
            EndGlobalLoading();
        } else {
            Reader.ReadRootComponent(Component);
        }
    });
}

void SaveObjectToRegistry(TObject* Obj, const std::string& Key) {
    ForEachProperty(Obj, true, [&](TObject* Instance, const TPropInfo* Prop) {
        const std::string Path = AddBackslash(Key) + Prop->Name;
        if (Prop->Kind() != tkClass) {
            if (PlainKinds.Contains(Prop->Kind())) WriteToRegistry(Path, GetPropertyAsVariant(Instance, Prop));
            return;
        }
        TObject* Value = GetObjectProp(Instance, Prop);
        if (!Value) return;
        if (auto* Strings = dynamic_cast<TStrings*>(Value))
            SaveStringsToRegistry(Path, Strings);
        else if (auto* Collection = dynamic_cast<TCollection*>(Value))
            SaveComponentToRegistry(Path, Collection, true);
        else
            SaveObjectToRegistry(Value, Path);
    });
}

void LoadObjectFromRegistry(TObject* Obj, const std::string& Key) {
    ForEachProperty(Obj, true, [&](TObject* Instance, const TPropInfo* Prop) {
        const std::string Path = AddBackslash(Key) + Prop->Name;
        // One bad value must not cost the others: it keeps its default.
        try {
            if (Prop->Kind() != tkClass) {
                if (PlainKinds.Contains(Prop->Kind()))
                    SetPropertyFromVariant(Instance, Prop,
                                           ReadFromRegistry(Path, GetPropertyAsVariant(Instance, Prop)));
                return;
            }
            TObject* Value = GetObjectProp(Instance, Prop);
            if (!Value) return;
            if (auto* Strings = dynamic_cast<TStrings*>(Value))
                LoadStringsFromRegistry(Path, Strings);
            else if (auto* Collection = dynamic_cast<TCollection*>(Value))
                LoadComponentFromRegistry(Path, Collection, true);
            else
                LoadObjectFromRegistry(Value, Path);
        } catch (...) {
            ReportDesignError();
        }
    });
}
