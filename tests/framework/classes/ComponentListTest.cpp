#include <gtest/gtest.h>

#include "framework/classes/ComponentList.h"

// A freed component leaves every list holding it (also twice in one list);
// a list that goes first leaves no link behind in the components.
TEST(ComponentList, ForgetsFreedComponentsAndLeavesNoLinks) {
    TComponent* Owner = new TComponent(nullptr);
    TComponent* A = new TComponent(Owner);
    TComponent* B = new TComponent(Owner);
    TComponentList L1;
    {
        TComponentList L2;
        L1.Add(A);
        L1.Add(B);
        L1.Add(A);
        L2.Add(A);
        L1.Remove(A);  // one A stays in L1: still watched
        A->Free();
        EXPECT_EQ(L1.Count(), 1);
        EXPECT_EQ(L1[0], B);
        EXPECT_EQ(L2.Count(), 0);
        L2.Add(B);
    }
    B->Free();  // L2 went first: nothing may reach it now
    EXPECT_EQ(L1.Count(), 0);
    Owner->Free();
}
