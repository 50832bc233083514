#include <gtest/gtest.h>

#include "designer/support/FreeNotifiers.h"
#include "designer/support/MessageBus.h"
#include "designer/support/Verbs.h"
#include "designer/support/win/ActiveXSupport.h"
#include "designer/support/win/AxControlInfo.h"
#include "designer/support/win/DesignApplication.h"
#include "designer/support/win/DesignLibrary.h"
#include "designer/support/win/OptionExt.h"
#include "designer/support/win/VerbDispatcher.h"
#include "framework/menus/Menus.h"
#include "framework/stdctrls/StdCtrls.h"
#include "tests/designer/support/win/DesignerKey.h"

namespace {
class TCountedOptions : public TOptionExt {
    QRN_CLASS(TCountedOptions, TOptionExt)
public:
    int Width = 0;
};

class TAxProbe : public TObject {
    QRN_CLASS(TAxProbe, TObject)
public:
    std::vector<std::pair<uint32_t, intptr_t>> Seen;
    void Heard(TZelMessage& M) { Seen.push_back({M.Msg, M.WParam}); }
};

struct TFreedCounter {
    int Calls = 0;
    void Freed(const void*) { ++Calls; }
};

struct DesignLibraryTest : ::testing::Test {
    TDesignerScratchKey Base;
};
}  // namespace

QRN_PUBLISHED(TCountedOptions) { B.Prop("Width", &TCountedOptions::Width); }
QRN_PUBLISHED(TAxProbe) {
    B.Message(ActiveXAddedMessage, &TAxProbe::Heard);
    B.Message(ActiveXRemovedMessage, &TAxProbe::Heard);
}

TEST_F(DesignLibraryTest, EndSavesOptionsAndUndoesTheStartSoTheNextStartsClean) {
    EXPECT_FALSE(DesignLibraryStarted());
    EXPECT_EQ(DesignApplication, nullptr);
    TFreedCounter Counter;
    auto Kept = std::make_unique<TObject>();  // outlives both sessions
    for (int Round = 1; Round <= 2; ++Round) {
        TDesignLibrarySession Session;
        {
            TDesignLibrarySession Nested;  // only the outermost works
        }
        ASSERT_NE(DesignApplication, nullptr);
        auto* Options = TOptionExt::Global<TCountedOptions>();
        EXPECT_EQ(Options->Width, Round == 1 ? 0 : 100);
        Options->Width = 100 * Round;
        TObject Listener;
        AddListener(&Listener);
        AddFreeNotifier(Kept.get(), FreeNotifyMethod<&TFreedCounter::Freed>(&Counter));
        RegisterVerb("View.Sample", nullptr, nullptr);
    }
    EXPECT_FALSE(DesignLibraryStarted());
    EXPECT_EQ(DesignApplication, nullptr);
    EXPECT_EQ(ListenerCount(), 0);
    EXPECT_EQ(WatchedAddressCount(), 0);
    EXPECT_EQ(TOptionExt::GetGlobalOptionsInstance(TCountedOptions::StaticClass()), nullptr);
    EXPECT_EQ(ObjectParamList().Count(), 0);
    EXPECT_EQ(Base.Open("CountedOptions").ReadInteger("Width"), 200);
    Kept.reset();
    EXPECT_EQ(Counter.Calls, 0);
}

TEST_F(DesignLibraryTest, KnownActiveXsAreKeptByTypeLibrary) {
    TDesignLibrarySession Session;
    TAxProbe Probe;
    AddListener(&Probe);
    TCollection Controls(TAxControlInfo::StaticClass());
    auto* Info = static_cast<TAxControlInfo*>(Controls.Add());
    Info->TypeLibID = StringToCLSID("{12345678-1234-1234-1234-123456789ABC}");
    DesignApplication->AddKnownActiveX(Info);
    DesignApplication->AddKnownActiveX(Info);  // already known: nothing new, still told
    EXPECT_EQ(DesignApplication->KnownActiveXs()->Count(), 1);
    EXPECT_TRUE(DesignApplication->IsKnownActiveX(Info->TypeLibID));
    EXPECT_EQ(Base.Open("").ReadString("KnownActiveXs"), "{12345678-1234-1234-1234-123456789ABC}\r\n");
    DesignApplication->RemoveKnownActiveX(Info);
    DesignApplication->RemoveKnownActiveX(Info);  // unknown: not told
    const auto Info64 = reinterpret_cast<intptr_t>(Info);
    EXPECT_EQ(Probe.Seen, (std::vector<std::pair<uint32_t, intptr_t>>{
                              {ActiveXAddedMessage, Info64}, {ActiveXAddedMessage, Info64}, {ActiveXRemovedMessage, Info64}}));
    EXPECT_EQ(Base.Open("").ReadString("KnownActiveXs"), "");
}

namespace {
uint8_t GSampleState = VerbVisible | VerbEnabled | VerbChecked;
int GSampleRuns = 0;
}  // namespace

TEST_F(DesignLibraryTest, VerbItemsShowTheVerbStateAndRunItOnClick) {
    TDesignLibrarySession Session;
    RegisterVerb("View.Sample", [](uint8_t& S) { S = GSampleState; }, [] { ++GSampleRuns; });
    TComponent Owner(nullptr);
    auto* Dispatcher = new TVerbDispatcher(&Owner);
    auto* Menu = new TMenuItem(&Owner);
    auto* Button = new TButton(&Owner);
    auto* Plain = new TComponent(&Owner);
    Plain->SetName("Plain");
    auto AddItem = [&](TComponent* Target) {
        auto* Item = static_cast<TVerbListItem*>(Dispatcher->VerbList()->Add());
        Item->SetVerbName("  view.sample ");
        Item->SetVerbComp(Target);
        return Item;
    };
    TVerbListItem* MenuVerb = AddItem(Menu);
    TVerbListItem* ButtonVerb = AddItem(Button);
    TVerbListItem* PlainVerb = AddItem(Plain);
    EXPECT_EQ(MenuVerb->VerbName(), "view.sample");
    EXPECT_TRUE(MenuVerb->Bound());
    EXPECT_TRUE(Menu->Checked());
    EXPECT_TRUE(Menu->Enabled());
    EXPECT_FALSE(PlainVerb->Bound());  // no target for its class: unbound
    EXPECT_EQ(PlainVerb->GetDisplayName(), "Plain - view.sample");

    Menu->OnClick(Menu);
    Button->OnClick(Button);
    EXPECT_EQ(GSampleRuns, 2);

    GSampleState = VerbVisible;
    VerbsChanged();  // 2045: every item asks again
    EXPECT_FALSE(Menu->Enabled());
    EXPECT_FALSE(Menu->Checked());
    EXPECT_FALSE(Button->Enabled());

    Button->Free();  // a bound component going away is forgotten
    EXPECT_EQ(ButtonVerb->VerbComp(), nullptr);
    EXPECT_FALSE(ButtonVerb->Bound());
    Dispatcher->Free();  // its items let go of the menu item's click
    EXPECT_FALSE(Menu->OnClick);
}
