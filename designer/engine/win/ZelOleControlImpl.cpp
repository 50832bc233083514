#include "designer/engine/win/ZelOleControlImpl.h"

#include "designer/engine/OleClassName.h"
#include "designer/engine/win/OleEventSink.h"
#include "designer/support/win/ActiveXSupport.h"
#include "designer/support/win/AxDispatch.h"
#include "framework/classes/Filer.h"
#include "framework/rtl/win/WideText.h"

namespace {

TControlData ControlDataOf(const GUID& ClassID) {
    TControlData Data;
    Data.ClassID = ClassID;
    return Data;
}

std::string ProgIDOf(const GUID& ClassID) {
    LPOLESTR Text = nullptr;
    if (FAILED(ProgIDFromCLSID(ClassID, &Text))) return {};
    std::string Result = Narrow(Text);
    CoTaskMemFree(Text);
    return Result;
}

// Frees a global memory block on every path.
struct THGlobal {
    HGLOBAL Handle;
    ~THGlobal() {
        if (Handle) GlobalFree(Handle);
    }
};

}  // namespace

TZelOleControl_::TZelOleControl_(TComponent* AOwner, const GUID& AClassID)
    : TOleControl(AOwner, ControlDataOf(AClassID)) {}

void TZelOleControl_::CreateWnd() {
    inherited::CreateWnd();
    // At design time the control takes no input: the mouse passes to the
    // wrapper, where the designer selects, moves and sizes it.
    if (ComponentState().Contains(csDesigning)) EnableWindow(Handle(), FALSE);
}

QRN_PUBLISHED(TZelOleControl_) {}

TZelOLEControl::TZelOLEControl(TComponent* AOwner)
    : TCustomZelOleControl(AOwner), FEventSink(TComPtr<TOLEEventDispatch>::Attach(new TOLEEventDispatch(this))) {
    SetBounds(Left(), Top(), 121, 121);
}

TZelOLEControl::TZelOLEControl(TComponent* AOwner, const GUID& AClassID) : TZelOLEControl(AOwner) {
    FClassID = AClassID;
    CreateOleControl();
}

TZelOLEControl::~TZelOLEControl() {
    DisconnectSink();
    // The control may still hold the sink: it must not reach us any more.
    FEventSink->ClearOwner();
}

void TZelOLEControl::BeforeDestruction() {
    // While the inner control still exists: the sink is unadvised there.
    DisconnectSink();
    inherited::BeforeDestruction();
}

void TZelOLEControl::DisconnectSink() {
    if (FControl) DisconnectEvents(GetOleObject(), FEventSink->EventIID, FEventConnection);
}

IUnknown* TZelOLEControl::GetOleObject() { return FControl ? FControl->DefaultDispatch() : nullptr; }

void TZelOLEControl::CreateOleControl() {
    if (IsEqualGUID(FClassID, GUID_NULL)) return;
    FControl = new TZelOleControl_(this, FClassID);
    TControlStyle Style = FControl->ControlStyle();
    Style.Exclude(csAcceptsControls);
    FControl->SetControlStyle(Style);
    SetBounds(Left(), Top(), Width(), Height());
    if (TComPtr<ITypeInfo> Info = GetDefaultEventTypeInfo(GetOleObject())) {
        TYPEATTR* Attr = nullptr;
        if (SUCCEEDED(Info->GetTypeAttr(&Attr))) {
            FEventSink->EventIID = Attr->guid;
            Info->ReleaseTypeAttr(Attr);
            ConnectEvents(GetOleObject(), FEventSink->EventIID, static_cast<IUnknown*>(FEventSink.Get()),
                          FEventConnection);
        }
    }
    FOleClassName = OleClassNameOf(ProgIDOf(FClassID));
}

void TZelOLEControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    // Size changes the inner control causes while it is sized come back
    // here; they are ignored.
    if (FInSetBounds) return;
    FInSetBounds = true;
    try {
        if (FControl && Parent()) {
            FControl->SetBounds(0, 0, AWidth, AHeight);
            AWidth = FControl->Width();
            AHeight = FControl->Height();
        }
        inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
    } catch (...) {
        FInSetBounds = false;
        throw;
    }
    FInSetBounds = false;
}

void TZelOLEControl::CreateHandle() {
    inherited::CreateHandle();
    if (FControl) {
        FControl->SetParent(this);
        SetBounds(Left(), Top(), Width(), Height());
    }
}

void TZelOLEControl::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FControl) FControl = nullptr;
}

int TZelOLEControl::FindEventEntry(int DispID) const {
    for (size_t I = 0; I < FEvents.size(); ++I)
        if (FEvents[I].DispID == DispID) return static_cast<int>(I);
    return -1;
}

