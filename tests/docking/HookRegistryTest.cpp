// The shared hook bookkeeping: reference-counted installation, what each
// registration acquired, and dispatch that survives faulty or
// self-modifying callbacks.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "docking/HookRegistry.h"

namespace {

std::vector<std::string> Calls;
THookRegistry* Current = nullptr;

void ProcA(THookKind, void*, uintptr_t, intptr_t) { Calls.push_back("A"); }
void ProcB(THookKind, void*, uintptr_t, intptr_t) { Calls.push_back("B"); }
void Throwing(THookKind, void*, uintptr_t, intptr_t) {
    Calls.push_back("throw");
    throw std::runtime_error("faulty callback");
}
void RemovesB(THookKind, void*, uintptr_t, intptr_t) {
    Calls.push_back("removesB");
    Current->Unregister(&ProcB);
}
void AddsA(THookKind, void*, uintptr_t, intptr_t) {
    Calls.push_back("addsA");
    Current->Register(&ProcA, {hkMouseMove}, true);
}

class HookRegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        Calls.clear();
        Current = &Registry;
    }
    void TearDown() override { Current = nullptr; }

    std::vector<std::string> Installs;
    bool Refuse = false;
    THookRegistry Registry{THookRegistry::TInstaller{
        [this](TThreadHook H) {
            if (Refuse) return false;
            Installs.push_back("+" + std::to_string(H));
            return true;
        },
        [this](TThreadHook H) { Installs.push_back("-" + std::to_string(H)); }}};
};

}  // namespace

TEST_F(HookRegistryTest, KindsNeedTheirHooks) {
    EXPECT_EQ(HooksForKinds({hkActivateApp}), TThreadHooks{thCallWndProc});
    EXPECT_EQ(HooksForKinds({hkActivateApp, hkWindowPosChanged}), TThreadHooks{thCallWndProc});
    EXPECT_EQ(HooksForKinds({hkActivate}), TThreadHooks{thCbt});
    EXPECT_EQ(HooksForKinds({hkActivateApp, hkMouseMove}), (TThreadHooks{thCallWndProc, thGetMessage}));
}

TEST_F(HookRegistryTest, RegisteringTwiceAndRemovingOnceKeepsEverything) {
    Registry.Register(&ProcA, {hkActivateApp, hkMouseMove}, false);
    Registry.Register(&ProcA, {hkActivateApp, hkMouseMove}, false);
    EXPECT_EQ(Installs, (std::vector<std::string>{"+0", "+2"}));
    Registry.Unregister(&ProcA);
    EXPECT_TRUE(Registry.IsRegistered(&ProcA));
    EXPECT_TRUE(Registry.Installed(thCallWndProc));
    EXPECT_TRUE(Registry.Installed(thGetMessage));
    Registry.Unregister(&ProcA);
    EXPECT_FALSE(Registry.HasCallbacks());
    EXPECT_FALSE(Registry.Installed(thCallWndProc));
    EXPECT_FALSE(Registry.Installed(thGetMessage));
    EXPECT_EQ(Installs, (std::vector<std::string>{"+0", "+2", "-0", "-2"}));
}

TEST_F(HookRegistryTest, ARegistrationWithoutInstallReleasesNothing) {
    Registry.Register(&ProcA, {hkActivateApp}, false);
    Registry.Register(&ProcB, {hkActivateApp}, true);  // a designed component
    EXPECT_EQ(Registry.RefCount(thCallWndProc), 1);
    Registry.Unregister(&ProcB);
    EXPECT_EQ(Registry.RefCount(thCallWndProc), 1);
    EXPECT_TRUE(Registry.Installed(thCallWndProc));
    Registry.Unregister(&ProcA);
    EXPECT_FALSE(Registry.Installed(thCallWndProc));
}

TEST_F(HookRegistryTest, EachRegistrationOfOneRoutineReleasesWhatItAcquired) {
    Registry.Register(&ProcA, {hkActivate}, true);
    Registry.Register(&ProcA, {hkActivate}, false);
    Registry.Unregister(&ProcA);  // releases the installing registration
    Registry.Unregister(&ProcA);
    EXPECT_EQ(Registry.RefCount(thCbt), 0);
    EXPECT_FALSE(Registry.Installed(thCbt));
}

TEST_F(HookRegistryTest, EventsReachOnlyTheirKind) {
    Registry.Register(&ProcA, {hkActivateApp}, false);
    Registry.Register(&ProcB, {hkWindowPosChanged}, false);
    Registry.Dispatch(hkActivateApp, nullptr, 1, 0);
    EXPECT_EQ(Calls, std::vector<std::string>{"A"});
    Calls.clear();
    Registry.Dispatch(hkWindowPosChanged, nullptr, 0, 0);
    EXPECT_EQ(Calls, std::vector<std::string>{"B"});
    Calls.clear();
    Registry.Dispatch(hkMouseMove, nullptr, 0, 0);
    EXPECT_TRUE(Calls.empty());
}

TEST_F(HookRegistryTest, AFaultyCallbackDoesNotStopTheOthers) {
    Registry.Register(&Throwing, {hkMouseMove}, false);
    Registry.Register(&ProcA, {hkMouseMove}, false);
    EXPECT_NO_THROW(Registry.Dispatch(hkMouseMove, nullptr, 0, 0));
    EXPECT_EQ(Calls, (std::vector<std::string>{"throw", "A"}));
}

TEST_F(HookRegistryTest, CallbacksMayChangeTheListWhileDispatching) {
    Registry.Register(&RemovesB, {hkMouseMove}, false);
    Registry.Register(&ProcB, {hkMouseMove}, false);
    Registry.Register(&AddsA, {hkMouseMove}, false);
    Registry.Dispatch(hkMouseMove, nullptr, 0, 0);
    // B was removed before its turn; A joined during the dispatch and waits
    // for the next event.
    EXPECT_EQ(Calls, (std::vector<std::string>{"removesB", "addsA"}));
    Calls.clear();
    Registry.Dispatch(hkMouseMove, nullptr, 0, 0);
    EXPECT_EQ(Calls, (std::vector<std::string>{"removesB", "addsA", "A"}));
}

TEST_F(HookRegistryTest, ARefusedInstallationIsTriedAgain) {
    Refuse = true;
    Registry.Register(&ProcA, {hkActivate}, false);
    EXPECT_FALSE(Registry.Installed(thCbt));
    Refuse = false;
    Registry.Register(&ProcB, {hkActivate}, false);
    EXPECT_TRUE(Registry.Installed(thCbt));
    EXPECT_EQ(Registry.RefCount(thCbt), 2);
}

TEST_F(HookRegistryTest, ReleaseNeverGoesBelowZeroAndForceRemoves) {
    Registry.Release({thGetMessage}, false);
    EXPECT_EQ(Registry.RefCount(thGetMessage), 0);
    Registry.Acquire({thGetMessage});
    Registry.Acquire({thGetMessage});
    Registry.Release({thGetMessage}, true);
    EXPECT_FALSE(Registry.Installed(thGetMessage));
    EXPECT_EQ(Registry.RefCount(thGetMessage), 1);
}

TEST_F(HookRegistryTest, ShutdownRemovesEveryHookAndCallback) {
    Registry.Register(&ProcA, {hkActivateApp, hkActivate, hkMouseMove}, false);
    Registry.Shutdown();
    EXPECT_FALSE(Registry.HasCallbacks());
    for (TThreadHook H : {thCallWndProc, thCbt, thGetMessage}) {
        EXPECT_FALSE(Registry.Installed(H));
        EXPECT_EQ(Registry.RefCount(H), 0);
    }
}
