// The ActiveX wrapper around the fake control of tests/fakes: hosting,
// events to OnOleEvent, the event sink's life, the form stream.
#include <gtest/gtest.h>

#include "designer/engine/win/OleEventSink.h"
#include "designer/engine/win/ZelOleControlImpl.h"
#include "designer/support/win/AxDispatch.h"
#include "designer/support/win/SharedRoutines.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/classes/Filer.h"
#include "framework/ole/OleControlSite.h"
#include "tests/common/win/Pump.h"
#include "tests/fakes/FakeAxControl.h"

namespace {

class ZelOleControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        OleInitialize(nullptr);
        ASSERT_TRUE(RegisterFakeAxControl());
        if (!GetClass("TZelOLEControl")) RegisterClass(TZelOLEControl::StaticClass());
        Form = NewForm();
    }
    void TearDown() override {
        if (Form) Form->Free();
        Pump();
        OleUninitialize();
    }
    static TForm* NewForm() {
        auto* F = new TForm(nullptr);
        F->SetBounds(0, 0, 300, 200);
        return F;
    }
    TZelOLEControl* NewGauge(TForm* F) {
        auto* W = new TZelOLEControl(F, CLSID_FakeGauge);
        W->SetName("Gauge1");
        W->SetParent(F);
        return W;
    }
    static void SetValue(TZelOLEControl* W, long Value) {
        TOleVariant V;
        V->vt = VT_I4;
        V->lVal = Value;
        SetDispatchProperty(static_cast<IDispatch*>(W->GetOleObject()), FakeDispValue, *V.Get());
    }
    TForm* Form = nullptr;
};

struct TFired {
    std::string Name;
    int ArgCount = 0;
    long Value = 0;
    bool ControlLast = false;
};

}  // namespace

TEST_F(ZelOleControlTest, HostsTheControlWithItsClassNameAndEvents) {
    TZelOLEControl* W = NewGauge(Form);
    EXPECT_EQ(W->GetOleClassName(), "TGauge");
    ASSERT_NE(W->GetOleObject(), nullptr);
    EXPECT_NE(W->EventConnection(), 0u);
    EXPECT_EQ(FakeAxStats().Sinks, 1);
    EXPECT_FALSE(W->Control()->ControlStyle().Contains(csAcceptsControls));
    Form->Show();
    Pump();
    EXPECT_EQ(W->Control()->Parent(), W);
    EXPECT_TRUE(W->Control()->InPlaceActive());
    // A size the control refuses: the wrapper takes the control's size.
    W->SetBounds(4, 4, 5, 50);
    EXPECT_EQ(W->Width(), HimetricToPixels({FakeGaugeMinWidth, 0}).cx);
    EXPECT_EQ(W->Height(), 50);
}

// At run time an event reaches OnOleEvent only with a handler name, its
// arguments as automation passed them and the control last; in design
// mode nothing is passed on.
TEST_F(ZelOleControlTest, EventsReachOnOleEventByHandlerName) {
    TZelOLEControl* W = NewGauge(Form);
    std::vector<TFired> Fired;
    W->OnOleEvent = [&](const char* Name, int ArgCount, VARIANT* Args, VARIANT&) {
        Fired.push_back({Name, ArgCount, Args[0].lVal,
                         Args[ArgCount - 1].vt == VT_DISPATCH && Args[ArgCount - 1].pdispVal != nullptr});
    };
    SetValue(W, 1);
    EXPECT_TRUE(Fired.empty());

    W->SetEventHandler(FakeEventChanged, "Gauge1Changed");
    SetValue(W, 42);
    ASSERT_EQ(Fired.size(), 1u);
    EXPECT_EQ(Fired[0].Name, "Gauge1Changed");
    EXPECT_EQ(Fired[0].ArgCount, 2);
    EXPECT_EQ(Fired[0].Value, 42);
    EXPECT_TRUE(Fired[0].ControlLast);

    SetComponentDesigning(W, true);
    SetValue(W, 7);
    EXPECT_EQ(Fired.size(), 1u);
}

