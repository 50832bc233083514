#include <gtest/gtest.h>

#include "designer/inspector/InspectorUnits.h"
#include "designer/inspector/win/InspectorGlobalOptions.h"
#include "designer/inspector/win/OInplaceEdit.h"
#include "designer/inspector/win/ObjectInspector.h"
#include "designer/support/win/CommonPropEditors.h"
#include "framework/controls/ScreenCapture.h"
#include "framework/rtl/StrUtils.h"
#include "framework/stdctrls/ExtCtrls.h"
#include "framework/stdctrls/StdCtrls.h"
#include "tests/common/win/KeyInput.h"
#include "tests/common/win/ProgramFolder.h"
#include "tests/common/win/Pump.h"
#include "tests/designer/support/win/DesignerKey.h"

namespace {

class ObjectInspectorTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitInspectorUnits();
        RegisterStandardPropertyEditors();
        Form = new TForm(nullptr);
        Form->SetBounds(40, 40, 300, 460);
        Button = new TButton(Form);
        Button->SetName("Button1");
        Button->SetCaption("OK");
        Button->SetParent(Form);
        Inspector = new TObjectInspector(Form);
        Inspector->SetBounds(0, 0, 240, 420);
        Inspector->SetParent(Form);
        Form->Show();
        Pump();
    }
    void TearDown() override {
        Form->Free();
        Pump();
    }
    void Select(std::initializer_list<TComponent*> Items) {
        Inspector->SetSelection(std::vector<TComponent*>(Items));
        Pump();
    }
    std::vector<std::string> RowNames() {
        std::vector<std::string> Names;
        for (int I = 0; I < Inspector->InfoCount(); ++I) Names.push_back(Inspector->Info(I).DisplayName);
        return Names;
    }
    int RowOf(const std::string& Name) {
        for (int I = 0; I < Inspector->InfoCount(); ++I)
            if (Inspector->Info(I).PropName == Name) return I;
        return -1;
    }
    HWND EditHandle() { return static_cast<TWinControl*>(Inspector->InplaceEditor()->Edit())->Handle(); }
    void Type(const std::string& Text) {
        for (char C : Text) {
            PostMessageA(EditHandle(), WM_CHAR, static_cast<WPARAM>(C), 1);
            Pump();
        }
    }
    void ClickAt(int X, int Y, bool Double = false) {
        const LPARAM At = MAKELPARAM(X, Y);
        PostMessageA(Inspector->Handle(), Double ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, MK_LBUTTON, At);
        PostMessageA(Inspector->Handle(), WM_LBUTTONUP, 0, At);
        Pump();
    }
    int RowMiddle(int Row) {
        const TRect R = Inspector->CellRect(0, Row);
        return (R.Top + R.Bottom) / 2;
    }

    TForm* Form = nullptr;
    TButton* Button = nullptr;
    TObjectInspector* Inspector = nullptr;
};

// What OnGetCellParams saw, one entry per call.
struct TCellCall {
    std::string Row;
    int Column;
    TColor Color;
    bool operator==(const TCellCall&) const = default;
};

}  // namespace

TEST_F(ObjectInspectorTest, RowsOfAButtonAndOfATwoComponentSelection) {
    int Activated = 0;
    Inspector->OnActivePropertyChanged = [&](TObject*) { ++Activated; };
    Select({Button});
    EXPECT_EQ(Activated, 1);
    // No alias groups: one plain list sorted by name, "Caption" current.
    const std::vector<std::string> Names = RowNames();
    EXPECT_TRUE(std::is_sorted(Names.begin(), Names.end(),
                               [](const std::string& A, const std::string& B) { return CompareText(A, B) < 0; }));
    ASSERT_GE(RowOf("Name"), 0);
    EXPECT_EQ(Inspector->Info(Inspector->Row()).PropName, "Caption");
    EXPECT_EQ(Inspector->FirstSelected(), Button);
    EXPECT_TRUE(Inspector->InplaceEditor()->Visible());
    EXPECT_EQ(Inspector->InplaceEditor()->GetText(), "OK");

    // With an edit: only what both publish and may edit together.
    auto* Edit = new TEdit(Form);
    Edit->SetName("Edit1");
    Edit->SetParent(Form);
    Select({Button, Edit});
    EXPECT_GE(RowOf("Font"), 0);
    EXPECT_LT(RowOf("Caption"), 0);
    EXPECT_LT(RowOf("Name"), 0);
    EXPECT_LT(RowOf("Text"), 0);

    // Freeing a selected component drops it (TrackDestroy).
    Edit->Free();
    Pump();
    EXPECT_EQ(Inspector->Selection().Count(), 1);
    EXPECT_GE(RowOf("Caption"), 0);
    Button->Free();
    Button = nullptr;
    Pump();
    EXPECT_TRUE(Inspector->IsEmpty());
    EXPECT_EQ(Inspector->FirstSelected(), nullptr);
    Inspector->Repaint();
}

