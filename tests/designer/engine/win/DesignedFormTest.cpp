// A live form in design mode driven by real mouse and key input: select,
// move and size on the grid, rubber band, insert from the palette's
// broadcast, delete and undo, the commands and the component clipboard.
#include <gtest/gtest.h>

#include <memory>

#include "designer/engine/AlignLayout.h"
#include "designer/engine/win/ZelFormDesigner.h"
#include "designer/support/win/CompPalette.h"
#include "designer/support/win/DesignLibrary.h"
#include "designer/support/MessageBus.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/classes/DataModule.h"
#include "framework/comctrls/ComCtrls.h"
#include "framework/controls/Clipboard.h"
#include "framework/controls/ScreenCapture.h"
#include "framework/controls/Timer.h"
#include "framework/design/DesignRegistration.h"
#include "framework/graphics/Bitmap.h"
#include "framework/menus/Menus.h"
#include "framework/stdctrls/StdCtrls.h"
#include "tests/common/win/KeyInput.h"
#include "tests/common/win/MouseInput.h"
#include "tests/common/win/Pump.h"
#include "tests/designer/support/win/DesignerKey.h"

namespace {

// A class its package registers without a component icon.
class TQuietPart : public TComponent {
    QRN_CLASS(TQuietPart, TComponent)
public:
    using TComponent::TComponent;
};

std::vector<std::string> Names(const std::vector<TComponent*>& List) {
    std::vector<std::string> R;
    for (TComponent* C : List) R.push_back(C->Name());
    return R;
}

class DesignedFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterStdCtrls();
        RegisterClass(TTimer::StaticClass());
        Form.reset(new TForm(nullptr));
        Form->SetName("Form1");
        Form->SetBorderStyle(bsNone);
        Form->SetBounds(40, 40, 480, 320);
        Panel = Make<TPanel>("Panel1", Form.get(), Bounds(16, 16, 200, 120));
        Button1 = Make<TButton>("Button1", Panel, Bounds(8, 8, 75, 25));
        Label1 = Make<TLabel>("Label1", Panel, Bounds(8, 64, 60, 16));
        Button2 = Make<TButton>("Button2", Form.get(), Bounds(240, 16, 75, 25));
        Edit1 = Make<TEdit>("Edit1", Form.get(), Bounds(240, 80, 120, 21));
        Timer1 = new TTimer(Form.get());
        Timer1->SetName("Timer1");
        Timer1->SetDesignInfo(DesignInfoFromIconPos({400, 200}));
        Designer = std::make_unique<TZelFormDesigner>();
        Designer->SetForm(Form.get());
        Designer->ShowPopup = [this](TPopupMenu* Menu, int, int) {
            ++Popups;
            Shown = Menu;
        };
        Designer->SetActive(true);
        Form->Show();
        SetForegroundWindow(Form->Handle());
        Pump();
    }
    void TearDown() override {
        Designer.reset();
        Form.reset();
        Pump();
    }
    template <class T>
    T* Make(const std::string& Name, TWinControl* Parent, TRect R) {
        auto* C = new T(Form.get());
        C->SetName(Name);
        C->SetParent(Parent);
        C->SetBoundsRect(R);
        return C;
    }
    std::vector<std::string> Selected() const { return Names(Designer->GetSelection()); }
    void Press(WORD Vk, int Mods = kmNone) { PressKey(Form->Handle(), Vk, Mods); }

    std::unique_ptr<TForm, TObjectFree> Form;
    TPanel* Panel = nullptr;
    TButton* Button1 = nullptr;
    TLabel* Label1 = nullptr;
    TButton* Button2 = nullptr;
    TEdit* Edit1 = nullptr;
    TTimer* Timer1 = nullptr;
    std::unique_ptr<TZelFormDesigner> Designer;
    int Popups = 0;
    TPopupMenu* Shown = nullptr;
};

}  // namespace

QRN_PUBLISHED(TQuietPart) {}

