// The rows the designer's properties inspector shows for the window and
// the standard palette's controls, with the property names the designer
// host hides left out: every row becomes a symbol of the generated code,
// so the set of rows and their value texts are pinned here.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "UiTestSupport.h"
#include "framework/design/PropEdits.h"
#include "framework/stdctrls/ExtCtrls.h"
#include "framework/stdctrls/ListCtrls.h"
#include "framework/stdctrls/StdCtrls.h"
#include "tests/framework/design/FakeDesigner.h"

namespace {

// The names the designer host never shows.
const std::set<std::string> HiddenNames = {
    "Align", "Alignment", "BevelWidth", "BorderWidth", "FullRepaint", "Locked", "ParentColor", "ParentShowHint",
    "Items", "TabStop", "TabOrder", "Cancel", "DragCursor", "DragMode", "ModalResult", "bsSizeToolWin",
    "bsToolWindow", "biHelp", "Font", "Tag", "ActiveControl", "ClientHeight", "ClientWidth", "HelpContext",
    "HelpFile", "Hint", "WindowState", "HorzScrollBar", "Increment", "Margin", "Position", "Range", "Tracking",
    "AutoScroll", "Icon", "KeyPreview", "Menu", "ObjectMenuItem", "ParentFont", "PixelsPerInch", "PopupMenu",
    "PrintScale", "Scaled", "ShowHint", "VertScrollBar", "WindowMenu"};

// The standard editors, registered the way the designer library does.
void RegisterStandardEditors() {
    const auto Reg = [](const TTypeInfo* T, TPropertyEditorClass E) { RegisterPropertyEditor(T, nullptr, "", E); };
    Reg(TTypeInfoOf<TObject*>::Get(), PropertyEditorClass<TClassProperty>());
    Reg(TTypeInfoOf<TComponent*>::Get(), PropertyEditorClass<TComponentProperty>());
    Reg(TTypeInfoOf<int>::Get(), PropertyEditorClass<TIntegerProperty>());
    Reg(TTypeInfoOf<char>::Get(), PropertyEditorClass<TCharProperty>());
    Reg(TTypeInfoOf<std::string>::Get(), PropertyEditorClass<TStringProperty>());
    Reg(QRN_TYPE(TColor), PropertyEditorClass<TColorProperty>());
    Reg(TTypeInfoOf<TFont*>::Get(), PropertyEditorClass<TFontProperty>());
    Reg(QRN_TYPE(TCursor), PropertyEditorClass<TCursorProperty>());
    Reg(QRN_TYPE(TCaption), PropertyEditorClass<TCaptionProperty>());
    Reg(QRN_TYPE(TFontName), PropertyEditorClass<TFontNameProperty>());
    Reg(QRN_TYPE(TModalResult), PropertyEditorClass<TModalResultProperty>());
    Reg(QRN_TYPE(TShortCut), PropertyEditorClass<TShortCutProperty>());
    Reg(QRN_TYPE(TComponentName), PropertyEditorClass<TComponentNameProperty>());
    Reg(QRN_TYPE(TTabOrder), PropertyEditorClass<TTabOrderProperty>());
    Reg(QRN_TYPE(TDateTime), PropertyEditorClass<TDateTimeProperty>());
    Reg(QRN_TYPE(TFontCharset), PropertyEditorClass<TFontCharsetProperty>());
    Reg(QRN_TYPE(TImeName), PropertyEditorClass<TImeNameProperty>());
    Reg(QRN_TYPE(TDate), PropertyEditorClass<TDateProperty>());
    Reg(QRN_TYPE(TTime), PropertyEditorClass<TTimeProperty>());
}

std::vector<std::pair<std::string, std::string>> RowsOf(TComponent* C, TFormDesigner* Designer) {
    TDesignerSelectionList List;
    List.Add(C);
    std::vector<std::pair<std::string, std::string>> Rows;
    GetComponentProperties(List, tkProperties, Designer, [&](std::unique_ptr<TPropertyEditor> E) {
        if (!HiddenNames.count(E->GetName())) Rows.emplace_back(E->GetName(), E->GetValue());
    });
    return Rows;
}

}  // namespace