TEST_F(ObjectInspectorTest, TypedValueCommitsOnEnterAndAnEmptyTextOnlyOnEnter) {
    Button->SetHint("old");
    Select({Button});
    ASSERT_TRUE(Inspector->SelectProperty("Hint"));
    Pump();
    Inspector->SetFocus();
    Pump();
    ASSERT_EQ(GetFocus(), EditHandle());
    SendMessageA(EditHandle(), EM_SETSEL, 0, -1);
    Type("new");
    EXPECT_EQ(Button->Hint(), "old");
    PressKey(EditHandle(), VK_RETURN);
    EXPECT_EQ(Button->Hint(), "new");

    // Cleared and left: kept; cleared and Enter: cleared.
    SendMessageA(EditHandle(), EM_SETSEL, 0, -1);
    PressKey(EditHandle(), VK_DELETE);
    PressKey(EditHandle(), VK_DOWN);
    EXPECT_EQ(Button->Hint(), "new");
    EXPECT_NE(Inspector->Info(Inspector->Row()).PropName, "Hint");
    PressKey(EditHandle(), VK_UP);
    ASSERT_EQ(Inspector->Info(Inspector->Row()).PropName, "Hint");
    SendMessageA(EditHandle(), EM_SETSEL, 0, -1);
    PressKey(EditHandle(), VK_DELETE);
    PressKey(EditHandle(), VK_RETURN);
    EXPECT_EQ(Button->Hint(), "");

    // With oiEnterMoveDown, Enter goes on to the next row.
    Inspector->SetOptions(Inspector->Options() + TOIOptions{oiEnterMoveDown});
    const int Row = Inspector->Row();
    Type("x");
    PressKey(EditHandle(), VK_RETURN);
    EXPECT_EQ(Button->Hint(), "x");
    EXPECT_EQ(Inspector->Row(), Row + 1);
}

// A caption changes as it is typed; the change coming back from the
// designer must not select the typed text, or the next key replaces it.
TEST_F(ObjectInspectorTest, ACaptionTypedKeyByKeyKeepsEveryKey) {
    Select({Button});
    ASSERT_EQ(Inspector->Info(Inspector->Row()).PropName, "Caption");
    Inspector->SetFocus();
    Pump();
    SendMessageA(EditHandle(), EM_SETSEL, 0, -1);
    Type("Hello");
    EXPECT_EQ(Button->Caption(), "Hello");
    EXPECT_EQ(Inspector->InplaceEditor()->GetText(), "Hello");
}

TEST_F(ObjectInspectorTest, CommitRulesWithAMultiSelection) {
    auto* Second = new TButton(Form);
    Second->SetName("Button2");
    Second->SetParent(Form);
    Button->SetHint("a");
    Second->SetHint("b");
    Select({Button, Second});
    ASSERT_TRUE(Inspector->SelectProperty("Hint"));
    Pump();
    // They disagree: the editor shows nothing; the same text still goes to both.
    EXPECT_EQ(Inspector->InplaceEditor()->GetText(), "");
    TPropertyEditor* Hint = Inspector->CurrentEditor();
    Inspector->CommitValue(Hint, "a");
    EXPECT_EQ(Second->Hint(), "a");

    // A read-only property and a veto leave both unchanged.
    Inspector->ReadOnlyProps()->Add("Hint");
    Inspector->CommitValue(Hint, "x");
    EXPECT_EQ(Button->Hint(), "a");
    Inspector->ReadOnlyProps()->Clear();
    int Changed = 0;
    Inspector->OnEditProperty = [](TObject*, TPropertyEditor*, bool& Allow) { Allow = false; };
    Inspector->OnChangedPropValue = [&](TObject*, TPropertyEditor*, std::string&) { ++Changed; };
    Inspector->CommitValue(Hint, "y");
    EXPECT_EQ(Second->Hint(), "a");
    Inspector->OnEditProperty = nullptr;
    Inspector->OnChangePropValue = [](TObject*, TPropertyEditor*, std::string& V) { V += "!"; };
    Inspector->CommitValue(Hint, "z");
    EXPECT_EQ(Button->Hint(), "z!");
    EXPECT_EQ(Second->Hint(), "z!");
    EXPECT_EQ(Changed, 1);
}

