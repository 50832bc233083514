#include "designer/support/MessageBus.h"

#include <gtest/gtest.h>

#include <string>

#include "designer/support/Verbs.h"
#include "framework/classes/TypeInfo.h"

namespace {
std::string GLog;

class TProbe : public TObject {
    QRN_CLASS(TProbe, TObject)
public:
    explicit TProbe(char Tag, intptr_t Answer = 0) : FTag(Tag), FAnswer(Answer) {}
    TObject* RemoveOnCall = nullptr;
    void Query(TZelMessage& M) {
        GLog += FTag;
        if (FAnswer) M.Result = FAnswer;
        if (RemoveOnCall) RemoveListener(RemoveOnCall);
    }
    void Verbs(TZelMessage& M) { GLog += std::to_string(M.Msg) + " "; }

private:
    char FTag;
    intptr_t FAnswer;
};

struct BusTest : ::testing::Test {
    void SetUp() override { GLog.clear(); }
    void TearDown() override {
        ShutdownListeners();
        ShutdownObjectParams();
        ResetVerbUpdates();
    }
};
}  // namespace

QRN_PUBLISHED(TProbe) {
    B.Message(QueryPackageUnloadMessage, &TProbe::Query);
    B.Message(BeginVerbUpdateMessage, &TProbe::Verbs);
    B.Message(EndVerbUpdateMessage, &TProbe::Verbs);
    B.Message(VerbsChangedMessage, &TProbe::Verbs);
}

TEST_F(BusTest, NewestFirstAndReAddMovesToFront) {
    TProbe A('a'), B('b'), C('c');
    AddListener(&A);
    AddListener(&B);
    AddListener(&C);
    AddListener(&A);
    EXPECT_EQ(ListenerCount(), 3);
    EXPECT_TRUE(BroadcastToListeners(nullptr, QueryPackageUnloadMessage, 0, 0));
    EXPECT_EQ(GLog, "acb");
    BroadcastSimple(PackageLoadedMessage);  // unhandled: ignored
    EXPECT_EQ(GLog, "acb");
}

TEST_F(BusTest, RemovalDuringBroadcastSkipsNoneAndRepeatsNone) {
    TProbe A('a'), B('b'), C('c'), D('d');
    for (TProbe* P : {&A, &B, &C, &D}) AddListener(P);
    C.RemoveOnCall = &C;  // itself
    BroadcastToListeners(nullptr, QueryPackageUnloadMessage, 0, 0);
    EXPECT_EQ(GLog, "dcba");
    GLog.clear();
    D.RemoveOnCall = &A;  // one not yet served
    B.RemoveOnCall = &D;  // one already served
    BroadcastToListeners(nullptr, QueryPackageUnloadMessage, 0, 0);
    EXPECT_EQ(GLog, "db");
}

TEST_F(BusTest, FirstAnswerStopsAndIsTheNewest) {
    TProbe Old('o', 1), New('n', 2), Silent('s');
    AddListener(&Old);
    AddListener(&New);
    AddListener(&Silent);
    EXPECT_FALSE(BroadcastUntilAnswered(nullptr, QueryPackageUnloadMessage, 0, 0));
    EXPECT_EQ(GLog, "sn");
}

TEST_F(BusTest, VerbBracketsAndCaseInsensitiveLookup) {
    TProbe P('p');
    AddListener(&P);
    EndVerbUpdate();  // unmatched: nothing
    EXPECT_EQ(GLog, "");
    static int Runs = 0;
    BeginVerbUpdate();
    BeginVerbUpdate();
    RegisterVerbs({{"View.AlignmentPalette", nullptr, [] { ++Runs; }},
                   {"View.PackagesConfig", [](uint8_t& S) { S &= ~VerbEnabled; }, nullptr}});
    EndVerbUpdate();
    EXPECT_EQ(GLog, "2055 ");
    EndVerbUpdate();
    EXPECT_EQ(GLog, "2055 2053 2045 ");

    TVerbStateProc State = nullptr;
    TVerbExecuteProc Execute = nullptr;
    ASSERT_NE(FindVerb("view.alignmentpalette", State, Execute), nullptr);
    EXPECT_EQ(State, nullptr);
    ASSERT_NE(Execute, nullptr);
    Execute();
    EXPECT_EQ(Runs, 1);
    ASSERT_NE(FindVerb("VIEW.PACKAGESCONFIG", State, Execute), nullptr);
    uint8_t S = VerbVisible | VerbEnabled;
    State(S);
    EXPECT_EQ(S, VerbVisible);
    EXPECT_EQ(FindVerb("View.Missing", State, Execute), nullptr);
}

TEST_F(BusTest, ObjectParamsMatchByTypeCaseAndPart) {
    AddObjectParams(TObject::StaticClass(), {{"Kind", Variant("Edit")}, {"Kind", Variant("Memo")}}, false);
    auto* Base = AddObjectParams(TObject::StaticClass(), {{"Kind", Variant("Memo")}, {"Size", Variant(3)}});
    auto* Probe = AddObjectParams(TProbe::StaticClass(), {{"Kind", Variant("Memo")}});
    EXPECT_EQ(GetParam(Base, "size").AsInteger(), 3);
    EXPECT_TRUE(GetParam(Base, "Missing").IsEmpty());
    // The disabled first entry is skipped; a subclass finds its base's entry first.
    EXPECT_EQ(FindObjectParams(TProbe::StaticClass(), {{"Kind", Variant("Memo")}}), Base);
    EXPECT_EQ(FindObjectParamsOfClass(TProbe::StaticClass(), {{"Kind", Variant("Memo")}}), Probe);
    EXPECT_EQ(FindObjectParams(TProbe::StaticClass(), {{"Size", Variant("3")}}), nullptr);  // other type
    EXPECT_EQ(FindObjectParams(TProbe::StaticClass(), {{"Kind", Variant("memo")}}), nullptr);
    EXPECT_EQ(FindObjectParams(TProbe::StaticClass(), {{"Kind", Variant("em")}}, {pmoIgnoreCase, pmoPartial}), Base);
}