TEST_F(DesignedFormTest, ClicksSelectAndADragMovesByGridStepsUntilUndone) {
    EXPECT_EQ(Selected(), std::vector<std::string>{"Form1"});
    Click(At(Button2, 10, 10));
    EXPECT_EQ(Selected(), std::vector<std::string>{"Button2"});
    ASSERT_TRUE(Designer->Handles()->HandlesVisible());
    // The bottom-right handle is centred on the button's corner.
    RECT H;
    GetWindowRect(Designer->Handles()->HandleAt(THandlePosition::BottomRight).Window(), &H);
    const TRect B = ScreenBounds(Button2);
    EXPECT_EQ(H.left + 2, B.Right);
    EXPECT_EQ(H.top + 2, B.Bottom);
    ClickWith(At(Edit1, 5, 5), MK_SHIFT);
    EXPECT_EQ(Selected(), (std::vector<std::string>{"Button2", "Edit1"}));
    ClickWith(At(Edit1, 5, 5), MK_SHIFT);
    EXPECT_EQ(Selected(), std::vector<std::string>{"Button2"});

    // 13 and 5 pixels: the corner snaps to the 8-pixel grid.
    Drag(At(Button2, 10, 10), At(Button2, 23, 15));
    EXPECT_EQ(Button2->BoundsRect().TopLeft(), Point(256, 24));
    EXPECT_FALSE(Designer->Moving());
    EXPECT_EQ(GetCapture(), nullptr);  // released when the drag ended

    Press('Z', kmCtrl);
    EXPECT_EQ(Button2->BoundsRect().TopLeft(), Point(240, 16));
    Press('Z', kmCtrl | kmShift);
    EXPECT_EQ(Button2->BoundsRect().TopLeft(), Point(256, 24));
}

