// An object inspector that is itself being designed: dropped on a designed
// form from the palette or read from a form file, it shows its own
// properties, follows no designer, and leaves every press to the designer.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "designer/engine/win/ZelFormDesigner.h"
#include "designer/inspector/InspectorUnits.h"
#include "designer/inspector/win/ObjectInspector.h"
#include "designer/support/FormFiler.h"
#include "designer/support/MessageBus.h"
#include "designer/support/win/CommonPropEditors.h"
#include "designer/support/win/CompPalette.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/classes/FormText.h"
#include "framework/controls/ModalHook.h"
#include "tests/common/win/MouseInput.h"
#include "tests/common/win/Pump.h"
#include "tests/designer/support/win/DesignerKey.h"

namespace {

class DesignedInspectorTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitInspectorUnits();
        RegisterStandardPropertyEditors();
        RegisterClass(TObjectInspector::StaticClass());
        // An error the designer reports would otherwise wait for a person.
        SetModalDialogHook([this](const TDialogRequest& R) -> std::optional<int> {
            Errors.push_back(R.Text);
            return IDOK;
        });
        Form.reset(new TForm(nullptr));
        Form->SetName("Form1");
        Form->SetBorderStyle(bsNone);
        Form->SetBounds(40, 40, 480, 320);
        Designer = std::make_unique<TZelFormDesigner>();
        Designer->SetForm(Form.get());
        Designer->SetActive(true);
        Form->Show();
        SetForegroundWindow(Form->Handle());
        Pump();
    }
    void TearDown() override {
        Designer.reset();
        Form.reset();
        SetModalDialogHook({});
        Pump();
    }
    TObjectInspector* Inspector() { return dynamic_cast<TObjectInspector*>(Form->FindComponent("ObjectInspector1")); }
    // What the inspector lists: its rows' names.
    static std::vector<std::string> RowNames(TObjectInspector* OI) {
        std::vector<std::string> Names;
        for (int I = 0; I < OI->InfoCount(); ++I) Names.push_back(OI->Info(I).DisplayName);
        return Names;
    }
    // Its own rows, and a freed-components broadcast naming it, which a
    // running inspector would follow, leaves them.
    void ExpectOwnPropertiesAndNoBus(TObjectInspector* OI) {
        ASSERT_NE(OI, nullptr);
        EXPECT_EQ(Errors, std::vector<std::string>{});
        EXPECT_EQ(OI->FirstSelected(), OI);
        const std::vector<std::string> Names = RowNames(OI);
        for (const char* Own : {"Aliases", "SplitterSize", "TrackDestroy", "Name"})
            EXPECT_NE(std::find(Names.begin(), Names.end(), Own), Names.end()) << Own;
        BroadcastToListeners(nullptr, ComponentsFreedMessage, reinterpret_cast<intptr_t>(OI), 0);
        Pump();
        EXPECT_EQ(OI->FirstSelected(), OI);
        EXPECT_EQ(RowNames(OI), Names);
    }

    std::unique_ptr<TForm, TObjectFree> Form;
    std::unique_ptr<TZelFormDesigner> Designer;
    std::vector<std::string> Errors;
    TDesignerScratchKey Key;
};

}  // namespace

TEST_F(DesignedInspectorTest, DroppedFromThePaletteItShowsItselfAndItsScrollBarSelectsIt) {
    SelectedPaletteClass = "TObjectInspector";
    Drag(At(Form.get(), 16, 16), At(Form.get(), 256, 216));
    SelectedPaletteClass.clear();
    TObjectInspector* OI = Inspector();
    ExpectOwnPropertiesAndNoBus(OI);
    if (!OI) return;

    // A press on its scroll bar selects it, as a press anywhere on it does;
    // the rows do not scroll.
    Click(At(Form.get(), 400, 280));
    ASSERT_EQ(Designer->GetSelection(), std::vector<TComponent*>{Form.get()});
    RECT W;
    GetWindowRect(OI->Handle(), &W);
    ASSERT_NE(GetWindowLongA(OI->Handle(), GWL_STYLE) & WS_VSCROLL, 0);
    MouseTo({W.right - GetSystemMetrics(SM_CXVSCROLL) / 2, W.bottom - 3 * GetSystemMetrics(SM_CYVSCROLL)});
    // Press and release queued together: a scroll bar that took the press
    // would wait in its own loop for the release.
    INPUT Press[2]{};
    Press[0].type = Press[1].type = INPUT_MOUSE;
    Press[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    Press[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, Press, sizeof(INPUT));
    Pump();
    EXPECT_EQ(Designer->GetSelection(), std::vector<TComponent*>{OI});
    EXPECT_EQ(OI->TopRow(), 0);
}

TEST_F(DesignedInspectorTest, ReadFromAFormFileItShowsItself) {
    const std::string Binary = ObjectTextToBinary(
        "object Form1: TForm\n"
        "  object ObjectInspector1: TObjectInspector\n"
        "    Left = 16\n"
        "    Top = 16\n"
        "    Width = 240\n"
        "    Height = 200\n"
        "  end\n"
        "end\n");
    TMemoryStream Stream;
    Stream.WriteBuffer(Binary.data(), static_cast<int32_t>(Binary.size()));
    Stream.SetPosition(0);
    std::string RootName;
    TCompFiler().ReadForm(&Stream, Form.get(), RootName);
    Pump();
    ExpectOwnPropertiesAndNoBus(Inspector());
}