void TZelOLEControl::SetEventHandler(int DispID, const std::string& Name) {
    int At = FindEventEntry(DispID);
    if (At < 0) {
        if (Name.empty()) return;
        FEvents.push_back({DispID, {}});
        At = static_cast<int>(FEvents.size()) - 1;
    }
    if (Name.empty())
        FEvents.erase(FEvents.begin() + At);
    else
        FEvents[static_cast<size_t>(At)].Name = Name;
}

std::string TZelOLEControl::GetEventHandler(int DispID) {
    const int At = FindEventEntry(DispID);
    return At < 0 ? std::string() : FEvents[static_cast<size_t>(At)].Name;
}

std::string NamingClassName(TComponent* Component) {
    if (auto* Wrapper = dynamic_cast<TCustomZelOleControl*>(Component)) return Wrapper->GetOleClassName();
    return Component->ClassName();
}

// ---- form stream

void TZelOLEControl::DefineProperties(TFiler* Filer) {
    inherited::DefineProperties(Filer);
    Filer->DefineProperty(
        "CGUID",
        [this](TReader* Reader) {
            FClassID = StringToCLSID(Reader->ReadString());
            CreateOleControl();
        },
        [this](TWriter* Writer) { Writer->WriteString(CLSIDToString(FClassID)); }, true);
    Filer->DefineBinaryProperty(
        "Events", [this](TStream* S) { ReadEvents(S); }, [this](TStream* S) { WriteEvents(S); }, !FEvents.empty());
    Filer->DefineBinaryProperty(
        "ControlData", [this](TStream* S) { ReadControlData(S); }, [this](TStream* S) { WriteControlData(S); },
        GetOleObject() != nullptr);
}

void TZelOLEControl::ReadEvents(TStream* Stream) {
    TReader Reader(Stream);
    const int Count = Reader.ReadInteger();
    for (int I = 0; I < Count; ++I) {
        TEventInfo Info;
        Info.DispID = Reader.ReadInteger();
        Info.Name = Reader.ReadString();
        FEvents.push_back(std::move(Info));
    }
}

void TZelOLEControl::WriteEvents(TStream* Stream) {
    TWriter Writer(Stream);
    Writer.WriteInteger(static_cast<int64_t>(FEvents.size()));
    for (const TEventInfo& Info : FEvents) {
        Writer.WriteInteger(Info.DispID);
        Writer.WriteString(Info.Name);
    }
}

void TZelOLEControl::WriteControlData(TStream* Stream) {
    TComPtr<IPersistStreamInit> Persist;
    if (!GetOleObject() || FAILED(GetOleObject()->QueryInterface(IID_IPersistStreamInit, Persist.PutVoid())))
        return;
    THGlobal Memory{GlobalAlloc(GMEM_MOVEABLE, 0)};
    if (!Memory.Handle) return;
    TComPtr<IStream> OleStream;
    if (FAILED(CreateStreamOnHGlobal(Memory.Handle, FALSE, OleStream.Put()))) return;
    if (FAILED(Persist->Save(OleStream.Get(), TRUE))) return;
    // The stream may have moved the block while it grew.
    GetHGlobalFromStream(OleStream.Get(), &Memory.Handle);
    const SIZE_T Size = GlobalSize(Memory.Handle);
    if (const void* Data = GlobalLock(Memory.Handle)) {
        Stream->WriteBuffer(Data, static_cast<int32_t>(Size));
        GlobalUnlock(Memory.Handle);
    }
}

void TZelOLEControl::ReadControlData(TStream* Stream) {
    TComPtr<IPersistStreamInit> Persist;
    if (!GetOleObject() || FAILED(GetOleObject()->QueryInterface(IID_IPersistStreamInit, Persist.PutVoid())))
        return;
    const int64_t Size = Stream->Size() - Stream->Position();
    THGlobal Memory{GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(Size))};
    if (!Memory.Handle) return;
    if (void* Data = GlobalLock(Memory.Handle)) {
        if (Size > 0) Stream->ReadBuffer(Data, static_cast<int32_t>(Size));
        GlobalUnlock(Memory.Handle);
    }
    TComPtr<IStream> OleStream;
    if (SUCCEEDED(CreateStreamOnHGlobal(Memory.Handle, FALSE, OleStream.Put()))) Persist->Load(OleStream.Get());
}

QRN_PUBLISHED(TZelOLEControl) {
    // Without setters: neither stored nor edited on a wrapper.
    B.Prop("Cursor", &TZelOLEControl::Cursor).Type(QRN_TYPE(TCursor));
    B.Prop("Hint", &TZelOLEControl::Hint);
}
