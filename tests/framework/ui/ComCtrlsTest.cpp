#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/classes/Filer.h"
#include "framework/classes/FormText.h"
#include "framework/rtl/Streams.h"
#include "framework/comctrls/ComCtrls.h"
#include "framework/controls/ScreenCapture.h"
#include "framework/rtl/win/WinApi.h"
#include "framework/stdctrls/ExtCtrls.h"
#include "framework/stdctrls/ListCtrls.h"
#include "framework/stdctrls/StdCtrls.h"
#include "tests/common/FormAsText.h"
#include "tests/common/win/ProgramFolder.h"

#include <commctrl.h>

namespace {

class TComCtrlsForm : public TForm {
    QRN_CLASS(TComCtrlsForm, TForm)
public:
    explicit TComCtrlsForm(TComponent* AOwner) : TForm(AOwner) {
        RegisterComCtrls();
        ReadFormResource("COMCTRLSFORM");
    }
    TPageControl* Pages = nullptr;
    TTabSheet* SheetOne = nullptr;
    TTabSheet* SheetTwo = nullptr;
    TTabSheet* SheetHidden = nullptr;
    TTabControl* Tabs = nullptr;
    TListView* List = nullptr;
    TStatusBar* Status = nullptr;

    int PagesChanges = 0, PagesAsked = 0, TabsChanges = 0, TabsAsked = 0;
    bool AllowPages = true, AllowTabs = true;
    int Editings = 0, Editeds = 0, DblClicks = 0;
    bool AllowEdit = true;
    std::string EditedText, Replacement;
    std::vector<uint16_t> Keys;

    void PagesChange(TObject*) { ++PagesChanges; }
    void PagesChanging(TObject*, bool& Allow) {
        ++PagesAsked;
        Allow = AllowPages;
    }
    void TabsChange(TObject*) { ++TabsChanges; }
    void TabsChanging(TObject*, bool& Allow) {
        ++TabsAsked;
        Allow = AllowTabs;
    }
    void ListEditing(TObject*, TListItem*, bool& Allow) {
        ++Editings;
        Allow = AllowEdit;
    }
    void ListEdited(TObject*, TListItem*, std::string& S) {
        ++Editeds;
        EditedText = S;
        if (!Replacement.empty()) S = Replacement;
    }
    void ListDblClick(TObject*) { ++DblClicks; }
    void ListKeyDown(TObject*, uint16_t& Key, TShiftState) { Keys.push_back(Key); }
};

}  // namespace

QRN_PUBLISHED(TComCtrlsForm) {
    B.Field("Pages", &TComCtrlsForm::Pages);
    B.Field("SheetOne", &TComCtrlsForm::SheetOne);
    B.Field("SheetTwo", &TComCtrlsForm::SheetTwo);
    B.Field("SheetHidden", &TComCtrlsForm::SheetHidden);
    B.Field("Tabs", &TComCtrlsForm::Tabs);
    B.Field("List", &TComCtrlsForm::List);
    B.Field("Status", &TComCtrlsForm::Status);
    B.Handler("PagesChange", &TComCtrlsForm::PagesChange);
    B.Handler("PagesChanging", &TComCtrlsForm::PagesChanging);
    B.Handler("TabsChange", &TComCtrlsForm::TabsChange);
    B.Handler("TabsChanging", &TComCtrlsForm::TabsChanging);
    B.Handler("ListEditing", &TComCtrlsForm::ListEditing);
    B.Handler("ListEdited", &TComCtrlsForm::ListEdited);
    B.Handler("ListDblClick", &TComCtrlsForm::ListDblClick);
    B.Handler("ListKeyDown", &TComCtrlsForm::ListKeyDown);
}

namespace {

class ComCtrlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        F = new TComCtrlsForm(nullptr);
        F->Show();
        Pump();
    }
    void TearDown() override {
        F->Free();
        Pump();
    }
    TComCtrlsForm* F = nullptr;
};

