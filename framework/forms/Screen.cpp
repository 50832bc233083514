// TScreen: the forms in z-order, the active form and control, cursors and
// the screen's size.
#include <algorithm>

#include "framework/classes/DataModule.h"
#include "framework/forms/Forms.h"
#include "framework/graphics/ScreenDC.h"

int TScreen::DataModuleCount() const { return ::DataModuleCount(); }

TDataModule* TScreen::DataModules(int Index) const { return ::DataModules(Index); }

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) { FPixelsPerInch = ScreenPixelsPerInch(); }

TScreen::~TScreen() {
    for (HCURSOR C : FLoadedCursors) DestroyCursor(C);
}

void TScreen::AddForm(TCustomForm* Form) {
    if (std::find(FForms.begin(), FForms.end(), Form) == FForms.end()) FForms.push_back(Form);
}

void TScreen::RemoveForm(TCustomForm* Form) {
    FForms.erase(std::remove(FForms.begin(), FForms.end(), Form), FForms.end());
    if (FActiveForm == Form) {
        FActiveForm = nullptr;
        if (OnActiveFormChange) OnActiveFormChange(this);
    }
    if (FActiveControl && Form->ContainsControl(FActiveControl)) FActiveControl = nullptr;
}

void TScreen::SetActiveForm(TCustomForm* Form) {
    // The active form moves to the front of the z-order list.
    auto It = std::find(FForms.begin(), FForms.end(), Form);
    if (It != FForms.end()) std::rotate(FForms.begin(), It, It + 1);
    if (Form == FActiveForm) return;
    FActiveForm = Form;
    if (OnActiveFormChange) OnActiveFormChange(this);
}

void TScreen::SetFocusedControl(TWinControl* Control) {
    if (TCustomForm* Form = GetParentForm(Control)) SetActiveForm(Form);
    if (Control == FActiveControl) return;
    FActiveControl = Control;
    if (OnActiveControlChange) OnActiveControlChange(this);
}

void TScreen::ControlDestroyed(TControl* Control) {
    if (FActiveControl == Control) FActiveControl = nullptr;
}

void TScreen::SetCursor(TCursor Value) {
    if (Value == FCursor) return;
    FCursor = Value;
    if (Value == crDefault) {
        // The control under the mouse picks its own cursor again.
        POINT P{};
        GetCursorPos(&P);
        SetCursorPos(P.x, P.y);
    } else {
        ::SetCursor(Cursors(Value));
    }
}

namespace {

// The framework's own drawings for the shapes the system has no cursor
// for (resources of framework/forms/win/res/Cursors.rc).
const char* OwnCursorName(int Index) {
    switch (Index) {
        case crDrag: return "QRN_DRAG";
        case crNoDrop: return "QRN_NODROP";
        case crMultiDrag: return "QRN_MULTIDRAG";
        case crHSplit: return "QRN_HSPLIT";
        case crVSplit: return "QRN_VSPLIT";
        default: return nullptr;
    }
}

}  // namespace

HCURSOR TScreen::Cursors(int Index) {
    if (auto It = FCursorMap.find(Index); It != FCursorMap.end()) return It->second;
    // Stock cursors. A module that does not link the framework's cursor
    // resources gets the nearest system cursor for the framework's own shapes.
    HCURSOR C = nullptr;
    if (const char* Own = OwnCursorName(Index)) C = LoadCursorA(FrameworkInstance(), Own);
    const char* Id = nullptr;
    switch (Index) {
        case crNone: return nullptr;
        case crDefault:
        case crArrow:
        case crDrag:
        case crMultiDrag: Id = IDC_ARROW; break;
        case crCross: Id = IDC_CROSS; break;
        case crIBeam: Id = IDC_IBEAM; break;
        case crSizeAll: Id = IDC_SIZEALL; break;
        case crSizeNESW: Id = IDC_SIZENESW; break;
        case crSizeNS:
        case crVSplit: Id = IDC_SIZENS; break;
        case crSizeNWSE: Id = IDC_SIZENWSE; break;
        case crSizeWE:
        case crHSplit: Id = IDC_SIZEWE; break;
        case crUpArrow: Id = IDC_UPARROW; break;
        case crHourGlass:
        case crSQLWait: Id = IDC_WAIT; break;
        case crNoDrop:
        case crNo: Id = IDC_NO; break;
        case crAppStart: Id = IDC_APPSTARTING; break;
        case crHelp: Id = IDC_HELP; break;
        case crHandPoint: Id = IDC_HAND; break;
        default: Id = IDC_ARROW; break;
    }
    if (!C) C = LoadCursorA(nullptr, Id);
    if (!C) C = LoadCursorA(nullptr, IDC_ARROW);
    if (Index <= 0) FCursorMap[Index] = C;
    return C;
}

void TScreen::SetCursors(int Index, HCURSOR Handle) {
    if (Handle) FCursorMap[Index] = Handle;
    else FCursorMap.erase(Index);
}

void TScreen::LoadCursor(int Index, HINSTANCE Instance, const std::string& ResName) {
    HCURSOR C = static_cast<HCURSOR>(LoadImageA(Instance, ResName.c_str(), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
    if (!C) throw EResNotFound("Resource " + ResName + " not found");
    FLoadedCursors.push_back(C);
    SetCursors(Index, C);
}

int TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }
int TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }

TRect TScreen::WorkAreaRect() const {
    RECT R{};
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &R, 0)) R = RECT{0, 0, Width(), Height()};
    return FromRECT(R);
}

QRN_PUBLISHED(TScreen) {}
