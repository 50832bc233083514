#include "framework/rtl/Events.h"
#include "framework/rtl/Exceptions.h"
#include "framework/rtl/Object.h"

#include <gtest/gtest.h>

namespace {
struct Counter : TObject {
    int Hits = 0;
    void Clicked(TObject*) { ++Hits; }
};
}  // namespace

TEST(Events, BoundMethodKeepsTargetAndNameAndCallsThrough) {
    Counter c;
    TNotifyEvent e(&c, &Counter::Clicked, "Clicked");
    ASSERT_TRUE(e);
    e(nullptr);
    e(nullptr);
    EXPECT_EQ(c.Hits, 2);
    EXPECT_EQ(e.Data, &c);
    EXPECT_EQ(e.Name, "Clicked");
    TNotifyEvent empty = nullptr;
    EXPECT_FALSE(empty);
}

TEST(Exceptions, MessageIsWhat) {
    try {
        throw EListError("List index out of bounds (5)");
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "List index out of bounds (5)");
        EXPECT_STREQ(e.what(), "List index out of bounds (5)");
    }
}
