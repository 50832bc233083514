// An ActiveX control as a person uses it in the designer: made known in
// the Packages dialog, inserted from its palette button, edited in the
// inspector, saved and found again in a second run, dropped again; and a
// control file that cannot be registered is reported.
#include <gtest/gtest.h>

#include "designer/engine/win/ZelOleControlImpl.h"
#include "designer/inspector/win/ObjectInspector.h"
#include "designer/support/win/AxDispatch.h"
#include "designer/support/win/CompPalette.h"
#include "designer/support/win/PackCfgForm.h"
#include "designer/support/win/RegistryValues.h"
#include "framework/controls/ModalHook.h"
#include "framework/ole/OleStrings.h"
#include "framework/rtl/win/WideText.h"
#include "tests/common/win/KeyInput.h"
#include "tests/designer/host/user/win/DesignedFormFile.h"
#include "tests/designer/host/user/win/DesignerSession.h"
#include "tests/fakes/FakeAxControl.h"

namespace {

// The fake control has no type library: its row shows its description.
constexpr const char* GaugeRow = "Fake Gauge";
constexpr const char* DialogTitle = "Packages/ActiveX";

TPaletteButton* GaugeButton(TDesignerSession& S) {
    auto* Palette = static_cast<TZelCompPalette*>(S.Host()->ZelCompPalette1);
    for (int I = 0; I < Palette->ActiveXButtons()->Count(); ++I)
        if (auto* D = static_cast<TButtonData*>(Palette->ActiveXButtons()->Items(I));
            IsEqualGUID(D->ClassID, CLSID_FakeGauge))
            return D->Button;
    return nullptr;
}

// The host has no command for the dialog (the palette window that has
// one is not shown by this host): it is opened as that command opens it.
TUserScript OpenPackagesDialog(TDesignerSession& S) {
    ShowPackagesDialog();
    if (!co_await TUntil{[&] { return S.Window(DialogTitle) != nullptr; }})
        throw std::runtime_error("the Packages dialog did not open");
}

// A click on the check box of the fake control's row.
TUserScript ClickGaugeCheck(TDesignerSession& S) {
    TZelCheckListBox* List = PackagesDialog()->ActiveXList;
    const int Box = GetSystemMetrics(SM_CXMENUCHECK) / 2 + 2;
    if (!co_await TUntil{[&] { return S.ListBoxItem(List->Handle(), GaugeRow, Box).has_value(); }})
        throw std::runtime_error("the Packages dialog lists no fake control");
    co_await S.Click(*S.ListBoxItem(List->Handle(), GaugeRow, Box));
}

TUserScript CloseWindow(TDesignerSession& S, std::string Title) {
    if (HWND W = S.Window(Title)) PostMessageA(W, WM_SYSCOMMAND, SC_CLOSE, 0);
    co_await TUntil{[&] { return S.Window(Title) == nullptr; }};
}

TUserScript ClickTab(TDesignerSession& S, TWinControl* Tabs, std::string Caption) {
    if (!co_await TUntil{[&] { return S.TabPoint(Tabs, Caption).has_value(); }})
        throw std::runtime_error("no tab reads " + Caption);
    co_await S.Click(*S.TabPoint(Tabs, Caption));
}

// The host's events page lists string properties too, and so no events
// of ActiveX controls: a page of events alone lists them.
TUserScript ShowEvents(TDesignerSession& S) {
    S.Host()->events_inspector->SetFilter(tkMethods);
    co_await ClickTab(S, S.Host()->PageControl2, "Events");
    S.ActOnEvents(true);
}

TUserScript ShowProperties(TDesignerSession& S) {
    co_await ClickTab(S, S.Host()->PageControl2, "Properties");
    S.ActOnEvents(false);
}

long GaugeValue(TZelOLEControl* Gauge) {
    TOleVariant V;
    GetDispatchProperty(static_cast<IDispatch*>(Gauge->GetOleObject()), FakeDispValue, V);
    return V.Type() == VT_I4 ? V->lVal : -1;
}

std::string GaugeLines(TZelOLEControl* Gauge) {
    TOleVariant V;
    GetDispatchProperty(static_cast<IDispatch*>(Gauge->GetOleObject()), FakeDispLines, V);
    TComPtr<IStrings> Lines;
    if (V.Type() != VT_DISPATCH || !V->pdispVal || FAILED(V->pdispVal->QueryInterface(IID_IStrings, Lines.PutVoid())))
        return "(none)";
    TStringList Text;
    SetOleStrings(&Text, Lines.Get());
    return Text.Text();
}

class ActiveX : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(RegisterFakeAxControl());
        // A run that stopped early may have left the control known.
        const TStringList None;
        SaveStringsToRegistry("KnownActiveXs", &None);
    }
};

}  // namespace

