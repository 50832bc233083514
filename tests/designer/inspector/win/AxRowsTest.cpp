// ActiveX rows of the inspector around the fake control of tests/fakes,
// hosted by the designer's wrapper: which members are listed, values read
// and written through the automation interface, predefined values, and an
// event named through its row and then fired.
#include <gtest/gtest.h>

#include "designer/engine/win/ZelOleControlImpl.h"
#include "designer/inspector/GlyphEditForm.h"
#include "designer/inspector/win/AxPropEditor.h"
#include "designer/inspector/InspectorUnits.h"
#include "designer/inspector/win/AxInplaceEdit.h"
#include "designer/inspector/win/AxRowSource.h"
#include "designer/inspector/win/ObjectInspector.h"
#include "designer/support/win/CommonPropEditors.h"
#include "designer/support/win/AxDispatch.h"
#include "designer/support/win/FDesigner.h"
#include "framework/controls/ModalHook.h"
#include "framework/graphics/OleGraphics.h"
#include "framework/rtl/win/WideText.h"
#include "tests/common/win/Pump.h"
#include "tests/fakes/FakeAxControl.h"

namespace {

// Knows the handlers it created and counts modifications.
class TRecordingDesigner : public TFDesigner {
public:
    std::vector<std::string> Methods, Shown;
    int Modifications = 0;
    void NotifyModified() override { ++Modifications; }
    TMethod CreateEventMethod(const std::string& Name, const TTypeInfo*) override {
        Methods.push_back(Name);
        TMethod M;
        M.Name = Name;
        return M;
    }
    bool EventMethodExists(const std::string& Name) override {
        return std::find(Methods.begin(), Methods.end(), Name) != Methods.end();
    }
    void ShowEventMethod(const std::string& Name) override { Shown.push_back(Name); }
};

class AxRowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        OleInitialize(nullptr);
        ASSERT_TRUE(RegisterFakeAxControl());
        Form = new TForm(nullptr);
        Gauge = new TZelOLEControl(Form, CLSID_FakeGauge);
        Gauge->SetName("Gauge1");
        Gauge->SetParent(Form);
        Source = std::make_unique<TAxRowSource>(nullptr);
    }
    void TearDown() override {
        Rows.clear();
        Source.reset();
        Form->Free();
        Pump();
        OleUninitialize();
    }
    // The ActiveX rows of the control (after its own published ones).
    std::vector<std::string> Enumerate(TTypeKinds Filter) {
        Rows.clear();
        Source->EnumerateAxControl(Gauge, Source->IsOleControl(Gauge), Filter, &Designer,
                                   [&](std::unique_ptr<TPropertyEditor> E) { Rows.push_back(std::move(E)); });
        std::vector<std::string> Names;
        for (auto& R : Rows)
            if (dynamic_cast<TAxPropEditor*>(R.get())) Names.push_back(R->GetName());
        return Names;
    }
    TAxPropEditor* Row(const std::string& Name) {
        for (auto& R : Rows)
            if (auto* Ax = dynamic_cast<TAxPropEditor*>(R.get()); Ax && Ax->GetName() == Name) return Ax;
        return nullptr;
    }
    long Read(DISPID Id) {
        TOleVariant V;
        GetDispatchProperty(static_cast<IDispatch*>(Gauge->GetOleObject()), Id, V);
        return V->lVal;
    }
    std::string ControlFontName() {
        TOleVariant V;
        GetDispatchProperty(static_cast<IDispatch*>(Gauge->GetOleObject()), DISPID_FONT, V);
        TComPtr<IFont> OleFont;
        if (V.Type() != VT_DISPATCH || !V->pdispVal ||
            FAILED(V->pdispVal->QueryInterface(IID_IFont, OleFont.PutVoid())))
            return {};
        BSTR Name = nullptr;
        OleFont->get_Name(&Name);
        std::string Result = Narrow(Name);
        SysFreeString(Name);
        return Result;
    }
    TForm* Form = nullptr;
    TZelOLEControl* Gauge = nullptr;
    std::unique_ptr<TAxRowSource> Source;
    TRecordingDesigner Designer;
    std::vector<std::unique_ptr<TPropertyEditor>> Rows;
};

}  // namespace

// Hidden, read-only and "_" members are left out; the wrapper's own
// properties come first.
TEST_F(AxRowsTest, ListsTheBrowsableReadWriteMembers) {
    EXPECT_EQ(Enumerate(tkProperties), (std::vector<std::string>{"Value", "Caption", "Style", "BackColor", "Shape", "Lines"}));
    EXPECT_TRUE(Source->AxMode);
    EXPECT_TRUE(Source->IsZelControl);
    EXPECT_EQ(Source->OleControl, Gauge);
    EXPECT_EQ(Rows.front()->GetName(), "Name");
    Source->ShowActiveX = false;
    EXPECT_FALSE(Source->IsOleControl(Gauge));
}

