#pragma once
// TAxPropEditor: one member of an ActiveX control's type information as a
// row of the inspector. It reads and writes the member through the
// control's automation interface, offers the control's predefined values,
// enumeration names and colours, opens the control's property pages, and
// turns the control's events into handler names of the designer.
// TMFontProperty shows an ActiveX font with the font editor and writes
// every change straight back to the control.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "designer/inspector/win/AxFakes.h"
#include "framework/design/PropEdits.h"
#include "framework/ole/OleVariant.h"
#include "framework/rtl/win/ComPtr.h"

#include <ocidl.h>

class TAxPropEditor : public TPropertyEditor {
public:
    using TPropertyEditor::TPropertyEditor;
    ~TAxPropEditor() override;

    std::string GetName() override { return MemberName; }
    std::string GetValue() override;
    void SetValue(const std::string& Value) override;
    TPropertyAttributes GetAttributes() override;
    void GetValues(TGetStrProc Proc) override;
    void Edit() override;

    std::string MemberName;
    DISPID DispID = 0;
    GUID PageClassID{};
    TComPtr<IDispatch> AutoDispatch;
    TComPtr<ITypeInfo> MemberTypeInfo;
    TComPtr<IPerPropertyBrowsing> Browsing;
    // The predefined texts with their cookies, in the control's order.
    std::vector<std::pair<std::string, DWORD>> Predefined;
    // Enumeration constants with their values; empty when the member's
    // type is no enumeration.
    std::vector<std::pair<std::string, int>> EnumNames;
    bool IsColor = false;
    bool IsEvent = false;
    bool IsPicture = false;
    bool IsStrings = false;  // the value is a string list (IStrings)
    bool DisplayBind = false;
    std::string DocString;
    int HelpContext = 0;
    std::string HelpFile;
    FUNCDESC* FuncDesc = nullptr;  // of an event; released to MemberTypeInfo
    MEMBERID MemberID = 0;
    TAxRowSource* Inspector = nullptr;

private:
    TTypeInfo FEventType;

    // The method type of the event, made from FuncDesc on first use;
    // nullptr without one.
    const TTypeInfo* EventType();
    HRESULT ReadValue(TOleVariant& Value);
    std::string PredefinedText(const TOleVariant& Value);
    void SetEventValue(const std::string& Value);
    void EditEvent();
    void EditPicture();
    void EditStrings();
    void ShowPropertyPages();
    TPersistent* FirstSelected();
};

// An ActiveX font through the font editor of the class library.
class TMFontProperty : public TFontProperty {
public:
    using TFontProperty::TFontProperty;
    std::string GetName() override { return FName; }
    // Takes the fake component that carries the font; every change of the
    // font is put to the control's property DispID at once.
    void Attach(std::unique_ptr<TFakeFont> Fake, const std::string& Name, IDispatch* Dispatch, DISPID DispID);

private:
    std::unique_ptr<TFakeFont> FFake;
    std::string FName;
    TComPtr<IDispatch> FDispatch;
    DISPID FDispID = 0;
};

// The automation colour ids and OLE_COLOR typed members are colours.
bool IsColorMember(MEMBERID MemberID, ITypeInfo* TypeInfo, const TYPEDESC* TypeDesc);
// The type the per-type edit registries are asked under for an ActiveX
// row: TColor, TImage (a picture), TStrings (a string list), Boolean (a
// Boolean value without predefined texts); nullptr otherwise.
const TTypeInfo* AxPropTypeInfo(TAxPropEditor* Editor);
const TClass* AxEditClass(TPropertyEditor* Editor);
const TClass* AxPopupClass(TPropertyEditor* Editor);