// Clicks the middle of a tab as the user would.
void ClickTab(HWND Tab, int Index) {
    RECT R{};
    ASSERT_TRUE(SendMessageA(Tab, TCM_GETITEMRECT, Index, reinterpret_cast<LPARAM>(&R)));
    const LPARAM P = Pt((R.left + R.right) / 2, (R.top + R.bottom) / 2);
    SendMessageA(Tab, WM_LBUTTONDOWN, MK_LBUTTON, P);
    SendMessageA(Tab, WM_LBUTTONUP, 0, P);
    Pump();
}

std::string TabText(HWND Tab, int Index) {
    char Buf[128] = {};
    TCITEMA It{};
    It.mask = TCIF_TEXT;
    It.pszText = Buf;
    It.cchTextMax = sizeof(Buf);
    SendMessageA(Tab, TCM_GETITEMA, Index, reinterpret_cast<LPARAM>(&It));
    return Buf;
}

std::string ItemText(HWND List, int Item, int Sub) {
    char Buf[128] = {};
    LVITEMA It{};
    It.iSubItem = Sub;
    It.pszText = Buf;
    It.cchTextMax = sizeof(Buf);
    SendMessageA(List, LVM_GETITEMTEXTA, Item, reinterpret_cast<LPARAM>(&It));
    return Buf;
}

TListItem* AddItem(TListView* L, const std::string& Caption, const std::string& Size) {
    TListItem* It = L->Items()->Add();
    It->SetCaption(Caption);
    It->SubItems()->Add(Size);
    return It;
}

// Starts editing, types Text into the edit box and ends with Enter.
bool EditAndEnter(TListView* L, int Index, const std::string& Text) {
    if (!L->Items()->Item(Index)->EditCaption()) return false;
    HWND Edit = reinterpret_cast<HWND>(SendMessageA(L->Handle(), LVM_GETEDITCONTROL, 0, 0));
    if (!Edit) return false;
    SendMessageA(Edit, EM_SETSEL, 0, -1);
    for (char C : Text) SendMessageA(Edit, WM_CHAR, static_cast<unsigned char>(C), 1);
    SendMessageA(Edit, WM_KEYDOWN, VK_RETURN, 1);
    SendMessageA(Edit, WM_KEYUP, VK_RETURN, 0xC0000001);
    Pump();
    return true;
}

}  // namespace