TEST_F(AxRowsTest, ReadsAndWritesThroughAutomation) {
    Enumerate(tkProperties);
    TAxPropEditor* Value = Row("Value");
    ASSERT_NE(Value, nullptr);
    EXPECT_EQ(Value->GetValue(), "0");
    Value->SetValue("42");
    EXPECT_EQ(Read(FakeDispValue), 42);
    EXPECT_EQ(Value->GetValue(), "42");
    EXPECT_EQ(Designer.Modifications, 1);

    TAxPropEditor* Caption = Row("Caption");
    ASSERT_NE(Caption, nullptr);
    EXPECT_EQ(Caption->GetValue(), "Gauge");
    Caption->SetValue("Speed");
    EXPECT_EQ(Caption->GetValue(), "Speed");

    TAxPropEditor* Back = Row("BackColor");
    EXPECT_TRUE(Back->IsColor);
    EXPECT_TRUE(Back->GetAttributes().Contains(paValueList));
    EXPECT_EQ(Back->GetValue(), "clWhite");
    Back->SetValue("clRed");
    EXPECT_EQ(Read(FakeDispBackColor), 0x0000FF);
}

// The control's predefined texts: shown, offered, chosen ignoring case;
// a name that matches none changes nothing.
TEST_F(AxRowsTest, PredefinedValues) {
    Enumerate(tkProperties);
    TAxPropEditor* Style = Row("Style");
    ASSERT_NE(Style, nullptr);
    EXPECT_EQ(Style->GetValue(), "Flat");
    std::vector<std::string> Offered;
    Style->GetValues([&](const std::string& S) { Offered.push_back(S); });
    EXPECT_EQ(Offered, (std::vector<std::string>{"Flat", "Raised"}));
    Style->SetValue("raised");
    EXPECT_EQ(Read(FakeDispStyle), 20);
    EXPECT_EQ(Style->GetValue(), "Raised");
    try {
        Style->SetValue("Bumpy");
        ADD_FAILURE() << "no error";
    } catch (const EPropertyError& E) {
        EXPECT_EQ(E.Message, "Invalid property value");
    }
    EXPECT_EQ(Read(FakeDispStyle), 20);
}

// A font member is shown by the font editor; every change of the font
// goes straight back to the control.
TEST_F(AxRowsTest, FontRowWritesChangesBack) {
    Enumerate(tkProperties);
    TPropertyEditor* FontRow = nullptr;
    for (auto& R : Rows)
        if (dynamic_cast<TMFontProperty*>(R.get())) FontRow = R.get();
    ASSERT_NE(FontRow, nullptr);
    EXPECT_EQ(FontRow->GetName(), "Font");
    EXPECT_EQ(Source->CapturedFontEditor, FontRow);
    auto* Font = dynamic_cast<TFont*>(GetObjectProp(FontRow->GetComponent(0), "A"));
    ASSERT_NE(Font, nullptr);
    EXPECT_EQ(Font->Name(), ControlFontName());  // the face the OLE font realised
    Font->SetName("Liberation Mono");
    EXPECT_EQ(ControlFontName(), "Liberation Mono");
}

// An enumeration's constants by name; an unknown name changes nothing.
TEST_F(AxRowsTest, EnumerationNames) {
    Enumerate(tkProperties);
    TAxPropEditor* Shape = Row("Shape");
    ASSERT_NE(Shape, nullptr);
    EXPECT_TRUE(Shape->GetAttributes().Contains(paValueList));
    EXPECT_EQ(Shape->GetValue(), "gsRound");
    Shape->SetValue("gsSquare");
    EXPECT_EQ(Read(FakeDispShape), 1);
    EXPECT_EQ(Shape->GetValue(), "gsSquare");
    EXPECT_THROW(Shape->SetValue("gsOval"), EPropertyError);
    EXPECT_EQ(Read(FakeDispShape), 1);
}

// In events mode the control's events are the rows; editing one names a
// handler after component and event, attaches it to the wrapper, and the
// control's event then reaches OnOleEvent under that name.
TEST_F(AxRowsTest, EventRowNamesTheHandlerThatFires) {
    EXPECT_EQ(Enumerate(tkMethods), (std::vector<std::string>{"Changed"}));
    TAxPropEditor* Changed = Row("Changed");
    EXPECT_EQ(Changed->GetValue(), "");
    Changed->Edit();
    EXPECT_EQ(Designer.Methods, (std::vector<std::string>{"Gauge1Changed"}));
    EXPECT_EQ(Designer.Shown, (std::vector<std::string>{"Gauge1Changed"}));
    EXPECT_EQ(Gauge->GetEventHandler(FakeEventChanged), "Gauge1Changed");
    EXPECT_EQ(Changed->GetValue(), "Gauge1Changed");

    std::string Fired;
    Gauge->OnOleEvent = [&](const char* Name, int, VARIANT*, VARIANT&) { Fired = Name; };
    Enumerate(tkProperties);
    Row("Value")->SetValue("7");
    EXPECT_EQ(Fired, "Gauge1Changed");
}

