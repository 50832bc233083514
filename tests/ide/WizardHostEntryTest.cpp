// The text of a wizard's entry in the New Project list.
#include <gtest/gtest.h>

#include "ide/WizardHostEntry.h"

TEST(WizardEntryText, NameFileAndVersion) {
    EXPECT_EQ(WizzardEntryText({"DOS Application Wizzard", "Tindrel.dll", 0x0100}),
              "DOS Application Wizzard (Tindrel.dll) (ver 1.0)");
    EXPECT_EQ(WizzardEntryText({"W", "w.dll", 0x0C22}), "W (w.dll) (ver 12.34)");
    EXPECT_EQ(WizzardEntryText({"W", "w.dll", 0xFFFF}), "W (w.dll) (ver 255.255)");
}