TEST_F(DesignedFormTest, EscOrLostCaptureEndsAMoveWithoutApplyingIt) {
    Designer->ShowHints = true;
    Click(At(Button2, 10, 10));
    MouseTo(At(Button2, 10, 10));
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    MouseTo(At(Button2, 50, 40));
    ASSERT_TRUE(Designer->Moving());
    EXPECT_EQ(GetCapture(), Form->Handle());
    EXPECT_EQ(Designer->MoveFrameRect().TopLeft(), At(Form.get(), 280, 48));  // tracked, on the grid
    EXPECT_EQ(Designer->DragHintText(), "280, 48");
    Press(VK_ESCAPE);
    EXPECT_EQ(Designer->DragHintText(), "");
    EXPECT_FALSE(Designer->Moving());
    EXPECT_EQ(GetCapture(), nullptr);
    MouseButton(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(Button2->BoundsRect().TopLeft(), Point(240, 16));

    MouseTo(At(Button2, 10, 10));
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    MouseTo(At(Button2, 50, 40));
    ASSERT_TRUE(Designer->Moving());
    ReleaseCapture();
    Pump();
    EXPECT_FALSE(Designer->Moving());
    MouseButton(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(Button2->BoundsRect().TopLeft(), Point(240, 16));
}

TEST_F(DesignedFormTest, ARubberBandInsideAPanelSelectsItsChildren) {
    Designer->ShowHints = true;
    PostButton(At(Panel, 2, 2), WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL);
    MouseTo(At(Panel, 40, 70));
    EXPECT_TRUE(Designer->RubberBanding());
    EXPECT_EQ(Designer->DragHintText(), "38 x 68");
    EXPECT_EQ(Designer->BandRect(),
              Rect(At(Panel, 2, 2).X, At(Panel, 2, 2).Y, At(Panel, 40, 70).X, At(Panel, 40, 70).Y));
    MouseButton(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(Selected(), (std::vector<std::string>{"Button1", "Label1"}));
    // Over the form's empty part a band that meets nothing keeps the form.
    Drag(At(Form.get(), 250, 200), At(Form.get(), 300, 250));
    EXPECT_EQ(Selected(), std::vector<std::string>{"Form1"});
    // One that meets the timer's icon selects it.
    Drag(At(Form.get(), 380, 190), At(Form.get(), 410, 210));
    EXPECT_EQ(Selected(), std::vector<std::string>{"Timer1"});
}

TEST_F(DesignedFormTest, AHandleDragSizesOnTheGridAndEscRestores) {
    Click(At(Button2, 10, 10));
    HWND Corner = Designer->Handles()->HandleAt(THandlePosition::BottomRight).Window();
    RECT H;
    GetWindowRect(Corner, &H);
    MouseTo({H.left + 2, H.top + 2});
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    MouseTo({H.left + 20, H.top + 12});
    EXPECT_TRUE(Designer->Handles()->Sizing());
    MouseButton(MOUSEEVENTF_LEFTUP);
    // 315 + 18 -> 333 -> 336; 41 + 10 -> 51 -> 48 (on the form's grid)
    EXPECT_EQ(Button2->BoundsRect(), Rect(240, 16, 336, 48));

    GetWindowRect(Corner, &H);
    MouseTo({H.left + 2, H.top + 2});
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    MouseTo({H.left + 40, H.top + 40});
    Press(VK_ESCAPE);
    EXPECT_FALSE(Designer->Handles()->Sizing());
    MouseButton(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(Button2->BoundsRect(), Rect(240, 16, 336, 48));
    Press('Z', kmCtrl);
    EXPECT_EQ(Button2->BoundsRect(), Rect(240, 16, 315, 41));
}

TEST_F(DesignedFormTest, KeysNudgeResizeAndWalkTheSelection) {
    Designer->SelectSingle(Button2);
    Press(VK_RIGHT, kmCtrl);
    Press(VK_DOWN, kmCtrl | kmShift);
    Press(VK_RIGHT, kmShift);
    EXPECT_EQ(Button2->BoundsRect(), Bounds(241, 24, 76, 25));
    // Each key was its own group: two undos take back two steps.
    Press('Z', kmCtrl);
    Press('Z', kmCtrl);
    EXPECT_EQ(Button2->BoundsRect(), Bounds(241, 16, 75, 25));
    Press(VK_DOWN);
    EXPECT_EQ(Selected(), std::vector<std::string>{"Edit1"});
    Press(VK_LEFT);
    EXPECT_EQ(Selected(), std::vector<std::string>{"Panel1"});
    Designer->SelectSingle(Label1);
    Press(VK_ESCAPE);
    EXPECT_EQ(Selected(), std::vector<std::string>{"Panel1"});
    // A key the designer does not take reaches the control.
    uint16_t Key = 'A';
    Designer->KeyDown(Key, {});
    EXPECT_EQ(Key, 'A');
    Designer->SetLockControls(true);
    Press(VK_RIGHT, kmCtrl);
    EXPECT_EQ(Panel->Left(), 16);
    EXPECT_EQ(Designer->Handles()->ShowMode(), smInActive);
}

TEST_F(DesignedFormTest, ThePaletteBroadcastInsertsAButtonThatUndoRemoves) {
    const std::string Name = "TButton";
    BroadcastToListeners(nullptr, PaletteSelectMessage, reinterpret_cast<intptr_t>(Name.c_str()), 64);
    auto* Button3 = dynamic_cast<TButton*>(Form->FindComponent("Button3"));
    ASSERT_NE(Button3, nullptr);
    EXPECT_EQ(Button3->Parent(), Form.get());
    EXPECT_EQ(Button3->Left(), (Form->ClientWidth() - 28) / 2);
    EXPECT_EQ(Selected(), std::vector<std::string>{"Button3"});
    Press('Z', kmCtrl);
    EXPECT_EQ(Form->FindComponent("Button3"), nullptr);
    Press('Z', kmCtrl | kmShift);
    EXPECT_NE(Form->FindComponent("Button3"), nullptr);
    // A new action after an undo makes redo impossible.
    Press('Z', kmCtrl);
    Designer->SelectSingle(Edit1);
    Press(VK_RIGHT, kmCtrl);
    EXPECT_TRUE(Designer->History().RedoList().empty());

    // With a palette class chosen, a band inside the panel inserts into it.
    SelectedPaletteClass = "TEdit";
    Drag(At(Panel, 20, 40), At(Panel, 120, 62));
    SelectedPaletteClass.clear();
    auto* Edit2 = dynamic_cast<TEdit*>(Form->FindComponent("Edit2"));
    ASSERT_NE(Edit2, nullptr);
    EXPECT_EQ(Edit2->Parent(), Panel);
    EXPECT_EQ(Edit2->BoundsRect(), Rect(16, 40, 120, 64));  // 20 is 2.5 steps: to the even 2
}

TEST_F(DesignedFormTest, DeletingAPanelTakesItsChildrenAndUndoPutsThemBack) {
    const int TabOrder = Panel->TabOrder();
    Designer->SelectSingle(Panel);
    {
        // The child selected with its parent is not freed twice.
        TDesignerSelectionList Both;
        Both.Add(Panel);
        Both.Add(Button1);
        Designer->SetSelectedComponents(&Both);
    }
    Press(VK_DELETE);
    EXPECT_EQ(Form->FindComponent("Panel1"), nullptr);
    EXPECT_EQ(Form->FindComponent("Button1"), nullptr);
    Press('Z', kmCtrl);
    auto* P = dynamic_cast<TPanel*>(Form->FindComponent("Panel1"));
    ASSERT_NE(P, nullptr);
    EXPECT_EQ(P->BoundsRect(), Bounds(16, 16, 200, 120));  // no paste offset
    auto* B = dynamic_cast<TButton*>(Form->FindComponent("Button1"));
    ASSERT_NE(B, nullptr);
    EXPECT_EQ(B->Parent(), P);
    EXPECT_EQ(dynamic_cast<TLabel*>(Form->FindComponent("Label1"))->Parent(), P);
    EXPECT_EQ(P->TabOrder(), TabOrder);
    Press('Z', kmCtrl | kmShift);
    EXPECT_EQ(Form->FindComponent("Panel1"), nullptr);
}

TEST_F(DesignedFormTest, AlignSizeAndScaleWorkOnTheSelection) {
    TDesignerSelectionList List;
    List.Add(Button2);
    List.Add(Edit1);
    Designer->SetSelectedComponents(&List);
    Designer->Align(acRightEdges, acNone);
    EXPECT_EQ(Edit1->Left(), 315 - 120);
    Designer->Size(szGrow, szShrink);
    EXPECT_EQ(Button2->BoundsRect(), Bounds(240, 16, 120, 21));
    Designer->Scale(150);
    EXPECT_EQ(Button2->BoundsRect(), Bounds(240, 16, 180, 32));  // 31.5 -> 32
    EXPECT_EQ(Button1->BoundsRect(), Bounds(8, 8, 112, 38));     // 112.5 -> 112, 37.5 -> 38
    Press('Z', kmCtrl);
    EXPECT_EQ(Button1->BoundsRect(), Bounds(8, 8, 75, 25));
}

TEST_F(DesignedFormTest, ThreeComponentsRoundTripThroughTheClipboardText) {
    TDesignerSelectionList List;
    List.Add(Panel);
    List.Add(Button1);  // travels inside the panel
    List.Add(Edit1);
    List.Add(Timer1);
    Designer->SetSelectedComponents(&List);
    Designer->CopySelection();
    const std::string Text = Clipboard()->AsText();
    EXPECT_EQ(Text.rfind("object Panel1: TPanel", 0), 0u);
    EXPECT_NE(Text.find("\nobject Edit1: TEdit"), std::string::npos);
    EXPECT_NE(Text.find("\nobject Timer1: TTimer"), std::string::npos);
    EXPECT_NE(Text.find("object Button1: TButton"), std::string::npos);

    Designer->SelectSingle(Form.get());
    Designer->Paste();
    EXPECT_EQ(Selected(), (std::vector<std::string>{"Panel2", "Edit2", "Timer2"}));
    auto* P2 = dynamic_cast<TPanel*>(Form->FindComponent("Panel2"));
    ASSERT_NE(P2, nullptr);
    ASSERT_EQ(P2->ControlCount(), 2);
    EXPECT_EQ(P2->Controls(0)->Name(), "Button3");
    EXPECT_NE(Designer->IconOf(Form->FindComponent("Timer2")), nullptr);
    // Undo of the paste removes the three it inserted.
    Press('Z', kmCtrl);
    EXPECT_EQ(Form->FindComponent("Panel2"), nullptr);
    EXPECT_EQ(Form->FindComponent("Timer2"), nullptr);

    // Pasting one component again and again steps each copy one grid step on.
    Designer->SelectSingle(Button2);
    Designer->CopySelection();
    Designer->SelectSingle(Form.get());
    Designer->Paste();
    Designer->Paste();
    EXPECT_EQ(dynamic_cast<TControl*>(Form->FindComponent("Button3"))->BoundsRect().TopLeft(), Point(240, 16));
    EXPECT_EQ(dynamic_cast<TControl*>(Form->FindComponent("Button4"))->BoundsRect().TopLeft(), Point(248, 24));
}

TEST_F(DesignedFormTest, TheFilterKeepsTheFormOpenAndShowsOnePopupPerRightClick) {
    SendMessageA(Form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(Form->Handle()));  // hidden, not closed
    ShowWindow(Form->Handle(), SW_SHOW);
    Pump();
    int Closes = 0;
    Designer->HideOnClose = false;
    Designer->OnCloseForm = [&] { ++Closes; };
    SendMessageA(Form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(Closes, 1);
    EXPECT_TRUE(IsWindowVisible(Form->Handle()));

    MouseTo(At(Button2, 5, 5));
    MouseButton(MOUSEEVENTF_RIGHTDOWN);
    MouseButton(MOUSEEVENTF_RIGHTUP);
    EXPECT_EQ(Popups, 1);
    // The default menu's entries, in order, copied into the menu shown.
    ASSERT_EQ(Shown, Designer->VerbMenu());
    EXPECT_EQ(Shown->PopupComponent(), Button2);
    std::vector<std::string> Captions;
    for (int I = 0; I < Shown->Items()->Count(); ++I) Captions.push_back(Shown->Items()->Items(I)->Caption());
    EXPECT_EQ(Captions, (std::vector<std::string>{"Align To &Grid", "Bring To &Front", "Send To &Back", "-",
                                                  "&Align...", "&Size...", "Scal&e..."}));
    // Its items run the designer's commands.
    Designer->SelectSingle(Edit1);
    Edit1->SetLeft(243);
    Shown->Items()->Items(0)->Click();
    EXPECT_EQ(Edit1->Left(), 240);

    // While a menu loop runs, a right press first clears the selection.
    Designer->SelectSingle(Button2);
    SendMessageA(Form->Handle(), WM_ENTERMENULOOP, 0, 0);
    TMessage M{WM_RBUTTONDOWN, 0, 0, 0};
    Designer->FilterDesignMessage(Edit1, M);
    SendMessageA(Form->Handle(), WM_EXITMENULOOP, 0, 0);
    EXPECT_TRUE(Selected().empty());

    TPoint Up{-1, -1};
    Designer->OnMouseUp = [&](TMouseButton, TShiftState, int X, int Y) { Up = {X, Y}; };
    SendMessageA(Form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(50, 50));
    EXPECT_EQ(Up, Point(0, 0));
}

TEST_F(DesignedFormTest, ANonVisualComponentIsAnIconAtItsDesignPosition) {
    // Without a glyph event the icon shows the class's palette glyph.
    ASSERT_NE(Designer->IconOf(Timer1), nullptr);
    EXPECT_FALSE(Designer->IconOf(Timer1)->Glyph()->Empty());
    Designer->OnGetComponentGlyph = [](const TClass* Class, TBitmap* Glyph) {
        if (Class != TTimer::StaticClass()) return;
        Glyph->SetSize(16, 16);
        Glyph->Canvas()->Brush()->SetColor(clRed);
        Glyph->Canvas()->FillRect(Rect(0, 0, 16, 16));
    };
    Designer->SetActive(false);
    Designer->SetActive(true);
    Pump();
    TComponentContainer* Icon = Designer->IconOf(Timer1);
    ASSERT_NE(Icon, nullptr);
    RECT R;
    GetWindowRect(Icon->Window(), &R);
    EXPECT_EQ(Point(R.left, R.top), At(Form.get(), 400, 200));
    EXPECT_EQ(R.right - R.left, 28);
    HDC DC = GetDC(Icon->Window());
    EXPECT_EQ(GetPixel(DC, 14, 14), RGB(255, 0, 0));
    ReleaseDC(Icon->Window(), DC);
    // The caption is centred under the icon.
    RECT C;
    GetWindowRect(Icon->CaptionWindow(), &C);
    EXPECT_LE(std::abs((C.left + C.right) / 2 - (R.left + R.right) / 2), 1);
    EXPECT_EQ(C.top, R.top + 30);
    // Clicked, it is selected; moved by a key, its position is stored.
    Click({R.left + 5, R.top + 5});
    EXPECT_EQ(Selected(), std::vector<std::string>{"Timer1"});
    Press(VK_RIGHT, kmCtrl | kmShift);
    EXPECT_EQ(IconPosFromDesignInfo(Timer1->DesignInfo()), Point(408, 200));
    Press('Z', kmCtrl);
    EXPECT_EQ(IconPosFromDesignInfo(Timer1->DesignInfo()), Point(400, 200));
}

TEST_F(DesignedFormTest, ComponentsMadeInCodeGetIconsThatKeepTheOrderTheyWereMadeIn) {
    TDesignerScratchKey Key;
    TDesignLibrarySession Session;
    RegisterNoIcon({TQuietPart::StaticClass()});
    int Changes = 0;
    Designer->OnChange = [&] { ++Changes; };
    // Freed components leave room for later ones at lower addresses.
    std::vector<TTimer*> Made;
    for (int I = 0; I < 8; ++I) Made.push_back(new TTimer(Form.get()));
    for (int I = 0; I < 8; I += 2) Made[I]->Free();
    std::vector<TComponent*> Kept;
    for (int I = 1; I < 8; I += 2) Kept.push_back(Made[static_cast<size_t>(I)]);
    for (int I = 0; I < 4; ++I) Kept.push_back(new TTimer(Form.get()));
    EXPECT_GE(Changes, 12);
    // A control made in code is no icon.
    auto* Made3 = new TButton(Form.get());
    Made3->SetParent(Form.get());
    auto* Quiet = new TQuietPart(Form.get());
    Pump();
    EXPECT_EQ(Designer->IconOf(Made3), nullptr);
    EXPECT_EQ(Designer->IconOf(Quiet), nullptr);
    std::vector<std::string> Expected;
    for (size_t I = 0; I < Kept.size(); ++I) {
        Kept[I]->SetName("Extra" + std::to_string(I));
        Expected.push_back(Kept[I]->Name());
        ASSERT_NE(Designer->IconOf(Kept[I]), nullptr);
        Designer->IconOf(Kept[I])->MoveTo({8 + 32 * static_cast<int>(I), 250});
    }
    Pump();
    Drag(At(Form.get(), 4, 244), At(Form.get(), 290, 300));
    EXPECT_EQ(Selected(), Expected);
}

TEST_F(DesignedFormTest, SelectingAControlOnAHiddenPageTurnsToThatPage) {
    auto* Pages = Make<TPageControl>("PageControl1", Form.get(), Bounds(16, 150, 200, 120));
    TTabSheet* Sheets[2];
    for (int I = 0; I < 2; ++I) {
        Sheets[I] = new TTabSheet(Form.get());
        Sheets[I]->SetName("TabSheet" + std::to_string(I + 1));
        Sheets[I]->SetPageControl(Pages);
    }
    auto* OnSecond = Make<TButton>("Button3", Sheets[1], Bounds(8, 8, 75, 25));
    Pages->SetActivePage(Sheets[0]);
    Pump();
    Designer->SelectSingle(OnSecond);
    EXPECT_EQ(Pages->ActivePage(), Sheets[1]);
    EXPECT_EQ(Selected(), std::vector<std::string>{"Button3"});
}

TEST_F(DesignedFormTest, AFormEmbeddedInAnotherStillRoutesToItsDesigner) {
    std::unique_ptr<TForm, TObjectFree> Host(new TForm(nullptr));
    Host->SetBorderStyle(bsNone);
    Host->SetBounds(560, 40, 500, 340);
    Host->Show();
    Form->SetParent(Host.get());
    Form->SetBounds(0, 0, 480, 320);
    Pump();
    Click(At(Button2, 10, 10));
    EXPECT_EQ(Selected(), std::vector<std::string>{"Button2"});
    Form->SetParent(nullptr);
}

TEST_F(DesignedFormTest, ADataModuleRefusesControlsFromThePaletteAndFromAPaste) {
    Designer->SelectSingle(Button2);
    const std::string ButtonText = Designer->SelectionAsText();
    std::unique_ptr<TDataModule, TObjectFree> Module(new TDataModule(nullptr));
    Designer->SetDesignRoot(Module.get());
    EXPECT_THROW(Designer->InsertComponent("TButton", Form.get(), {}, true), Exception);
    EXPECT_THROW(Designer->PasteText(ButtonText), Exception);
    EXPECT_EQ(Module->ComponentCount(), 0);
    Designer->SetDesignRoot(nullptr);
}

TEST_F(DesignedFormTest, BringToFrontAndSendToBackAreChangesOfTheForm) {
    int Changes = 0;
    Designer->OnChange = [&] { ++Changes; };
    Click(At(Button2, 10, 10));
    const int Before = Changes;
    Designer->BringToFront();
    EXPECT_EQ(Changes, Before + 1);
    Designer->SendToBack();
    EXPECT_EQ(Changes, Before + 2);
}

TEST_F(DesignedFormTest, ScreenshotOfADesignedFormWithGrabHandles) {
    Click(At(Button2, 10, 10));
    Form->Repaint();
    Pump();
    char Exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, Exe, MAX_PATH);
    std::string File = Exe;
    File.erase(File.find_last_of("\\/") + 1);
    File += "DesignedForm.png";
    CaptureWindowToFile(Form->Handle(), File);
    EXPECT_NE(GetFileAttributesA(File.c_str()), INVALID_FILE_ATTRIBUTES);
    // A grab handle is black.
    HDC DC = GetDC(Form->Handle());
    const TPoint Corner = Button2->BoundsRect().BottomRight();
    EXPECT_EQ(GetPixel(DC, Corner.X, Corner.Y), RGB(0, 0, 0));
    ReleaseDC(Form->Handle(), DC);
}