TEST_F(ObjectInspectorTest, FontExpandsByItsGlyphAndCollapsesByKeypadMinus) {
    Select({Button});
    const int Font = RowOf("Font");
    ASSERT_GE(Font, 0);
    ASSERT_EQ(Inspector->Info(Font).ExpandState, 2);
    Inspector->SetTopRow(Font);
    Pump();
    ClickAt(5, RowMiddle(Font));
    ASSERT_EQ(Inspector->Info(Font).ExpandState, 1);
    EXPECT_EQ(Inspector->Info(Font + 1).Level, 1);
    EXPECT_EQ(Inspector->PathName(Font + 1).rfind("Font.", 0), 0u);
    const int Color = RowOf("Color");
    EXPECT_GE(Color, 0);

    // Ctrl + keypad minus on the current row closes it.
    ClickAt(100, RowMiddle(Font));
    ASSERT_EQ(Inspector->Row(), Font);
    PressKey(GetFocus(), VK_SUBTRACT, kmCtrl);
    EXPECT_EQ(Inspector->Info(Font).ExpandState, 2);
    EXPECT_EQ(Inspector->Info(Font + 1).Level, 0);

    // A double click on the name opens it again; a rebuild keeps it open.
    ClickAt(100, RowMiddle(Font));
    ClickAt(40, RowMiddle(Font), true);
    ASSERT_EQ(Inspector->Info(Font).ExpandState, 1);
    Inspector->RebuildRows();
    EXPECT_EQ(Inspector->Info(RowOf("Font")).ExpandState, 1);
}

TEST_F(ObjectInspectorTest, SplitterIsClampedAndNeverInverts) {
    Select({Button});
    const int Border = Inspector->ColWidths(0);
    const int Width = Inspector->ClientWidth();
    int Moved = -1;
    Inspector->OnSplitterMoved = [&](TObject*, int X) { Moved = X; };
    auto Drag = [&](int From, int To) {
        PostMessageA(Inspector->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(From, 5));
        PostMessageA(Inspector->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(To, 5));
        PostMessageA(Inspector->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(To, 5));
        Pump();
    };
    Drag(Border, 2);
    EXPECT_EQ(Inspector->ColWidths(0), 40);
    EXPECT_EQ(Moved, 40);
    Drag(40, Width + 50);
    EXPECT_EQ(Inspector->ColWidths(0), Width - 40);
    EXPECT_EQ(Inspector->ColWidths(0) + Inspector->ColWidths(1) + 2, Width);
    // Narrower than both margins: the middle, not an inverted range.
    EXPECT_EQ(ClampSplitter(0, 60), 30);
    EXPECT_EQ(ClampSplitter(59, 60), 30);
    EXPECT_EQ(ClampSplitter(100, 200), 100);
}

TEST_F(ObjectInspectorTest, FormatAllCellsMakesTheCallsOfAFullPaint) {
    Inspector->Aliases()->SetText("[Look]\r\nCaption\r\nColor\r\n[Place]\r\nLeft\r\nTop\r\n");
    Select({Button});
    ASSERT_TRUE(Inspector->Info(0).IsGroup);
    std::vector<TCellCall> Calls;
    Inspector->OnGetCellParams = [&](TObject*, TPropertyEditor* E, int Column, TFont* Font) {
        Calls.push_back({E ? E->GetName() : "<group>", Column, Font->Color()});
    };
    Inspector->SetTopRow(0);
    Inspector->SetDefaultRowHeight(1);
    Calls.clear();
    Inspector->Repaint();
    const std::vector<TCellCall> Painted = Calls;
    ASSERT_EQ(Painted.size(), static_cast<size_t>(2 * Inspector->InfoCount()));
    EXPECT_EQ(Painted.front(), (TCellCall{"<group>", 0, Inspector->GroupFont()->Color()}));
    EXPECT_EQ(Painted[1], (TCellCall{"<group>", 1, Inspector->Colors()->BackColor()}));

    Calls.clear();
    Inspector->FormatAllCells();
    EXPECT_EQ(Calls, Painted);
    // Hidden, it still formats every row; nothing paints.
    Inspector->SetVisible(false);
    Pump();
    Calls.clear();
    Inspector->FormatAllCells();
    EXPECT_EQ(Calls, Painted);
}

