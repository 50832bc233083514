#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "framework/classes/ClassRegistry.h"

namespace {

class TResourceForm : public TForm {
    QRN_CLASS(TResourceForm, TForm)
public:
    explicit TResourceForm(TComponent* AOwner) : TForm(AOwner) { ReadFormResource("RESOURCEFORM"); }
    TProbeControl* Probe1 = nullptr;
    TProbeGraphic* Shape1 = nullptr;
    int Created = 0;
    std::vector<TObject*> Clicked;
    void FormCreate(TObject*) { ++Created; }
    void Probe1Click(TObject* Sender) { Clicked.push_back(Sender); }
};

}  // namespace

QRN_PUBLISHED(TResourceForm) {
    B.Field("Probe1", &TResourceForm::Probe1);
    B.Field("Shape1", &TResourceForm::Shape1);
    B.Handler("FormCreate", &TResourceForm::FormCreate);
    B.Handler("Probe1Click", &TResourceForm::Probe1Click);
}

TEST(ResourceForm, PropertiesComponentsAndEventsComeFromTheResource) {
    RegisterClasses({TProbeControl::StaticClass(), TProbeGraphic::StaticClass()});
    auto* F = new TResourceForm(nullptr);
    EXPECT_EQ(F->Created, 1);
    EXPECT_EQ(F->Caption(), "From resource");
    EXPECT_TRUE(F->KeyPreview());
    ASSERT_NE(F->Probe1, nullptr);
    ASSERT_NE(F->Shape1, nullptr);
    EXPECT_EQ(F->Probe1->Parent(), F);
    EXPECT_EQ(F->Probe1->Owner(), F);
    EXPECT_EQ(F->Probe1->Color(), clYellow);
    EXPECT_EQ(F->Probe1->Caption(), "probe");
    EXPECT_EQ(F->Shape1->Hint(), "a shape|the long help");
    F->Show();
    Pump();
    EXPECT_EQ(F->ClientWidth(), 220);
    EXPECT_EQ(F->ClientHeight(), 110);
    // The stored active control is a reference fixed up after reading;
    // showing the form focuses it.
    EXPECT_EQ(F->ActiveControl(), F->Probe1);
    EXPECT_TRUE(F->Probe1->Focused());
    // Both events were bound by name to the same handler.
    F->Probe1->Click();
    SendMessageA(F->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Pt(85, 12));
    SendMessageA(F->Handle(), WM_LBUTTONUP, 0, Pt(85, 12));
    ASSERT_EQ(F->Clicked.size(), 2u);
    EXPECT_EQ(F->Clicked[0], F->Probe1);
    EXPECT_EQ(F->Clicked[1], F->Shape1);
    EXPECT_EQ(F->Probe1->OnClick.Name, "Probe1Click");
    F->Free();
    Pump();
}

TEST(PublishedProperties, ControlsShowNamedValuesToTheInspector) {
    auto* F = new TForm(nullptr);
    EXPECT_EQ(GetPropValue(F, "Color"), "clBtnFace");
    SetPropValue(F, "Color", "clAqua");
    EXPECT_EQ(F->Color(), clAqua);
    SetPropValue(F, "BorderStyle", "bsDialog");
    EXPECT_EQ(F->BorderStyle(), bsDialog);
    SetPropValue(F, "Font.Style", "[fsBold,fsItalic]");
    EXPECT_EQ(F->Font()->Style(), (TFontStyles{fsBold, fsItalic}));
    EXPECT_EQ(GetPropValue(F, "Font.Style"), "[fsBold,fsItalic]");
    EXPECT_EQ(GetPropValue(F, "Cursor"), "crDefault");
    SetPropValue(F, "Cursor", "crHandPoint");
    EXPECT_EQ(F->Cursor(), crHandPoint);
    EXPECT_EQ(GetPropValue(F, "DragCursor"), "crDrag");
    EXPECT_EQ(GetPropValue(F, "DragMode"), "dmManual");
    const TPropInfo* Caption = GetPropInfo(F, "Caption");
    ASSERT_NE(Caption, nullptr);
    EXPECT_TRUE(Caption->PropType->IsA(QRN_TYPE(TCaption)));
    EXPECT_TRUE(GetPropInfo(F, "Color")->PropType->IsA(QRN_TYPE(TColor)));
    EXPECT_NE(GetPropInfo(F, "OnClose"), nullptr);
    EXPECT_NE(GetPropInfo(F, "TabOrder"), nullptr);
    F->Free();
}
