#include "designer/support/win/AxControlCollection.h"

#include <comcat.h>
#include <objbase.h>

#include <memory>

#include "designer/support/win/ActiveXSupport.h"
#include "framework/rtl/win/Registry.h"

QRN_PUBLISHED(TAxControlCollection) {}

namespace {
// The category every ActiveX control registers in.
const GUID ControlCategory = {0x40FC6ED4, 0x2438, 0x11CF, {0xA3, 0xDB, 0x08, 0x00, 0x36, 0xF1, 0x25, 0x02}};

template <class T>
struct TComRelease {
    void operator()(T* P) const {
        if (P) P->Release();
    }
};

// The class's registration below HKEY_CLASSES_ROOT\CLSID.
void ReadControl(TAxControlInfo* Info) {
    const std::string Key = "\\CLSID\\" + CLSIDToString(Info->ClassID);
    TRegistry R;
    R.SetRootKey(HKEY_CLASSES_ROOT);
    if (!R.OpenKeyReadOnly(Key)) return;
    Info->Description = R.ReadString("");
    R.CloseKey();
    if (R.OpenKeyReadOnly(Key + "\\ToolboxBitmap32")) {
        const std::string Value = R.ReadString("");
        const size_t Comma = Value.find(',');
        Info->FileName = Value.substr(0, Comma);
        if (Comma != std::string::npos) {
            std::string Number = Value.substr(Comma + 1);
            Number.erase(0, Number.find_first_not_of(' '));
            Info->BitmapName = Number;
        }
        R.CloseKey();
    }
    if (R.OpenKeyReadOnly(Key + "\\InprocServer32")) {
        Info->FileName = R.ReadString("");
        R.CloseKey();
    }
    if (R.OpenKeyReadOnly(Key + "\\TypeLib")) {
        try {
            Info->TypeLibID = StringToCLSID(R.ReadString(""));
        } catch (...) {
            Info->TypeLibID = GUID{};
        }
        R.CloseKey();
    }
    LPOLESTR ProgID = nullptr;
    if (SUCCEEDED(ProgIDFromCLSID(Info->ClassID, &ProgID)) && ProgID) {
        char Buffer[256] = {};
        WideCharToMultiByte(CP_ACP, 0, ProgID, -1, Buffer, sizeof Buffer - 1, nullptr, nullptr);
        Info->Name = Buffer;
        CoTaskMemFree(ProgID);
    }
}
}  // namespace

TAxControlCollection::TAxControlCollection() : TCollection(TAxControlInfo::StaticClass()) { Enumerate(); }

void TAxControlCollection::Enumerate() {
    Clear();
    const HRESULT Init = CoInitialize(nullptr);
    ICatInformation* RawCat = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_StdComponentCategoriesMgr, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_ICatInformation, reinterpret_cast<void**>(&RawCat)))) {
        std::unique_ptr<ICatInformation, TComRelease<ICatInformation>> Cat(RawCat);
        IEnumCLSID* RawEnum = nullptr;
        CATID Wanted = ControlCategory;
        if (SUCCEEDED(Cat->EnumClassesOfCategories(1, &Wanted, static_cast<ULONG>(-1), nullptr, &RawEnum)) &&
            RawEnum) {
            std::unique_ptr<IEnumCLSID, TComRelease<IEnumCLSID>> Enum(RawEnum);
            CLSID Id{};
            ULONG Got = 0;
            while (Enum->Next(1, &Id, &Got) == S_OK && Got == 1) {
                auto* Info = static_cast<TAxControlInfo*>(Add());
                Info->ClassID = Id;
                ReadControl(Info);
            }
        }
    }
    if (SUCCEEDED(Init)) CoUninitialize();
}

TAxControlInfo* FindAxControl(TAxControlCollection* Collection, const GUID& Id) {
    if (!Collection) return nullptr;
    for (int I = 0; I < Collection->Count(); ++I) {
        TAxControlInfo* Info = Collection->Controls(I);
        if (IsEqualGUID(Info->TypeLibID, Id) || IsEqualGUID(Info->ClassID, Id)) return Info;
    }
    return nullptr;
}

void FillAxControlList(TAxControlCollection* Collection, TStrings* Strings) {
    Strings->Clear();
    if (!Collection) return;
    const GUID Null{};
    for (int I = 0; I < Collection->Count(); ++I) {
        TAxControlInfo* Info = Collection->Controls(I);
        bool Seen = false;
        if (!IsEqualGUID(Info->TypeLibID, Null))
            for (int J = 0; J < I && !Seen; ++J) Seen = IsEqualGUID(Collection->Controls(J)->TypeLibID, Info->TypeLibID);
        if (Seen) continue;
        std::string Name = IsEqualGUID(Info->TypeLibID, Null) ? std::string() : GetTypeLibDescription(Info->TypeLibID);
        if (Name.empty()) Name = Info->Description;
        Strings->AddObject(Name, Info);
    }
}