TEST_F(ObjectInspectorTest, OptionsRoundTripThroughTheRegistryAsADword) {
    TDesignerScratchKey Key;
    std::unique_ptr<TInspectorOptions, TObjectFree> Saved(new TInspectorOptions());
    Saved->SetDefaults();
    Saved->SaveToRegistry();
    TRegistry& Reg = Key.Open("Inspector");
    DWORD Type = 0, Value = 0, Size = sizeof(Value);
    ASSERT_EQ(RegQueryValueExA(Reg.CurrentKey(), "Options", nullptr, &Type, reinterpret_cast<BYTE*>(&Value), &Size),
              ERROR_SUCCESS);
    EXPECT_EQ(Type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(Value, 0x31CFu);  // the default set, bit n = element n
    EXPECT_EQ(Reg.ReadInteger("Style"), 0);

    Saved->SetOptions({oiUseGroups, oiTabMoveDown});
    Saved->SetStyle(isVB);
    Saved->HiddenProps()->SetText("Tag\r\n");
    Saved->SaveToRegistry();
    std::unique_ptr<TInspectorOptions, TObjectFree> Loaded(new TInspectorOptions());
    Loaded->SetDefaults();
    Loaded->LoadFromRegistry();
    EXPECT_EQ(Loaded->Options(), (TOIOptions{oiUseGroups, oiTabMoveDown}));
    EXPECT_EQ(Loaded->Style(), isVB);
    EXPECT_EQ(Loaded->HiddenProps()->Text(), "Tag\r\n");
    EXPECT_EQ(Loaded->Aliases()->Text(), Saved->Aliases()->Text());

    // Only inspectors that use the global options follow them.
    auto* Other = new TObjectInspector(Form);
    Other->SetParent(Form);
    Inspector->SetUseGlobalOptions(true);
    TInspectorOptions::Global()->SetStyle(isVB);
    EXPECT_EQ(Inspector->Style(), isVB);
    EXPECT_EQ(Inspector->Color(), clWindow);
    EXPECT_EQ(Other->Style(), isOstrel);
    TInspectorOptions::Global()->SetStyle(isOstrel);
}

namespace {

// Stands for a run of equal names: reads the first, writes all.
class TTestGroupEditor : public TPropertyEditor {
public:
    TTestGroupEditor(std::vector<TPropertyEditor*> Members, int& Alive)
        : TPropertyEditor(nullptr, 1), FMembers(std::move(Members)), FAlive(Alive) {
        SetPropEntry(0, FMembers.front()->GetComponent(0), FMembers.front()->GetPropInfo());
        ++FAlive;
    }
    ~TTestGroupEditor() override { --FAlive; }
    std::string GetName() override { return FMembers.front()->GetName(); }
    std::string GetValue() override { return FMembers.front()->GetValue(); }
    void SetValue(const std::string& V) override {
        for (TPropertyEditor* E : FMembers) E->SetValue(V);
    }
    TPropertyAttributes GetAttributes() override { return {paMultiSelect}; }
    bool ValueAvailable() override { return true; }
    bool AllEqual() override { return true; }

private:
    std::vector<TPropertyEditor*> FMembers;
    int& FAlive;
};

// Treats one chosen component as an ActiveX control of its own set.
class TTestAxInspector : public TCustomAxInspector {
public:
    using TCustomAxInspector::TCustomAxInspector;
    TComponent* Ax = nullptr;
    int Alive = 0;
    bool IsOleControl(TComponent* C) override { return C == Ax; }
    std::unique_ptr<TPropertyEditor> CreateGroupEditor(const std::vector<TPropertyEditor*>& Run) override {
        return std::make_unique<TTestGroupEditor>(Run, Alive);
    }
};

}  // namespace

TEST_F(ObjectInspectorTest, CustomOrderAndSetsOfEditorsJoinedByName) {
    auto* Ax = new TTestAxInspector(Form);
    Ax->SetBounds(0, 0, 240, 400);
    Ax->SetParent(Form);
    Ax->SetOptions(Ax->Options() - TOIOptions{oiUseGroups});
    Ax->PropOrder()->SetText("Width\r\nHeight\r\n");
    Ax->SetCustomSort(true);
    Ax->SetSelection(std::vector<TComponent*>{Button});
    ASSERT_GE(Ax->InfoCount(), 4);
    EXPECT_EQ(Ax->Info(0).PropName, "Width");
    EXPECT_EQ(Ax->Info(1).PropName, "Height");
    for (int I = 3; I < Ax->InfoCount(); ++I)
        EXPECT_LT(Ax->Info(I - 1).PropName, Ax->Info(I).PropName);  // by character codes
    Ax->SetOnCompare([](TObject*, TPropertyEditor* A, TPropertyEditor* B, int& Compare) {
        if (A->GetName() == "Tag")
            Compare = -1;
        else if (B->GetName() == "Tag")
            Compare = 1;
    });
    EXPECT_EQ(Ax->Info(0).PropName, "Tag");

    // An "ActiveX" button and a plain one: two sets, names both have, in
    // the order they first came, each through one group editor.
    auto* Second = new TButton(Form);
    Second->SetName("Button2");
    Second->SetParent(Form);
    Ax->SetOnCompare(nullptr);
    Ax->SetCustomSort(false);
    Ax->SetOptions(Ax->Options() + TOIOptions{oiUnSorted});
    Ax->Ax = Button;
    Ax->SetSelection(std::vector<TComponent*>{Button, Second});
    ASSERT_GT(Ax->InfoCount(), 0);
    EXPECT_EQ(Ax->Alive, Ax->InfoCount());
    const int Hint = [&] {
        for (int I = 0; I < Ax->InfoCount(); ++I)
            if (Ax->Info(I).PropName == "Hint") return I;
        return -1;
    }();
    ASSERT_GE(Hint, 0);
    Ax->CommitValue(Ax->Info(Hint).PropEditor, "both");
    EXPECT_EQ(Button->Hint(), "both");
    EXPECT_EQ(Second->Hint(), "both");
    // Each rebuild frees the group editors of the last one.
    Ax->RebuildRows();
    EXPECT_EQ(Ax->Alive, Ax->InfoCount());
    Ax->SetSelection(std::vector<TComponent*>{});
    EXPECT_EQ(Ax->Alive, 0);
}

TEST_F(ObjectInspectorTest, RowsAreAsHighAsTheFontsLettersAndThreePixels) {
    Inspector->Font()->SetSize(14);
    Inspector->SetBounds(0, 0, 240, 400);
    Pump();
    HDC DC = GetDC(Inspector->Handle());
    HGDIOBJ Old = SelectObject(DC, Inspector->Font()->Handle());
    SIZE Extent{};
    const char Letters[] = "QWERTYUIOPASDFGHJKLZXCVBNM";
    GetTextExtentPoint32A(DC, Letters, static_cast<int>(sizeof(Letters) - 1), &Extent);
    SelectObject(DC, Old);
    ReleaseDC(Inspector->Handle(), DC);
    EXPECT_EQ(Inspector->DefaultRowHeight(), Extent.cy + 3);
}

TEST_F(ObjectInspectorTest, AFreedFontLeavesTheSelection) {
    auto* Font = new TFont();
    Inspector->SetSelection(TDesignerSelectionList{});
    TDesignerSelectionList List;
    List.Add(Font);
    Inspector->SetSelection(List);
    Pump();
    EXPECT_GE(RowOf("Size"), 0);
    Font->Free();
    Pump();
    EXPECT_TRUE(Inspector->IsEmpty());
    EXPECT_EQ(Inspector->Selection().Count(), 0);
}

TEST_F(ObjectInspectorTest, APictureRowShowsItsTextAndEditsInAPlainEdit) {
    auto* Image = new TImage(Form);
    Image->SetName("Image1");
    Image->SetParent(Form);
    Image->SetBounds(244, 8, 40, 40);
    Select({Image});
    const int Row = RowOf("Picture");
    ASSERT_GE(Row, 0);
    Inspector->Repaint();
    Pump();
    // Text in the value cell, where the painter showed an empty picture.
    const TRect Cell = Inspector->CellRect(1, Row);
    HDC DC = GetDC(Inspector->Handle());
    const COLORREF Back = GetPixel(DC, Cell.Right - 2, Cell.Top + 2);
    int Ink = 0;
    for (int Y = Cell.Top + 1; Y < Cell.Bottom - 1; ++Y)
        for (int X = Cell.Left + 2; X < Cell.Right - 2; ++X)
            if (GetPixel(DC, X, Y) != Back) ++Ink;
    ReleaseDC(Inspector->Handle(), DC);
    EXPECT_GT(Ink, 10);
    ASSERT_TRUE(Inspector->SelectProperty("Picture"));
    Pump();
    EXPECT_NE(dynamic_cast<TZelSimpleEdit*>(Inspector->InplaceEditor()->Edit()), nullptr);
}

TEST_F(ObjectInspectorTest, Screenshot) {
    Button->SetBounds(244, 8, 50, 25);
    Inspector->Aliases()->Assign(TInspectorOptions::Global()->Aliases());
    Inspector->SetOptions(Inspector->Options() + TOIOptions{oiUseGroups});
    Select({Button});
    Inspector->SetFocus();
    Pump();
    Inspector->Repaint();
    Pump();
    const std::string File = TestProgramFolder() + "ObjectInspector.png";
    CaptureWindowToFile(Form->Handle(), File, false);
    EXPECT_NE(GetFileAttributesA(File.c_str()), INVALID_FILE_ATTRIBUTES);
}