TEST_F(ComCtrlsTest, PageControlSheetsComeFromTheStreamInOrder) {
    ASSERT_NE(F->Pages, nullptr);
    ASSERT_EQ(F->Pages->PageCount(), 3);
    EXPECT_EQ(F->Pages->Pages(0), F->SheetOne);
    EXPECT_EQ(F->Pages->Pages(2), F->SheetHidden);
    EXPECT_EQ(F->SheetOne->Parent(), F->Pages);
    EXPECT_EQ(F->SheetTwo->PageIndex(), 1);
    EXPECT_EQ(F->Pages->ActivePage(), F->SheetTwo);
    HWND Tab = F->Pages->Handle();
    // The hidden sheet has no tab.
    EXPECT_EQ(SendMessageA(Tab, TCM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(TabText(Tab, 0), "First");
    EXPECT_EQ(TabText(Tab, 1), "Second");
    EXPECT_EQ(SendMessageA(Tab, TCM_GETCURSEL, 0, 0), 1);
    EXPECT_TRUE(IsWindowVisible(F->SheetTwo->Handle()));
    EXPECT_FALSE(F->SheetOne->Visible());
    // The sheet fills the area inside the tabs.
    const TRect D = F->Pages->DisplayRect();
    EXPECT_EQ(F->SheetTwo->BoundsRect(), D);
    EXPECT_GT(D.Top, 10);
}

TEST_F(ComCtrlsTest, ClickingATabChangesThePageWithOneEventEach) {
    ClickTab(F->Pages->Handle(), 0);
    EXPECT_EQ(F->PagesAsked, 1);
    EXPECT_EQ(F->PagesChanges, 1);
    EXPECT_EQ(F->Pages->ActivePage(), F->SheetOne);
    EXPECT_EQ(F->Pages->ActivePageIndex(), 0);
    EXPECT_TRUE(F->SheetOne->Visible());
    EXPECT_FALSE(F->SheetTwo->Visible());
}

TEST_F(ComCtrlsTest, RefusingInOnChangingKeepsThePage) {
    F->AllowPages = false;
    ClickTab(F->Pages->Handle(), 0);
    EXPECT_EQ(F->PagesAsked, 1);
    EXPECT_EQ(F->PagesChanges, 0);
    EXPECT_EQ(F->Pages->ActivePage(), F->SheetTwo);
    EXPECT_EQ(SendMessageA(F->Pages->Handle(), TCM_GETCURSEL, 0, 0), 1);
    EXPECT_TRUE(F->SheetTwo->Visible());
}

TEST_F(ComCtrlsTest, PageControlPropertiesReachTheWindow) {
    HWND Tab = F->Pages->Handle();
    F->SheetOne->SetCaption("Renamed");
    EXPECT_EQ(TabText(Tab, 0), "Renamed");
    F->SheetHidden->SetTabVisible(true);
    EXPECT_EQ(SendMessageA(Tab, TCM_GETITEMCOUNT, 0, 0), 3);
    F->Pages->SetActivePage(F->SheetHidden);
    EXPECT_EQ(SendMessageA(Tab, TCM_GETCURSEL, 0, 0), 2);
    // Setting the page from code asks nobody.
    EXPECT_EQ(F->PagesAsked + F->PagesChanges, 0);
    F->SheetHidden->SetPageIndex(0);
    EXPECT_EQ(TabText(F->Pages->Handle(), 0), "Hidden");
    EXPECT_EQ(SendMessageA(Tab, TCM_GETCURSEL, 0, 0), 0);
    // Hiding the active sheet's tab hands the page to another sheet.
    F->SheetHidden->SetTabVisible(false);
    EXPECT_NE(F->Pages->ActivePage(), F->SheetHidden);
    EXPECT_NE(F->Pages->ActivePage(), nullptr);
    F->Pages->SetTabPosition(tpBottom);
    F->Pages->SetMultiLine(true);
    const LONG_PTR Style = GetWindowLongPtrA(F->Pages->Handle(), GWL_STYLE);
    EXPECT_TRUE(Style & TCS_BOTTOM);
    EXPECT_TRUE(Style & TCS_MULTILINE);
    EXPECT_EQ(SendMessageA(F->Pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(GetPropValue(F->Pages, "TabPosition"), "tpBottom");
}

TEST_F(ComCtrlsTest, FreeingASheetRemovesItsTab) {
    F->SheetTwo->Free();
    F->SheetTwo = nullptr;
    EXPECT_EQ(F->Pages->PageCount(), 2);
    EXPECT_EQ(F->Pages->ActivePage(), F->SheetOne);
    EXPECT_EQ(SendMessageA(F->Pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 1);
}

TEST_F(ComCtrlsTest, TabControlTabsAndIndex) {
    HWND Tab = F->Tabs->Handle();
    ASSERT_EQ(F->Tabs->Tabs()->Count(), 3);
    EXPECT_EQ(SendMessageA(Tab, TCM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(TabText(Tab, 2), "Gamma");
    EXPECT_EQ(F->Tabs->TabIndex(), 1);
    EXPECT_EQ(SendMessageA(Tab, TCM_GETCURSEL, 0, 0), 1);
    F->Tabs->Tabs()->Add("Delta");
    EXPECT_EQ(TabText(Tab, 3), "Delta");
    EXPECT_EQ(F->Tabs->TabIndex(), 1);
    F->Tabs->SetTabIndex(3);
    EXPECT_EQ(SendMessageA(Tab, TCM_GETCURSEL, 0, 0), 3);
    F->Tabs->SetTabIndex(9);
    EXPECT_EQ(F->Tabs->TabIndex(), -1);
    ClickTab(Tab, 0);
    EXPECT_EQ(F->TabsAsked, 1);
    EXPECT_EQ(F->TabsChanges, 1);
    EXPECT_EQ(F->Tabs->TabIndex(), 0);
    F->AllowTabs = false;
    ClickTab(Tab, 2);
    EXPECT_EQ(F->TabsAsked, 2);
    EXPECT_EQ(F->TabsChanges, 1);
    EXPECT_EQ(F->Tabs->TabIndex(), 0);
}

TEST_F(ComCtrlsTest, ListViewColumnsItemsAndSelection) {
    TListView* L = F->List;
    HWND W = L->Handle();
    EXPECT_EQ(L->ViewStyle(), vsReport);
    ASSERT_EQ(L->Columns()->Count(), 2);
    EXPECT_EQ(L->Columns()->Items(0)->Caption(), "Name");
    EXPECT_EQ(SendMessageA(W, LVM_GETCOLUMNWIDTH, 0, 0), 120);
    EXPECT_EQ(SendMessageA(W, LVM_GETCOLUMNWIDTH, 1, 0), 80);
    L->BeginUpdate();
    TListItem* A = AddItem(L, "alpha.pas", "10");
    TListItem* Bi = AddItem(L, "beta.pas", "20");
    L->EndUpdate();
    int Payload = 7;
    Bi->SetData(&Payload);
    EXPECT_EQ(SendMessageA(W, LVM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(ItemText(W, 1, 0), "beta.pas");
    EXPECT_EQ(ItemText(W, 1, 1), "20");
    A->SubItems()->Strings(0);
    A->SubItems()->Put(0, "11");
    EXPECT_EQ(ItemText(W, 0, 1), "11");
    Bi->SetSelected(true);
    EXPECT_EQ(L->Selected(), Bi);
    EXPECT_EQ(static_cast<int*>(L->Selected()->Data()), &Payload);
    L->SetViewStyle(vsList);
    EXPECT_EQ(GetWindowLongPtrA(W, GWL_STYLE) & LVS_TYPEMASK, LVS_LIST);
    // Recreating the window keeps items and selection.
    L->SetMultiSelect(true);
    EXPECT_NE(L->Handle(), nullptr);
    EXPECT_EQ(SendMessageA(L->Handle(), LVM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(L->Selected(), Bi);
    A->Delete();
    EXPECT_EQ(L->Items()->Count(), 1);
    EXPECT_EQ(ItemText(L->Handle(), 0, 0), "beta.pas");
    EXPECT_EQ(Bi->Index(), 0);
}

TEST_F(ComCtrlsTest, InPlaceEditDeliversTheNewTextOnce) {
    TListView* L = F->List;
    AddItem(L, "old.pas", "1");
    ASSERT_TRUE(EditAndEnter(L, 0, "new.pas"));
    EXPECT_EQ(F->Editings, 1);
    EXPECT_EQ(F->Editeds, 1);
    EXPECT_EQ(F->EditedText, "new.pas");
    EXPECT_EQ(L->Items()->Item(0)->Caption(), "new.pas");
    EXPECT_EQ(ItemText(L->Handle(), 0, 0), "new.pas");
    EXPECT_FALSE(L->IsEditing());
}

TEST_F(ComCtrlsTest, OnEditedCanReplaceOrUndoTheText) {
    TListView* L = F->List;
    AddItem(L, "keep.pas", "1");
    F->Replacement = "keep.pas";  // the handler puts the old name back
    ASSERT_TRUE(EditAndEnter(L, 0, "bad name"));
    EXPECT_EQ(F->EditedText, "bad name");
    EXPECT_EQ(L->Items()->Item(0)->Caption(), "keep.pas");
    EXPECT_EQ(ItemText(L->Handle(), 0, 0), "keep.pas");
}

TEST_F(ComCtrlsTest, OnEditingCanRefuseAndReadOnlyForbids) {
    TListView* L = F->List;
    AddItem(L, "fixed.pas", "1");
    F->AllowEdit = false;
    EXPECT_FALSE(L->Items()->Item(0)->EditCaption());
    EXPECT_EQ(F->Editings, 1);
    EXPECT_FALSE(L->IsEditing());
    F->AllowEdit = true;
    L->SetReadOnly(true);
    EXPECT_FALSE(L->Items()->Item(0)->EditCaption());
    EXPECT_EQ(F->Editeds, 0);
    EXPECT_EQ(L->Items()->Item(0)->Caption(), "fixed.pas");
}

TEST_F(ComCtrlsTest, ListViewKeysAndDoubleClickReachTheEvents) {
    TListView* L = F->List;
    AddItem(L, "a.pas", "1");
    L->SetFocus();
    SendMessageA(L->Handle(), WM_KEYDOWN, VK_DELETE, 1);
    SendMessageA(L->Handle(), WM_KEYUP, VK_DELETE, 0xC0000001);
    ASSERT_EQ(F->Keys.size(), 1u);
    EXPECT_EQ(F->Keys[0], VK_DELETE);
    RECT R{};
    R.left = LVIR_BOUNDS;
    SendMessageA(L->Handle(), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&R));
    const LPARAM P = Pt(R.left + 5, (R.top + R.bottom) / 2);
    SendMessageA(L->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, P);
    SendMessageA(L->Handle(), WM_LBUTTONUP, 0, P);
    SendMessageA(L->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, P);
    SendMessageA(L->Handle(), WM_LBUTTONUP, 0, P);
    Pump();
    EXPECT_EQ(F->DblClicks, 1);
    EXPECT_NE(GetPropInfo(L, "OnDragOver"), nullptr);
    EXPECT_NE(GetPropInfo(L, "OnDragDrop"), nullptr);
}

TEST_F(ComCtrlsTest, SmallImagesAreHandedToTheWindowAndForgottenWhenFreed) {
    auto* Images = new TImageList(F);
    F->List->SetSmallImages(Images);
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageA(F->List->Handle(), LVM_GETIMAGELIST, LVSIL_SMALL, 0)),
              Images->Handle());
    Images->Free();
    EXPECT_EQ(F->List->SmallImages(), nullptr);
    EXPECT_EQ(SendMessageA(F->List->Handle(), LVM_GETIMAGELIST, LVSIL_SMALL, 0), 0);
}

TEST_F(ComCtrlsTest, StatusBarPanelsAndSimpleText) {
    TStatusBar* S = F->Status;
    ASSERT_EQ(S->Panels()->Count(), 2);
    EXPECT_EQ(S->Align(), alBottom);
    EXPECT_EQ(S->Top() + S->Height(), F->ClientHeight());
    EXPECT_EQ(SendMessageA(S->Handle(), SB_GETPARTS, 0, 0), 2);
    EXPECT_EQ(S->WindowText(0), "Ready");
    EXPECT_EQ(S->WindowText(1), "Line 1");
    S->Panels()->Items(1)->SetText("Line 42");
    EXPECT_EQ(S->WindowText(1), "Line 42");
    S->Panels()->Add()->SetText("third");
    EXPECT_EQ(SendMessageA(S->Handle(), SB_GETPARTS, 0, 0), 3);
    EXPECT_EQ(S->WindowText(2), "third");
    S->SetSimplePanel(true);
    S->SetSimpleText("Compiling...");
    EXPECT_TRUE(SendMessageA(S->Handle(), SB_ISSIMPLE, 0, 0));
    EXPECT_EQ(S->WindowText(-1), "Compiling...");
    S->SetSimplePanel(false);
    EXPECT_EQ(S->WindowText(0), "Ready");
}

namespace {
// The bar's pixels, row by row.
std::vector<COLORREF> BarPixels(TStatusBar* S) {
    HDC DC = GetDC(S->Handle());
    std::vector<COLORREF> P;
    for (int Y = 0; Y < S->ClientHeight(); ++Y)
        for (int X = 0; X < S->ClientWidth(); ++X) P.push_back(GetPixel(DC, X, Y));
    ReleaseDC(S->Handle(), DC);
    return P;
}
}  // namespace

// Texts set for later are the window's at once and painted by the loop, as
// a full redraw paints them.
TEST_F(ComCtrlsTest, PanelTextsSetForLaterArePaintedByTheLoop) {
    TStatusBar* S = F->Status;
    S->SetPanelTextLater(0, "Row : 12");
    S->SetPanelTextLater(1, "Column : 345");
    EXPECT_EQ(S->WindowText(0), "Row : 12");
    EXPECT_EQ(S->WindowText(1), "Column : 345");
    EXPECT_TRUE(GetUpdateRect(S->Handle(), nullptr, FALSE));
    Pump();
    EXPECT_FALSE(GetUpdateRect(S->Handle(), nullptr, FALSE));
    const std::vector<COLORREF> Painted = BarPixels(S);
    RedrawWindow(S->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(BarPixels(S), Painted);
}

TEST_F(ComCtrlsTest, ScreenshotOfEveryControl) {
    F->SheetOne->SetCaption("Code");
    for (int I = 0; I < 4; ++I) {
        TListItem* It = AddItem(F->List, "Unit" + std::to_string(I + 1) + ".pas", std::to_string((I + 1) * 1024));
        if (I == 1) It->SetSelected(true);
    }
    F->List->SetHideSelection(false);
    F->Status->Panels()->Items(1)->SetText("12: 5");
    // The standard controls, placed on the sheet and beside the list.
    auto Place = [this](TControl* C, TWinControl* Parent, int X, int Y, int W, int H, const std::string& Caption) {
        C->SetParent(Parent);
        C->SetBounds(X, Y, W, H);
        if (!Caption.empty()) C->SetCaption(Caption);
        return C;
    };
    TWinControl* Sheet = F->SheetTwo;
    Place(new TLabel(F), Sheet, 8, 10, 60, 16, "Label:");
    Place(new TEdit(F), Sheet, 70, 6, 120, 22, "edit text");
    Place(new TButton(F), Sheet, 196, 6, 80, 25, "Button");
    static_cast<TCheckBox*>(Place(new TCheckBox(F), Sheet, 8, 36, 90, 20, "Check box"))->SetChecked(true);
    Place(new TRadioButton(F), Sheet, 100, 36, 90, 20, "Radio");
    auto* Memo = static_cast<TMemo*>(Place(new TMemo(F), Sheet, 8, 62, 130, 60, ""));
    Memo->Lines()->Add("memo line 1");
    Memo->Lines()->Add("memo line 2");
    auto* Group = static_cast<TGroupBox*>(Place(new TGroupBox(F), Sheet, 146, 58, 130, 64, "Group box"));
    Place(new TPanel(Group), Group, 8, 20, 110, 34, "Panel");
    auto* ListBox = static_cast<TListBox*>(Place(new TListBox(F), F, 420, 80, 100, 90, ""));
    for (const char* T : {"list box", "second", "third"}) ListBox->Items()->Add(T);
    ListBox->SetItemIndex(1);
    auto* Combo = static_cast<TComboBox*>(Place(new TComboBox(F), F, 530, 80, 100, 24, ""));
    Combo->Items()->Add("combo box");
    Combo->SetItemIndex(0);
    Place(new TScrollBar(F), F, 420, 180, 210, 18, "");
    Place(new TBevel(F), F, 420, 206, 210, 40, "");
    Place(new TSpeedButton(F), F, 430, 214, 60, 24, "Speed");
    Place(new TScrollBox(F), F, 530, 110, 100, 60, "");
    Pump();
    std::string Dir = TestProgramFolder();  // testbin
    Dir.pop_back();
    Dir.erase(Dir.find_last_of("\\/"));  // the build folder
    const std::string File = Dir + "\\comctrls-form.png";
    CaptureWindowToFile(F->Handle(), File);
    EXPECT_NE(GetFileAttributesA(File.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(ComCtrlsTest, WrittenFormKeepsSheetsCollectionsAndTabs) {
    F->List->Columns()->Items(1)->SetWidth(95);
    const std::string Text = FormAsText(F);
    auto Has = [&Text](const std::string& Part) { return Text.find(Part) != std::string::npos; };
    EXPECT_TRUE(Has("  object Pages: TPageControl\r\n"));
    EXPECT_TRUE(Has("    ActivePage = SheetTwo\r\n"));
    EXPECT_TRUE(Has("    object SheetOne: TTabSheet\r\n"));
    EXPECT_TRUE(Has("      Caption = 'First'\r\n"));
    EXPECT_TRUE(Has("      TabVisible = False\r\n"));
    EXPECT_LT(Text.find("object SheetOne"), Text.find("object SheetTwo"));
    EXPECT_LT(Text.find("object SheetTwo"), Text.find("object Tabs"));
    EXPECT_TRUE(Has("    Tabs.Strings = (\r\n      'Alpha'\r\n"));
    EXPECT_TRUE(Has("    TabIndex = 1\r\n"));
    EXPECT_TRUE(Has("    Columns = <\r\n      item\r\n        Caption = 'Name'\r\n        Width = 120\r\n      end"));
    EXPECT_TRUE(Has("        Width = 95\r\n"));
    EXPECT_TRUE(Has("    ViewStyle = vsReport\r\n"));
    EXPECT_TRUE(Has("        Text = 'Ready'\r\n"));
}

TEST(ListViewStreaming, ItemsSurviveTheFormStream) {
    RegisterComCtrls();
    auto* F = new TForm(nullptr);
    auto* L = new TListView(F);
    L->SetName("List1");
    L->SetParent(F);
    TListItem* A = L->Items()->Add();
    A->SetCaption("first.asm");
    A->SetImageIndex(1);
    A->SubItems()->Add("c:\\src\\first.asm");
    A->SubItems()->Add("x");
    L->Items()->Add()->SetCaption("second");
    TMemoryStream S;
    TWriter(&S).WriteRootComponent(F);
    F->Free();
    S.SetPosition(0);
    TStringStream T;
    ObjectBinaryToText(&S, &T);
    EXPECT_NE(T.DataString().find("    Items.Data = {"), std::string::npos);
    S.SetPosition(0);
    auto* G = new TForm(nullptr);
    TReader(&S).ReadRootComponent(G);
    auto* R = dynamic_cast<TListView*>(G->FindComponent("List1"));
    ASSERT_NE(R, nullptr);
    ASSERT_EQ(R->Items()->Count(), 2);
    EXPECT_EQ(R->Items()->Item(0)->Caption(), "first.asm");
    EXPECT_EQ(R->Items()->Item(0)->ImageIndex(), 1);
    ASSERT_EQ(R->Items()->Item(0)->SubItems()->Count(), 2);
    EXPECT_EQ(R->Items()->Item(0)->SubItems()->Strings(0), "c:\\src\\first.asm");
    EXPECT_EQ(R->Items()->Item(1)->Caption(), "second");
    EXPECT_EQ(R->Items()->Item(1)->SubItems()->Count(), 0);
    // The window shows what was read.
    char Buf[64] = {};
    LVITEMA It{};
    It.iSubItem = 0;
    It.pszText = Buf;
    It.cchTextMax = sizeof Buf;
    SendMessageA(R->Handle(), LVM_GETITEMTEXTA, 1, reinterpret_cast<LPARAM>(&It));
    EXPECT_STREQ(Buf, "second");
    G->Free();
}

TEST(ListViewStreaming, CutItemDataIsRefusedAndTheItemsStay) {
    RegisterComCtrls();
    auto* L = new TListView(nullptr);
    L->Items()->Add()->SetCaption("kept");
    // Two items announced, the second's caption runs past the end.
    const std::string Text = "object List1: TListView\r\n  Items.Data = {\r\n"
                             "    2C00000002000000FFFFFFFFFFFFFFFFFFFFFFFF00000000000000000161"
                             "FFFFFFFFFFFFFFFFFFFFFFFF000000000000000009}\r\nend\r\n";
    TStringStream In(ObjectTextToBinary(Text));
    EXPECT_ANY_THROW(TReader(&In).ReadRootComponent(L));
    ASSERT_EQ(L->Items()->Count(), 1);
    EXPECT_EQ(L->Items()->Item(0)->Caption(), "kept");
    L->Free();
}