// A designed wrapper's control is told it is not in user mode.
TEST_F(ZelOleControlTest, DesignedControlSeesDesignMode) {
    TZelOLEControl* W = NewGauge(Form);
    SetComponentDesigning(W, true);
    Form->Show();
    Pump();
    ASSERT_TRUE(W->Control()->InPlaceActive());
    EXPECT_EQ(FakeAxStats().LastUserMode, 0);
}

TEST_F(ZelOleControlTest, OneHandlerEntryPerDispID) {
    TZelOLEControl W(nullptr);
    W.SetEventHandler(5, "");
    EXPECT_TRUE(W.Events().empty());
    W.SetEventHandler(5, "A");
    W.SetEventHandler(5, "B");
    W.SetEventHandler(6, "C");
    ASSERT_EQ(W.Events().size(), 2u);
    EXPECT_EQ(W.GetEventHandler(5), "B");
    W.SetEventHandler(5, "");
    EXPECT_EQ(W.GetEventHandler(5), "");
    EXPECT_EQ(W.GetEventHandler(6), "C");
    EXPECT_EQ(W.Width(), 121);
    EXPECT_EQ(W.Control(), nullptr);
    EXPECT_FALSE(GetPropInfo(&W, "Hint")->Writable());
    EXPECT_FALSE(GetPropInfo(&W, "Cursor")->Writable());
}

// The sink is unadvised and everything of the control released with the
// wrapper; a sink someone still holds has lost its wrapper, ignores
// events and goes with its last reference.
TEST_F(ZelOleControlTest, DestroyingReleasesControlAndSink) {
    TZelOLEControl* W = NewGauge(Form);
    W->SetEventHandler(FakeEventChanged, "Gauge1Changed");
    Form->Show();
    Pump();
    TOLEEventDispatch* Sink = W->EventSink();
    Sink->AddRef();
    W->Free();
    EXPECT_EQ(FakeAxStats().LiveObjects, 0);
    EXPECT_EQ(FakeAxStats().Sinks, 0);
    EXPECT_EQ(Sink->Owner(), nullptr);
    VARIANT Arg;
    Arg.vt = VT_I4;
    Arg.lVal = 1;
    DISPPARAMS Params{&Arg, nullptr, 1, 0};
    EXPECT_EQ(Sink->Invoke(FakeEventChanged, IID_NULL, 0, DISPATCH_METHOD, &Params, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(Sink->Release(), 0u);
}

// Class id, handler names and the control's own state survive the form
// stream; a wrapper without class id writes the null id and no data.
TEST_F(ZelOleControlTest, FormStreamRoundTrip) {
    TZelOLEControl* W = NewGauge(Form);
    W->SetEventHandler(FakeEventChanged, "Gauge1Changed");
    SetValue(W, 42);
    auto* Empty = new TZelOLEControl(Form);
    Empty->SetName("Empty1");
    Empty->SetParent(Form);
    TMemoryStream S;
    TWriter(&S).WriteRootComponent(Form);
    const std::string Bytes(static_cast<const char*>(S.Memory()), static_cast<size_t>(S.Size()));
    EXPECT_EQ(Bytes.find("ControlData"), Bytes.rfind("ControlData"));  // only the hosted control has data
    EXPECT_NE(Bytes.find("{00000000-0000-0000-0000-000000000000}"), std::string::npos);

    TForm* Copy = NewForm();
    S.SetPosition(0);
    TReader(&S).ReadRootComponent(Copy);
    auto* W2 = dynamic_cast<TZelOLEControl*>(Copy->FindComponent("Gauge1"));
    ASSERT_NE(W2, nullptr);
    EXPECT_TRUE(IsEqualGUID(W2->ClassID(), CLSID_FakeGauge));
    EXPECT_EQ(W2->GetEventHandler(FakeEventChanged), "Gauge1Changed");
    TOleVariant V;
    ASSERT_EQ(GetDispatchProperty(static_cast<IDispatch*>(W2->GetOleObject()), FakeDispValue, V), S_OK);
    EXPECT_EQ(V->lVal, 42);
    auto* Empty2 = dynamic_cast<TZelOLEControl*>(Copy->FindComponent("Empty1"));
    ASSERT_NE(Empty2, nullptr);
    EXPECT_EQ(Empty2->Control(), nullptr);
    Copy->Free();
}
