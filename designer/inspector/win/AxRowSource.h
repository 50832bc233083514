#pragma once
// The ActiveX side of the inspector: decides which selected controls are
// ActiveX controls, lists their properties (or events) from their type
// information as TAxPropEditor rows, and keeps what those rows need: the
// control being listed, its automation object, whether it is the
// designer's wrapper. The inspector owns one and tells it its options and
// window; its editors are made through the fake components, as the class
// library's enumeration hands them out.
#include <functional>
#include <memory>
#include <vector>

#include "designer/inspector/win/AxFakes.h"
#include "framework/design/PropEdits.h"
#include "framework/rtl/win/ComPtr.h"

#include <oaidl.h>

class TCustomZelOleControl;
class TAxPropEditor;

class TAxRowSource : public TComponent {
    QRN_CLASS(TAxRowSource, TComponent)
public:
    explicit TAxRowSource(TComponent* AOwner);
    ~TAxRowSource() override;

    // Set by the inspector: its oiShowActiveX option, its window (owner of
    // the property pages) and its private designer (for font rows).
    bool ShowActiveX = true;
    std::function<HWND()> OwnerWindow;
    TFormDesigner* PrivateDesigner = nullptr;

    // The last ActiveX control listed: its automation interface was
    // available (AxMode); it is the designer's wrapper (IsZelControl).
    bool AxMode = false;
    bool IsZelControl = false;
    TComPtr<IDispatch> OleObject;
    TCustomZelOleControl* OleControl = nullptr;
    // The editors the last enumerations handed over (not owned).
    TPropertyEditor* CapturedEditor = nullptr;
    TPropertyEditor* CapturedFontEditor = nullptr;

    bool IsOleControl(TComponent* Component) const;
    // Appends to Rows the control's class-library properties and then the
    // members of its type information (its events when Filter is exactly
    // events). IsOle: the inspector counts Control as an ActiveX control;
    // nothing is listed otherwise.
    void EnumerateAxControl(TComponent* Control, bool IsOle, TTypeKinds Filter, TFormDesigner* Designer,
                            const TGetPropEditProc& Rows);
    void EnumerateTypeInfo(bool EventsMode, ITypeInfo* TypeInfo, IDispatch* Dispatch, TFormDesigner* Designer,
                           const TGetPropEditProc& Rows);
    // A row for one member; nullptr when the member is not listed. An
    // event's FuncDesc passes to the editor.
    std::unique_ptr<TPropertyEditor> CreateAxEditor(TFormDesigner* Designer, ITypeInfo* TypeInfo,
                                                    MEMBERID MemberID, const TYPEDESC* TypeDesc, bool IsColor,
                                                    bool DisplayBind, bool IsEvent, FUNCDESC* FuncDesc = nullptr);

    // One row for the editors of one name from several sets; nullptr
    // when none of them allows a multi-selection.
    std::unique_ptr<TPropertyEditor> CreateGroupEditor(const std::vector<TPropertyEditor*>& Run,
                                                       TFormDesigner* Designer);

private:
    bool ValueSupports(TAxPropEditor* Editor, const IID& Iid);
    std::unique_ptr<TPropertyEditor> FontEditor(TFormDesigner* Designer, TAxPropEditor* Editor);
    std::unique_ptr<TFake> FFakeComponent;
    std::unique_ptr<TFake2> FFake2Component;
};

// Registers the ActiveX editors with the class library (once).
void RegisterAxEditors();
