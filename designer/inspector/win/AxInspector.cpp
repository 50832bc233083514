// The ActiveX side of TCustomAxInspector: the rows of an ActiveX control
// from its type information (through TAxRowSource), group rows of a
// multi-selection, the edit classes of ActiveX rows, and help and
// descriptions from the control's type library.
#include "designer/inspector/win/AxGroupEditor.h"
#include "designer/inspector/win/AxInplaceEdit.h"
#include "designer/inspector/win/AxPropEditor.h"
#include "designer/inspector/win/AxRowSource.h"
#include "designer/inspector/win/ObjectInspector.h"

namespace {

TAxPropEditor* AxRowEditor(TCustomAxInspector* Inspector) {
    return Inspector->AxMode() ? dynamic_cast<TAxPropEditor*>(Inspector->CurrentEditor()) : nullptr;
}

}  // namespace

void TCustomAxInspector::EnumerateAxControl(TComponent* Control, TTypeKinds AFilter, TFormDesigner* ADesigner) {
    FAxRows->ShowActiveX = Options().Contains(oiShowActiveX);
    FAxRows->OwnerWindow = [this] { return Handle(); };
    FAxRows->EnumerateAxControl(Control, IsOleControl(Control), AFilter, ADesigner,
                                [this](std::unique_ptr<TPropertyEditor> E) { AddEditor(std::move(E)); });
    SetAxState(FAxRows->AxMode, FAxRows->IsZelControl, FAxRows->OleControl);
}

std::unique_ptr<TPropertyEditor> TCustomAxInspector::CreateGroupEditor(const std::vector<TPropertyEditor*>& Run) {
    return FAxRows->CreateGroupEditor(Run, RebuildDesigner());
}

const TClass* TCustomAxInspector::GetInplaceEditClass() { return TAxInplaceEdit::StaticClass(); }

const TClass* TCustomAxInspector::GetEditClass(TPropertyEditor* PropEdit) {
    return AxMode() ? AxEditClass(PropEdit) : TCustomObjectInspector::GetEditClass(PropEdit);
}

const TClass* TCustomAxInspector::GetPopupClass(TPropertyEditor* PropEdit) {
    return AxMode() ? AxPopupClass(PropEdit) : TCustomObjectInspector::GetPopupClass(PropEdit);
}

void TCustomAxInspector::ShowHelp() {
    TAxPropEditor* Row = AxRowEditor(this);
    if (!Row) {
        TCustomObjectInspector::ShowHelp();
        return;
    }
    if (!Row->HelpFile.empty())
        WinHelpA(Handle(), Row->HelpFile.c_str(), HELP_CONTEXT, static_cast<ULONG_PTR>(Row->HelpContext));
}

std::string TCustomAxInspector::GetDescription() {
    if (IsEmpty()) return {};
    if (TAxPropEditor* Row = AxRowEditor(this); Row && !Row->DocString.empty()) return Row->DocString;
    return TCustomObjectInspector::GetDescription();
}

// ---- in-place editor

const TClass* TAxInplaceEdit::GetPropEditClass() {
    auto* Ax = dynamic_cast<TCustomAxInspector*>(Inspector());
    return Ax && Ax->AxMode() ? AxEditClass(PropEditor()) : TOInplaceEdit::GetPropEditClass();
}

const TClass* TAxInplaceEdit::GetPropPopupClass() {
    auto* Ax = dynamic_cast<TCustomAxInspector*>(Inspector());
    return Ax && Ax->AxMode() ? AxPopupClass(PropEditor()) : TOInplaceEdit::GetPropPopupClass();
}

QRN_PUBLISHED(TAxInplaceEdit) {}
