#include "designer/support/FreeNotifiers.h"

#include <gtest/gtest.h>

#include <vector>

#include "designer/support/LinkedComponent.h"
#include "framework/classes/Component.h"

namespace {
struct TWatcher {
    std::vector<std::pair<int, const void*>> Calls;
    int Id = 0;
    const void* AlsoRemove = nullptr;
    void First(const void* A) {
        Calls.push_back({1, A});
        // Removing from inside the notification of the same address is a no-op.
        if (AlsoRemove) RemoveFreeNotifier(AlsoRemove, FreeNotifyMethod<&TWatcher::Second>(this));
    }
    void Second(const void* A) { Calls.push_back({2, A}); }
};
}  // namespace

TEST(FreeNotifiers, FreeingCallsEveryWatchOnceInRegistrationOrder) {
    TWatcher W;
    auto* Watched = new TObject();
    auto* Other = new TObject();
    AddFreeNotifier(Watched, FreeNotifyMethod<&TWatcher::Second>(&W));
    AddFreeNotifier(Watched, FreeNotifyMethod<&TWatcher::First>(&W));
    AddFreeNotifier(Watched, FreeNotifyMethod<&TWatcher::Second>(&W));
    W.AlsoRemove = Watched;
    Other->Free();  // unwatched: only freed
    EXPECT_TRUE(W.Calls.empty());
    const void* Address = Watched;
    Watched->Free();
    ASSERT_EQ(W.Calls.size(), 3u);
    EXPECT_EQ(W.Calls[0], std::make_pair(2, Address));
    EXPECT_EQ(W.Calls[1], std::make_pair(1, Address));
    EXPECT_EQ(W.Calls[2], std::make_pair(2, Address));
    EXPECT_EQ(WatchedAddressCount(), 0);
}

TEST(FreeNotifiers, OneRemoveDropsBothRegistrationsOfAMethod) {
    TWatcher W;
    auto* Watched = new TObject();
    AddFreeNotifier(Watched, FreeNotifyMethod<&TWatcher::Second>(&W));
    AddFreeNotifier(Watched, FreeNotifyMethod<&TWatcher::Second>(&W));
    AddFreeNotifier(nullptr, FreeNotifyMethod<&TWatcher::Second>(&W));
    RemoveFreeNotifier(Watched, FreeNotifyMethod<&TWatcher::Second>(&W));
    EXPECT_EQ(WatchedAddressCount(), 0);
    Watched->Free();
    EXPECT_TRUE(W.Calls.empty());
}

TEST(FreeNotifiers, LinkedComponentHearsOfAnyFreedObject) {
    TComponent Owner(nullptr);
    auto* Link = new TZelLinkedComponent(&Owner);
    std::vector<std::pair<const void*, TOperation>> Heard;
    Link->OnLinkNotification = [&](TObject* O, TOperation Op) { Heard.push_back({O, Op}); };

    auto* Plain = new TObject();  // not a component
    Link->SetLinkedObject(Plain);
    const void* Address = Plain;
    Plain->Free();
    EXPECT_EQ(Link->LinkedObject(), nullptr);
    ASSERT_EQ(Heard.size(), 1u);
    EXPECT_EQ(Heard[0], std::make_pair(Address, opRemove));

    // A component of the same owner that only leaves it: the link and its
    // watch go, so freeing the link later leaves nothing behind.
    auto* Sibling = new TComponent(&Owner);
    Link->SetLinkedObject(Sibling);
    Owner.RemoveComponent(Sibling);
    EXPECT_EQ(Link->LinkedObject(), nullptr);
    EXPECT_EQ(WatchedAddressCount(), 0);
    Link->Free();
    Sibling->Free();
}

TEST(FreeNotifiers, DefaultLinkTellsTheOwnerWithoutLooping) {
    struct TOwner : TComponent {
        using TComponent::TComponent;
        int Removes = 0;
        void Notification(TComponent* C, TOperation Op) override {
            if (Op == opRemove && C == Target) ++Removes;
            TComponent::Notification(C, Op);
        }
        const void* Target = nullptr;
    } Owner(nullptr);
    auto* Link = new TZelLinkedComponent(&Owner);
    auto* Watched = new TComponent(&Owner);
    Owner.Target = Watched;
    Link->SetLinkedObject(Watched);
    Watched->Free();
    EXPECT_EQ(Link->LinkedObject(), nullptr);
    EXPECT_GE(Owner.Removes, 2);  // its own notice and the link's
    EXPECT_EQ(WatchedAddressCount(), 0);
}

TEST(FreeNotifiers, DefaultLinkTellsTheOwnerOnlyOfLiveComponents) {
    struct TOwner : TComponent {
        using TComponent::TComponent;
        std::vector<std::string> Removed;
        void Notification(TComponent* C, TOperation Op) override {
            if (Op == opRemove) Removed.push_back(C->Name());  // a member call: C must still live
            TComponent::Notification(C, Op);
        }
    } Owner(nullptr);
    auto* Link = new TZelLinkedComponent(&Owner);
    Link->SetLinkedObject(new TObject());
    Link->LinkedObject()->Free();
    EXPECT_EQ(Link->LinkedObject(), nullptr);
    EXPECT_TRUE(Owner.Removed.empty());

    TComponent Elsewhere(nullptr);
    auto* Foreign = new TComponent(&Elsewhere);
    Foreign->SetName("Foreign");
    Link->SetLinkedObject(Foreign);
    Foreign->Free();
    EXPECT_EQ(Link->LinkedObject(), nullptr);
    EXPECT_EQ(Owner.Removed, std::vector<std::string>{"Foreign"});
    EXPECT_EQ(WatchedAddressCount(), 0);
}