TEST_F(ActiveX, AKnownControlIsInsertedEditedSavedAndFoundInTheNextRun) {
    TDesignerSession S;
    S.BuildForm([](TForm* F) { Add<TButton>(F, "B", "Go", 24, 320); });
    ASSERT_TRUE(S.Run([](TDesignerSession& S) -> TUserScript {
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Control("B"); }});
        co_await OpenPackagesDialog(S);
        co_await ClickGaugeCheck(S);
        SCRIPT_ASSERT(co_await TUntil{[&] { return GaugeButton(S) != nullptr; }});
        co_await CloseWindow(S, DialogTitle);

        // From its palette button onto the window.
        co_await ClickTab(S, S.Host()->ZelCompPalette1, "ActiveX");
        SCRIPT_ASSERT(co_await TUntil{[&] {
            TPaletteButton* B = GaugeButton(S);
            return B && B->Showing();
        }});
        co_await S.Click(S.Middle(GaugeButton(S)));
        co_await S.Click(S.Designed()->ClientToScreen({200, 100}));
        SCRIPT_ASSERT(co_await TUntil{[&] { return dynamic_cast<TZelOLEControl*>(S.Control("Gauge1")); }});

        // A property of the control, and its string list in the editor.
        co_await S.TypeValue("Value", "42");
        co_await S.ClickRow("Lines");
        EXPECT_EQ(S.EditorText(), "(Strings)");
        SCRIPT_ASSERT(S.EditorButton());
        co_await S.Click(*S.EditorButton());
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Window("Editing Lines") != nullptr; }});
        RECT D{};
        GetWindowRect(S.Window("Editing Lines"), &D);
        co_await S.Click({(D.left + D.right) / 2, (D.top + D.bottom) / 2});
        co_await S.Type("one");
        co_await S.Click(*S.ChildPoint(S.Window("Editing Lines"), "OK"));
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Window("Editing Lines") == nullptr; }});
        EXPECT_EQ(GaugeLines(static_cast<TZelOLEControl*>(S.Control("Gauge1"))), "one\r\n");

        // A handler of the button's click, then one of the control's event:
        // the control's event is offered only the handlers that fit it.
        co_await ShowEvents(S);
        co_await S.Click(S.Middle("B"));
        co_await S.TypeValue("OnClick", "BClick");
        co_await S.Click(S.Middle("Gauge1"));
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Inspector()->FirstSelected() == S.Control("Gauge1"); }});
        co_await S.TypeValue("Changed", "Gauge1Changed");
        co_await S.ClickRow("Changed");
        SCRIPT_ASSERT(S.EditorButton());
        co_await S.Click(*S.EditorButton());
        EXPECT_TRUE(co_await TUntil{[&] { return S.ListItem("Gauge1Changed").has_value(); }});
        EXPECT_FALSE(S.ListItem("BClick").has_value());
        co_await S.Key(VK_ESCAPE);
        co_await ShowProperties(S);
        co_await S.CloseDesigned();
    }));
    {
        const TSavedForm Saved(S.FormFile());
        auto* Gauge = dynamic_cast<TZelOLEControl*>(Saved.Find("Gauge1"));
        ASSERT_NE(Gauge, nullptr);
        EXPECT_EQ(GaugeValue(Gauge), 42);
        EXPECT_EQ(GaugeLines(Gauge), "one\r\n");
        EXPECT_EQ(Gauge->GetEventHandler(FakeEventChanged), "Gauge1Changed");
    }

    // The next run in the same process: the control with its values, its
    // rows and its palette button; unchecked, it leaves the palette.
    ASSERT_TRUE(S.Run([](TDesignerSession& S) -> TUserScript {
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Control("Gauge1"); }});
        EXPECT_NE(GaugeButton(S), nullptr);
        co_await S.Click(S.Middle("Gauge1"));
        co_await S.ClickRow("Value");
        EXPECT_EQ(S.EditorText(), "42");
        co_await S.ClickRow("Lines");
        EXPECT_EQ(S.EditorText(), "(Strings)");
        co_await ShowEvents(S);
        co_await S.ClickRow("Changed");
        EXPECT_EQ(S.EditorText(), "Gauge1Changed");
        co_await ShowProperties(S);

        co_await OpenPackagesDialog(S);
        co_await ClickGaugeCheck(S);
        EXPECT_TRUE(co_await TUntil{[&] { return GaugeButton(S) == nullptr; }});
        co_await CloseWindow(S, DialogTitle);
        co_await S.CloseDesigned();
    }));
    TStringList Known;
    LoadStringsFromRegistry("KnownActiveXs", &Known);
    EXPECT_EQ(Known.Count(), 0) << Known.Text();
}