TEST(InspectorRows, WindowAndStandardControls) {
    const int Group = NewEditorGroup();
    RegisterStandardEditors();
    std::unique_ptr<TForm, TObjectFree> Form(new TForm(nullptr));
    Form->SetName("Window1");
    Form->SetCaption("Main Window");
    TFakeDesigner Designer;
    Designer.Root = Form.get();

    std::vector<TComponent*> Components{Form.get()};
    int Top = 8;
    const auto Add = [&](TControl* C, const std::string& Name) {
        C->SetParent(Form.get());
        C->SetName(Name);
        C->SetBounds(8, Top, 100, 24);
        Top += 30;
        Components.push_back(C);
    };
    auto* L = new TLabel(Form.get());
    L->SetAutoSize(false);  // its size would follow the font's metrics
    Add(L, "Label1");
    Add(new TEdit(Form.get()), "Edit1");
    Add(new TMemo(Form.get()), "Memo1");
    Add(new TButton(Form.get()), "Button1");
    Add(new TCheckBox(Form.get()), "CheckBox1");
    Add(new TRadioButton(Form.get()), "RadioButton1");
    Add(new TListBox(Form.get()), "ListBox1");
    Add(new TComboBox(Form.get()), "ComboBox1");
    Add(new TScrollBar(Form.get()), "ScrollBar1");
    Add(new TGroupBox(Form.get()), "GroupBox1");
    Add(new TRadioGroup(Form.get()), "RadioGroup1");
    Add(new TPanel(Form.get()), "Panel1");

    std::ostringstream Text;
    for (TComponent* C : Components) {
        Text << C->ClassName() << "\n";
        std::map<std::string, std::string> Named;
        for (const auto& [Name, Value] : RowsOf(C, &Designer)) {
            Text << "  " << Name << " = " << Value << "\n";
            EXPECT_TRUE(Named.emplace(Name, Value).second) << C->ClassName() << " shows " << Name << " twice";
        }
        // The rows the generated code's symbols are made of.
        std::vector<std::string> Needed{"Left", "Top", "Width", "Height"};
        const bool IsForm = C == Form.get();
        if (IsForm) Needed.insert(Needed.end(), {"Caption", "Color", "Cursor", "BorderIcons", "Ctl3D"});
        else Needed.push_back("Visible");
        if (!IsForm && !C->ClassNameIs("TButton") && !C->ClassNameIs("TLabel")) Needed.push_back("Ctl3D");
        for (const std::string& N : Needed) EXPECT_TRUE(Named.count(N)) << C->ClassName() << " lacks " << N;
        const bool HasText = C->ClassNameIs("TEdit") || C->ClassNameIs("TComboBox");
        const bool NoCaption = HasText || C->ClassNameIs("TMemo") || C->ClassNameIs("TListBox") || C->ClassNameIs("TScrollBar");
        EXPECT_EQ(Named.count("Text"), HasText ? 1u : 0u) << C->ClassName();
        EXPECT_EQ(Named.count("Caption"), NoCaption ? 0u : 1u) << C->ClassName();
        const bool OwnCtl3D = C->ClassNameIs("TButton") || C->ClassNameIs("TLabel");  // the generated code defines it
        EXPECT_FALSE(OwnCtl3D && (Named.count("Ctl3D") || Named.count("ParentCtl3D"))) << C->ClassName();
    }
    FreeEditorGroup(Group);

    const std::string Golden = QRN_SOURCE_DIR "/tests/framework/ui/data/InspectorRows.txt";
    std::ifstream In(Golden, std::ios::binary);
    std::stringstream Expected;
    Expected << In.rdbuf();
    if (Expected.str() != Text.str()) {
        std::ofstream("InspectorRows.actual.txt", std::ios::binary) << Text.str();
        ADD_FAILURE() << "rows differ from " << Golden << "; see InspectorRows.actual.txt:\n" << Text.str();
    }
}