// The object inspector with two wrappers selected: each control is a set
// of its own, and a member both have is one row that writes both; its
// edit is the ActiveX in-place editor. With the events filter the rows
// are the control's events.
TEST_F(AxRowsTest, InspectorJoinsTheMembersOfSelectedControls) {
    InitInspectorUnits();
    RegisterStandardPropertyEditors();
    auto* Second = new TZelOLEControl(Form, CLSID_FakeGauge);
    Second->SetName("Gauge2");
    Second->SetParent(Form);
    auto* Inspector = new TObjectInspector(Form);
    Inspector->SetBounds(0, 0, 240, 400);
    Inspector->SetParent(Form);
    Form->Show();
    Inspector->SetSelection(std::vector<TComponent*>{Gauge, Second});
    Pump();
    EXPECT_TRUE(Inspector->AxMode());
    EXPECT_EQ(Inspector->OleControl(), Second);
    EXPECT_TRUE(Inspector->InplaceEditor()->InheritsFrom(TAxInplaceEdit::StaticClass()));
    int ValueRow = -1;
    for (int I = 0; I < Inspector->InfoCount(); ++I)
        if (Inspector->Info(I).PropName == "Value") ValueRow = I;
    ASSERT_GE(ValueRow, 0);
    Inspector->CommitValue(Inspector->Info(ValueRow).PropEditor, "9");
    EXPECT_EQ(Read(FakeDispValue), 9);
    TOleVariant V;
    GetDispatchProperty(static_cast<IDispatch*>(Second->GetOleObject()), FakeDispValue, V);
    EXPECT_EQ(V->lVal, 9);

    Inspector->SetFilter(tkMethods);
    Inspector->SetSelection(std::vector<TComponent*>{Gauge});
    Pump();
    bool HasChanged = false;
    for (int I = 0; I < Inspector->InfoCount(); ++I) HasChanged |= Inspector->Info(I).PropName == "Changed";
    EXPECT_TRUE(HasChanged);
}

namespace {

// A control with one picture property, as automation sees it.
class TPictureHolder : public IDispatch {
public:
    TComPtr<IPictureDisp> Picture;
    int Puts = 0;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** Out) override { return *Out = this, S_OK; }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD Flags, DISPPARAMS* Params, VARIANT* Result,
                                     EXCEPINFO*, UINT*) override {
        if (Flags & DISPATCH_PROPERTYGET) {
            V_VT(Result) = VT_DISPATCH;
            V_DISPATCH(Result) = Picture.Get();
            if (Picture) Picture->AddRef();
            return S_OK;
        }
        ++Puts;
        Picture = TComPtr<IPictureDisp>::Attach(nullptr);
        V_DISPATCH(&Params->rgvarg[0])->QueryInterface(IID_IPictureDisp, Picture.PutVoid());
        return S_OK;
    }
    // The size of the picture held, through a framework picture.
    std::pair<int, int> Size() {
        TPicture P;
        SetOlePicture(&P, Picture.Get());
        return {P.Width(), P.Height()};
    }
};

TComPtr<IPictureDisp> OlePictureOfSize(int Width, int Height) {
    TPicture P;
    P.Bitmap()->SetSize(Width, Height);
    TComPtr<IPictureDisp> Ole;
    GetOlePicture(&P, Ole.Put());
    return Ole;
}

}  // namespace

// The picture editor opens on the control's picture: OK puts the edited
// picture back, Cancel the one that was read.
TEST(AxPictureEdit, OkPutsTheEditedPictureCancelTheOneRead) {
    InitInspectorUnits();
    TPictureHolder Control;
    Control.Picture = OlePictureOfSize(4, 3);
    TAxPropEditor Editor(nullptr, 1);
    Editor.MemberName = "Picture";
    Editor.DispID = DISPID_PICTURE;
    Editor.IsPicture = true;
    Editor.AutoDispatch = TComPtr<IDispatch>::Share(&Control);
    ASSERT_TRUE(Editor.GetAttributes().Contains(paDialog));

    int Answer = 1;
    std::string Caption;
    std::pair<int, int> Shown;
    const TModalDialogHook Old = SetModalDialogHook([&](const TDialogRequest& R) -> std::optional<int> {
        auto* Form = dynamic_cast<TGlyphEditForm*>(R.Form);
        if (!Form) return std::nullopt;
        Caption = Form->Caption();
        Shown = {Form->Image->Picture()->Width(), Form->Image->Picture()->Height()};
        Form->Image->Picture()->Bitmap()->SetSize(Answer == 1 ? 7 : 9, Answer == 1 ? 5 : 9);
        return Answer;
    });
    Editor.Edit();
    EXPECT_EQ(Caption, ".Picture");
    EXPECT_EQ(Shown, std::make_pair(4, 3));
    EXPECT_EQ(Control.Size(), std::make_pair(7, 5));

    Answer = 2;
    Editor.Edit();
    SetModalDialogHook(Old);
    EXPECT_EQ(Control.Puts, 2);
    EXPECT_EQ(Control.Size(), std::make_pair(7, 5));
}