TEST_F(ActiveX, APastedControlIsNamedAfterItsControlAndUndoneAsAnyOther) {
    TDesignerSession S;
    S.BuildForm([](TForm* F) {
        auto* W = new TZelOLEControl(F, CLSID_FakeGauge);
        W->SetName("Meter");
        W->SetParent(F);
        W->SetBounds(24, 24, 121, 121);
    });
    ASSERT_TRUE(S.Run([](TDesignerSession& S) -> TUserScript {
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Control("Meter"); }});
        // This host replays no undo; a host that lets its designer undo.
        S.Host()->DesignerComponent->SetAllowUndo(true);
        co_await S.Click(S.Middle("Meter"));
        co_await S.Key('C', kmCtrl);
        co_await S.Key('V', kmCtrl);
        SCRIPT_ASSERT(co_await TUntil{[&] { return dynamic_cast<TZelOLEControl*>(S.Control("Gauge1")); }});
        co_await S.Key(VK_DELETE);
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Control("Gauge1") == nullptr; }});
        co_await S.Key('Z', kmCtrl);
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Control("Gauge1") != nullptr; }});
        co_await S.CloseDesigned();
    }));
    const TSavedForm Saved(S.FormFile());
    EXPECT_NE(dynamic_cast<TZelOLEControl*>(Saved.Find("Meter")), nullptr);
    EXPECT_NE(dynamic_cast<TZelOLEControl*>(Saved.Find("Gauge1")), nullptr);
}

TEST_F(ActiveX, AFileThatCannotBeRegisteredIsReported) {
    TDesignerSession S;
    S.BuildForm([](TForm*) {});
    const std::string Broken = S.Dir.Write("broken.ocx", "not a library");
    // The file is chosen in the open dialog.
    const TModalDialogHook Old = SetModalDialogHook([&](const TDialogRequest& R) -> std::optional<int> {
        if (R.Kind != dkCommonDialog || R.DialogClass != "TOpenDialog") return std::nullopt;
        auto* Open = static_cast<TOpenDialog*>(R.Dialog);
        Open->SetFileName(Broken);
        Open->Files()->Clear();
        Open->Files()->Add(Broken);
        return 1;
    });
    EXPECT_TRUE(S.Run([&](TDesignerSession& S) -> TUserScript {
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Designed(); }});
        co_await OpenPackagesDialog(S);
        co_await S.Click(S.Middle(PackagesDialog()->AddButton));
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Box() != nullptr; }});
        EXPECT_NE(S.BoxText(S.Box()).find("Failed to load \"" + Broken + "\""), std::string::npos)
            << S.BoxText(S.Box());
        PostMessageA(S.Box(), WM_COMMAND, IDOK, 0);
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Box() == nullptr; }});
        // The dialog goes on.
        EXPECT_NE(S.Window(DialogTitle), nullptr);
        co_await CloseWindow(S, DialogTitle);
        co_await S.CloseDesigned();
    }));
    SetModalDialogHook(Old);
}
